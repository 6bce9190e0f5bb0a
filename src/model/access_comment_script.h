#pragma once

#include <string>
#include <vector>

#include "model/table_design.h"

namespace tablora {

/// The comment script of an MS Access file: a Windows script (VBScript) that sets the
/// description of every column of the design's tables through the catalog of the file, for
/// the user to run on Windows where a driver can write MS Access files.
class AccessCommentScript {
 public:
  /// The proposed file name, "Tablora_AccessComment.vbs".
  static const char* FileName();
  /// The script for every table (`tableIndex` -1) or one table, code page 936 with line
  /// feeds. Run without arguments it writes into `accessFileName` (a bare file name) in
  /// its own folder; its first argument names another file, its second the password.
  static std::string Build(const std::vector<TableDesign>& tables, int tableIndex,
                           const std::string& accessFileName);
  /// The bytes of the file: UTF-16 little-endian with a byte-order mark and CR LF line
  /// ends, which Windows reads whatever its language.
  static std::string FileBytes(const std::string& script);
};

}  // namespace tablora
