#include "convert/definition_conversion.h"

#include "base/text_codec.h"
#include "convert/definition_format.h"
#include "model/script_parser.h"

namespace tablora {

ConversionResult DefinitionConversion::Convert(const std::string& formatScript,
                                               const std::string& outputFormat,
                                               const std::string& source) {
  ConversionResult result;
  if (source.empty()) {
    result.message = Cp936(u8"请输入源文本!");
    return result;
  }
  if (!parser_.LoadPatterns()) {
    result.message = Cp936(u8"缺少文件!");
    return result;
  }
  // The reader sorts the tables by actual name: the fields table comes first.
  const std::vector<TableDesign> tables = parser_.ParseTables(formatScript);
  if (tables.size() != 2) {
    result.message = Cp936(u8"不是两个表");
    return result;
  }
  result.text = DefinitionFormat::FromTables(tables[0], tables[1]).Convert(source, outputFormat);
  return result;
}

}  // namespace tablora
