#include "ui/table_finder.h"

#include "base/gbk_text.h"

namespace tablora {

std::string TableFinder::Fold(std::string_view text) {
  std::string folded(text);
  for (std::size_t i = 0; i < folded.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(folded[i]);
    if (gbk::IsLeadByte(c)) {
      ++i;  // the trail byte may look like a letter: it is not one
    } else {
      folded[i] = gbk::LowerAscii(folded[i]);
    }
  }
  return folded;
}

bool TableFinder::Holds(std::string_view folded, std::string_view needle) {
  if (needle.empty()) return false;
  std::size_t from = 0;
  // Character starts are known by walking from the start; a walk goes on from the last
  // start it reached.
  std::size_t walked = 0;
  for (;;) {
    const std::size_t at = folded.find(needle, from);
    if (at == std::string_view::npos) return false;
    while (walked < at) walked += gbk::IsLeadByte(static_cast<unsigned char>(folded[walked])) ? 2 : 1;
    if (walked == at) return true;
    from = at + 1;
  }
}

void TableFinder::Build(const Design& design) {
  texts_.clear();
  texts_.reserve(static_cast<std::size_t>(design.tableCount()));
  const std::vector<TableDesign>& definitions = design.definitions();
  std::string text;
  for (int i = 0; i < design.tableCount(); ++i) {
    text.clear();
    const auto at = static_cast<std::size_t>(i);
    if (at < definitions.size() && !definitions[at].actualName.empty()) {
      const TableDesign& table = definitions[at];
      text.append(table.displayName).append("\n").append(table.actualName).append("\n");
      text.append(table.comment).append("\n");
      for (const ColumnDesign& column : table.columns) {
        text.append(column.displayName).append("\n").append(column.actualName).append("\n");
      }
    } else {
      const TableNames& names = design.entries()[at]->editor->names();
      text.append(names.displayName).append("\n").append(names.actualName).append("\n");
      text.append(names.comment).append("\n");
    }
    texts_.push_back(Fold(text));
  }
}

std::vector<int> TableFinder::Find(std::string_view text) const {
  std::vector<int> found;
  if (text.empty()) return found;
  const std::string needle = Fold(text);
  for (std::size_t i = 0; i < texts_.size(); ++i) {
    if (Holds(texts_[i], needle)) found.push_back(static_cast<int>(i));
  }
  return found;
}

}  // namespace tablora
