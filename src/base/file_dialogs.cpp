#include "base/file_dialogs.h"

#include "base/gbk_text.h"
#include "base/text_codec.h"

namespace tablora {

namespace {

FileDialogSpec MakeDialog(const char* titleUtf8, std::vector<std::string> filters,
                    const std::string& designPath = {}) {
  FileDialogSpec spec;
  spec.title = Cp936(titleUtf8);
  spec.filters = std::move(filters);
  spec.startFolder = FileDialogs::FolderOf(designPath);
  return spec;
}

/// The name a file type goes by; unknown extensions are named after themselves.
std::string TypeName(const std::string& extension) {
  static const std::pair<const char*, const char*> kNames[] = {
      {"sql", u8"SQL 脚本"},      {"mdb", u8"MS Access 数据库"}, {"txt", u8"文本文件"},
      {"png", u8"PNG 图片"},      {"svg", u8"SVG 图片"},         {"pdf", u8"PDF 文件"},
      {"h", u8"C 头文件"},        {"hpp", u8"C++ 头文件"},       {"java", u8"Java 源文件"},
      {"html", u8"HTML 网页"},    {"md", u8"Markdown 文档"},     {"xlsx", u8"Excel 工作簿"},
      {"vbs", u8"Windows 脚本"},
  };
  const std::string lower = gbk::ToLowerAscii(extension);
  for (const auto& [ext, name] : kNames) {
    if (lower == ext) return Cp936(name);
  }
  return gbk::ToUpperAscii(extension) + Cp936(u8" 文件");
}

bool HasExtension(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = path.rfind('.');
  // A leading dot names a hidden file, not an extension.
  return dot != std::string::npos && dot > name && dot + 1 < path.size();
}

}  // namespace

FileDialogSpec FileDialogs::OpenDesign(const std::string& designPath) {
  return MakeDialog(u8"打开MSSQL脚本", {"sql", "mdb"}, designPath);
}

const std::vector<std::string>& FileDialogs::ScriptEncodings() {
  static const std::vector<std::string> encodings = {"GB18030 (GBK)", "UTF-8"};
  return encodings;
}

FileDialogSpec FileDialogs::SaveDesign(const std::string& designPath,
                                       const std::string& proposedName) {
  FileDialogSpec spec = MakeDialog(u8"保存为", {"sql", "txt"}, designPath);
  spec.proposedName = proposedName;
  spec.defaultExtension = "txt";
  spec.encodings = ScriptEncodings();
  return spec;
}

FileDialogSpec FileDialogs::SaveTableScript(const std::string& designPath,
                                            const std::string& proposedName) {
  FileDialogSpec spec = MakeDialog(u8"保存创建表的SQL语句", {"txt", "sql"}, designPath);
  spec.proposedName = proposedName;
  spec.defaultExtension = "txt";
  spec.encodings = ScriptEncodings();
  return spec;
}

FileDialogSpec FileDialogs::SaveCommentScript(const std::string& designPath, bool groupsOnly,
                                              const std::string& proposedName) {
  FileDialogSpec spec =
      MakeDialog(groupsOnly ? u8"产生分组信息" : u8"产生所有注释", {"sql"}, designPath);
  spec.proposedName = proposedName;
  spec.defaultExtension = "sql";
  return spec;
}

FileDialogSpec FileDialogs::SaveAccessCommentScript(const std::string& accessPath,
                                                    const std::string& proposedName) {
  FileDialogSpec spec = MakeDialog(u8"保存注释脚本", {"vbs"}, accessPath);
  spec.proposedName = proposedName;
  spec.defaultExtension = "vbs";
  return spec;
}

FileDialogSpec FileDialogs::ExportPicture(const std::string& designPath) {
  FileDialogSpec spec = MakeDialog(u8"导出图片", {"png", "svg", "pdf"}, designPath);
  // The picture is named after the design.
  std::string name = designPath.substr(designPath.rfind('/') + 1);
  if (HasExtension(name)) name.erase(name.rfind('.'));
  spec.proposedName = (name.empty() ? std::string("design") : name) + ".png";
  spec.defaultExtension = "png";
  return spec;
}

FileDialogSpec FileDialogs::ExportDictionary(const std::string& designPath,
                                             const std::string& extension) {
  FileDialogSpec spec = MakeDialog(u8"导出数据字典", {extension}, designPath);
  // Named after the design, like its picture.
  std::string name = designPath.substr(designPath.rfind('/') + 1);
  if (HasExtension(name)) name.erase(name.rfind('.'));
  spec.proposedName = (name.empty() ? std::string("design") : name) + "." + extension;
  spec.defaultExtension = extension;
  return spec;
}

FileDialogSpec FileDialogs::SaveCode(const std::string& extension,
                                     const std::string& proposedName) {
  const char* title = extension == "java" ? u8"产生Java类"
                      : extension == "hpp" ? u8"产生C++类"
                                           : u8"产生C结构";
  FileDialogSpec spec = MakeDialog(title, {extension});
  spec.proposedName = proposedName;
  spec.defaultExtension = extension;
  return spec;
}

FileDialogSpec FileDialogs::ChooseAccessFile() {
  return MakeDialog(u8"选择MS Access数据库文件", {"mdb"});
}

std::vector<FileFilter> FileDialogs::Filters(const FileDialogSpec& spec) {
  std::vector<FileFilter> filters;
  for (const std::string& extension : spec.filters) {
    const std::string lower = gbk::ToLowerAscii(extension);
    const std::string upper = gbk::ToUpperAscii(extension);
    filters.push_back({TypeName(extension) + " (*." + lower + ")",
                       "*." + lower + (upper != lower ? ";*." + upper : "")});
  }
  filters.push_back({Cp936(u8"所有文件 (*.*)"), "*"});
  return filters;
}

std::string FileDialogs::StartFolder(const FileDialogSpec& spec, const std::string& lastFolder,
                                     const std::string& home) {
  if (!spec.startFolder.empty()) return spec.startFolder;
  if (!lastFolder.empty()) return lastFolder;
  return home;
}

std::string FileDialogs::SavedPath(const std::string& chosen, const FileDialogSpec& spec,
                                   int filterIndex) {
  if (chosen.empty() || chosen.back() == '/' || HasExtension(chosen)) return chosen;
  const bool typed = filterIndex >= 0 && filterIndex < static_cast<int>(spec.filters.size());
  const std::string extension = typed ? spec.filters[filterIndex] : spec.defaultExtension;
  if (extension.empty()) return chosen;
  // "shop." asks for the extension as much as "shop" does.
  const std::string stem = chosen.back() == '.' ? chosen.substr(0, chosen.size() - 1) : chosen;
  return stem + "." + gbk::ToLowerAscii(extension);
}

std::string FileDialogs::FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace tablora
