#pragma once

#include <string>
#include <vector>

#include "base/prompts.h"

namespace tablora {

/// One line of a file dialog's file-type box.
struct FileFilter {
  std::string label;    ///< code page 936, for example "SQL 脚本 (*.sql)"
  std::string pattern;  ///< ";"-separated file-name patterns, for example "*.sql;*.SQL"
  bool operator==(const FileFilter& o) const { return label == o.label && pattern == o.pattern; }
};

/// The program's file dialogs, chosen in one place: each dialog's title, filters and
/// start folder, and the rules every dialog shares. Paths are file-system paths (UTF-8).
class FileDialogs {
 public:
  /// The encodings a script is saved in, in ScriptEncoding order.
  static const std::vector<std::string>& ScriptEncodings();

  // What each dialog of the program asks. `designPath` is the current design's file (empty
  // when it has none): dialogs about the design start in its folder.
  static FileDialogSpec OpenDesign(const std::string& designPath);
  /// The design and table script dialogs offer kScriptEncodings.
  static FileDialogSpec SaveDesign(const std::string& designPath, const std::string& proposedName);
  static FileDialogSpec SaveTableScript(const std::string& designPath,
                                        const std::string& proposedName);
  /// The comment scripts: all comments, or the group information alone.
  static FileDialogSpec SaveCommentScript(const std::string& designPath, bool groupsOnly,
                                          const std::string& proposedName);
  /// The comment script of an MS Access file, offered beside that file.
  static FileDialogSpec SaveAccessCommentScript(const std::string& accessPath,
                                                const std::string& proposedName);
  static FileDialogSpec ExportPicture(const std::string& designPath);
  /// A data dictionary; `extension` is "html", "md", "xlsx" or "pdf".
  static FileDialogSpec ExportDictionary(const std::string& designPath,
                                         const std::string& extension);
  /// Generated code: `extension` is "h", "java" or "hpp".
  static FileDialogSpec SaveCode(const std::string& extension, const std::string& proposedName);
  static FileDialogSpec ChooseAccessFile();

  /// The file-type lines of a dialog: one per extension of `spec.filters`, in that order,
  /// then "所有文件 (*.*)".
  static std::vector<FileFilter> Filters(const FileDialogSpec& spec);
  /// Where a dialog opens: `spec.startFolder`, else `lastFolder` (the folder of the file
  /// last chosen in any file dialog), else `home`.
  static std::string StartFolder(const FileDialogSpec& spec, const std::string& lastFolder,
                                 const std::string& home);
  /// The path a save dialog saves to: a chosen name without an extension gets that of the
  /// chosen filter (`filterIndex` into Filters), or the default extension under "所有文件".
  static std::string SavedPath(const std::string& chosen, const FileDialogSpec& spec,
                               int filterIndex);
  /// The folder part of a path ("/" for a file at the root); empty when it has none.
  static std::string FolderOf(const std::string& path);
};

}  // namespace tablora
