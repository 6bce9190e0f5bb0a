#include "doc/markdown_dictionary_writer.h"

namespace tablora {

std::string MarkdownDictionaryWriter::Escape(std::string_view text) {
  // Nothing written starts a line, so only characters that act inside a line are escaped
  // ("$" opens mathematics on some hosts, "#" could close a heading).
  static constexpr std::string_view kMarkup = "\\`*_[]<>|~&$#";
  std::string out;
  out.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += "<br>";
    } else if (kMarkup.find(c) != std::string_view::npos) {
      out += '\\';
      out += c;
    } else {
      out += c;
    }
  }
  return out;
}

void MarkdownDictionaryWriter::Write(const DataDictionary& dictionary,
                                     std::string_view pictureLink, TextOutput& out) {
  out << "# " << Escape(dictionary.title()) << "\n\n"
      << std::to_string(dictionary.tables().size()) << u8" 个表, "
      << std::to_string(dictionary.groups().size()) << u8" 个分组, "
      << std::to_string(dictionary.totalColumns()) << u8" 列\n\n";
  if (!pictureLink.empty()) out << u8"![关系图](" << pictureLink << ")\n\n";

  out << u8"## 目录\n\n";
  for (const DataDictionary::Group& group : dictionary.groups()) {
    out << "- **" << Escape(group.name) << "**\n";
    for (const int i : group.tables) {
      const DataDictionary::Table& t = dictionary.tables()[i];
      out << "  - [" << Escape(t.Heading()) << "](#" << t.anchor << ")\n";
    }
  }

  const auto& captions = dictionary.captions();
  std::string header = "|";
  std::string rule = "|";
  for (int c = 0; c < DataDictionary::kCellCount; ++c) {
    header += " " + Escape(captions[c]) + " |";
    rule += c == DataDictionary::kNumber ? " ---: |" : " --- |";
  }
  header += "\n" + rule + "\n";

  for (const DataDictionary::Group& group : dictionary.groups()) {
    out << "\n## " << Escape(group.name) << "\n";
    for (const int i : group.tables) {
      const DataDictionary::Table& t = dictionary.tables()[i];
      out << "\n<a id=\"" << t.anchor << "\"></a>\n\n### " << Escape(t.Heading()) << "\n\n";
      if (!t.comment.empty()) out << u8"注释: " << Escape(t.comment) << "  \n";
      out << u8"分组: " << Escape(t.group);
      if (!t.owner.empty()) out << u8"  \n所有者: " << Escape(t.owner);
      out << "\n\n" << header;
      const int columns = dictionary.ColumnCount(i);
      for (int c = 0; c < columns; ++c) {
        const DataDictionary::Row row = dictionary.ColumnRow(i, c);
        out << "|";
        for (int cell = 0; cell < DataDictionary::kCellCount; ++cell) {
          out << " ";
          if (cell == DataDictionary::kForeignKey && row.reference >= 0) {
            out << "[" << Escape(row.cells[cell]) << "](#"
                << dictionary.tables()[row.reference].anchor << ")";
          } else {
            out << Escape(row.cells[cell]);
          }
          out << " |";
        }
        out << "\n";
      }
    }
  }
}

}  // namespace tablora
