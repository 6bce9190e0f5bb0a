#include "doc/dictionary_export.h"

#include <algorithm>

#include "base/text_codec.h"
#include "base/text_file.h"
#include "doc/html_dictionary_writer.h"
#include "doc/markdown_dictionary_writer.h"
#include "doc/pdf_dictionary_writer.h"
#include "doc/text_output.h"
#include "doc/xlsx_dictionary_writer.h"

namespace tablora {

namespace {

constexpr const char* kNames[] = {"html", "md", "xlsx", "pdf"};

/// The link to a file beside the document: its name, in angle brackets when it holds
/// characters a bare link cannot.
std::string MarkdownLink(const std::string& path) {
  const std::string name = path.substr(path.rfind('/') + 1);
  if (name.find_first_of(" ()<>") == std::string::npos) return name;
  std::string link = "<";
  for (const char c : name) {
    if (c == '<' || c == '>') link += '\\';
    link += c;
  }
  return link + ">";
}

}  // namespace

bool DictionaryExport::ParseFormat(std::string_view name, DictionaryFormat& format) {
  for (int i = 0; i < 4; ++i) {
    if (name == kNames[i]) {
      format = static_cast<DictionaryFormat>(i);
      return true;
    }
  }
  return false;
}

const char* DictionaryExport::Extension(DictionaryFormat format) {
  return kNames[static_cast<int>(format)];
}

std::string DictionaryExport::PicturePath(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::size_t dot = path.rfind('.');
  const bool hasExtension =
      dot != std::string::npos && dot > (slash == std::string::npos ? 0 : slash + 1);
  return (hasExtension ? path.substr(0, dot) : path) + ".svg";
}

bool DictionaryExport::Write(const std::vector<TableDesign>& tables, const Settings& settings,
                             const DictionaryOptions& options, const std::string& path,
                             const DictionaryPicture* picture, std::string* error) {
  if (!options.group.empty()) {
    const std::vector<std::string> groups = DataDictionary::GroupNames(tables);
    if (std::find(groups.begin(), groups.end(), options.group) == groups.end()) {
      if (error != nullptr) *error = Cp936(u8"设计中没有这个分组: ") + options.group;
      return false;
    }
  }
  const DataDictionary dictionary(tables, settings, options.group,
                                  options.title.empty() ? Cp936(u8"数据字典") : options.title);
  const std::string svg = picture != nullptr ? picture->svg : std::string();
  std::string reason;
  std::string failedPath = path;
  bool ok = false;
  switch (options.format) {
    case DictionaryFormat::kHtml:
      ok = TextFile::WriteFile(
          path,
          [&](int fd) {
            TextOutput out(fd);
            HtmlDictionaryWriter::Write(dictionary, svg, out);
            return out.Finish();
          },
          &reason);
      break;
    case DictionaryFormat::kMarkdown: {
      // The picture is a file beside the document; a document written to standard output,
      // a device or a pipe has no folder to hold one, and goes without it.
      TextFile::WriteTarget target;
      if (!TextFile::ResolveTarget(path, target, &reason)) break;
      const bool beside = target.way != TextFile::WriteWay::kStandardOutput &&
                          target.way != TextFile::WriteWay::kInPlace;
      std::string link;
      if (!svg.empty() && beside) {
        failedPath = PicturePath(path);
        if (!TextFile::WriteBytes(failedPath, svg, &reason)) break;
        link = MarkdownLink(failedPath);
        failedPath = path;
      }
      ok = TextFile::WriteFile(
          path,
          [&](int fd) {
            TextOutput out(fd);
            MarkdownDictionaryWriter::Write(dictionary, link, out);
            return out.Finish();
          },
          &reason);
      break;
    }
    case DictionaryFormat::kXlsx:
      ok = XlsxDictionaryWriter::Write(dictionary, path, &reason);
      break;
    case DictionaryFormat::kPdf:
      ok = PdfDictionaryWriter::Write(dictionary, picture, path, &reason);
      break;
  }
  if (!ok && error != nullptr) {
    *error = Cp936(u8"无法写入文件: ") + TextCodec::Utf8ToCp936(failedPath) + " (" +
             TextCodec::Utf8ToCp936(reason) + ")";
  }
  return ok;
}

}  // namespace tablora
