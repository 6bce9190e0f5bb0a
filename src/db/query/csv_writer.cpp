#include "db/query/csv_writer.h"

#include "base/text_codec.h"
#include "db/access/value_rules.h"

namespace tablora {

std::string CsvWriter::Field(const std::string& utf8) {
  if (!utf8.empty() && utf8.find_first_of(",\"\r\n") == std::string::npos) return utf8;
  std::string text = "\"";
  for (char c : utf8) {
    text += c;
    if (c == '"') text += '"';
  }
  return text + '"';
}

std::string CsvWriter::Header(const std::vector<ResultColumn>& columns) {
  std::string line;
  for (std::size_t c = 0; c < columns.size(); ++c) {
    if (c > 0) line += ',';
    line += Field(TextCodec::Cp936ToUtf8(columns[c].name));
  }
  return line + "\r\n";
}

std::string CsvWriter::Row(const std::vector<ResultColumn>& columns,
                           const std::vector<ResultCell>& cells) {
  std::string line;
  for (std::size_t c = 0; c < columns.size(); ++c) {
    if (c > 0) line += ',';
    if (c >= cells.size() || cells[c].null) continue;
    line += Field(TextCodec::Cp936ToUtf8(ValueRules::ExactText(columns[c].adoType, cells[c])));
  }
  return line + "\r\n";
}

}  // namespace tablora
