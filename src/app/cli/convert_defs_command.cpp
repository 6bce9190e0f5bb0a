#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "app/cli/cli_commands.h"
#include "app/cli/opened_design.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "convert/definition_conversion.h"
#include "convert/format_folder.h"
#include "model/script_parser.h"

namespace tablora::cli {

namespace {

int Fail(const std::string& cp936) {
  std::fprintf(stderr, "%s\n", TextCodec::Cp936ToUtf8(cp936).c_str());
  return 1;
}

/// The output format named `name` (UTF-8) in the shipped list, or the one at that
/// 1-based position when no name matches.
const OutputFormat* FindOutputFormat(const std::vector<OutputFormat>& formats,
                                     const std::string& name) {
  const std::string wanted = TextCodec::Utf8ToCp936(name);
  for (const OutputFormat& format : formats) {
    if (format.name == wanted) return &format;
  }
  const std::size_t digits = name.find_first_not_of("0123456789");
  if (!name.empty() && digits == std::string::npos) {
    const std::size_t position = std::stoul(name.substr(0, 9));
    if (position >= 1 && position <= formats.size()) return &formats[position - 1];
  }
  return nullptr;
}

}  // namespace

int ConvertDefsCommand(const std::vector<std::string>& args) {
  if (args.size() < 2 || args.size() > 3) {
    std::fprintf(stderr, "usage: tablora-cli convert-defs FORMAT_SCRIPT OUTPUT_FORMAT_NAME [IN]\n");
    return 2;
  }
  const std::string programFolder = ExecutableFolder();
  const FormatFolder folder(programFolder);
  // A script file, or the name of a source format of the shipped folder.
  std::string script;
  if (!TextFile::ReadBytes(AbsolutePath(args[0]), script) &&
      !folder.ReadSourceFormat(args[0], script)) {
    return Fail(Cp936(u8"打不开源格式: ") + TextCodec::Utf8ToCp936(args[0]));
  }
  const std::vector<OutputFormat> formats = folder.OutputFormats();
  const OutputFormat* format = FindOutputFormat(formats, args[1]);
  if (format == nullptr) {
    std::string names;
    for (const OutputFormat& f : formats) names += "\n  " + f.name;
    return Fail(Cp936(u8"没有这个输出格式: ") + TextCodec::Utf8ToCp936(args[1]) +
                Cp936(u8"\n可用的输出格式:") + names);
  }
  std::string source;
  if (args.size() == 3) {
    if (!TextFile::ReadBytes(AbsolutePath(args[2]), source)) {
      return Fail(Cp936(u8"打不开源文件: ") + TextCodec::Utf8ToCp936(args[2]));
    }
  } else {
    source.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  }
  ScriptParser parser(programFolder);
  const ConversionResult result =
      DefinitionConversion(parser).Convert(script, format->text, source);
  if (!result.ok()) return Fail(result.message);
  std::fwrite(result.text.data(), 1, result.text.size(), stdout);
  return 0;
}

}  // namespace tablora::cli
