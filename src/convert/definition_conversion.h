#pragma once

#include <string>

namespace tablora {

class ScriptParser;

/// The result of a conversion: the converted text, or the message that tells the user why
/// there is none. Texts are code page 936.
struct ConversionResult {
  std::string text;
  std::string message;  ///< empty on success
  bool ok() const { return message.empty(); }
};

/// The convert button of the format conversion: reads the source format (a script of two
/// tables) with the script reader and converts every source line into the output format.
class DefinitionConversion {
 public:
  /// `parser` (not owned) reads the format scripts; its pattern files must be present.
  explicit DefinitionConversion(ScriptParser& parser) : parser_(parser) {}

  /// "请输入源文本!" for an empty source, "缺少文件!" when a pattern file of the reader is
  /// missing, "不是两个表" when the format script does not hold exactly two tables;
  /// otherwise every line that fits the format, each ending in CR LF.
  ConversionResult Convert(const std::string& formatScript, const std::string& outputFormat,
                           const std::string& source);

 private:
  ScriptParser& parser_;
};

}  // namespace tablora
