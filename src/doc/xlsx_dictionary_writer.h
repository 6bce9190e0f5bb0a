#pragma once

#include <string>

#include "doc/data_dictionary.h"

namespace tablora {

/// Writes a data dictionary as an Excel workbook: a sheet "目录" listing the tables with
/// links to their sheets, then one sheet per table with its names above the columns,
/// header rows styled and frozen, column widths fitted to their texts, foreign keys as
/// links to the referenced table's sheet. The workbook is held until it is complete (about
/// 30 KB a table).
class XlsxDictionaryWriter {
 public:
  /// Writes the workbook to `path` as TextFile::WriteBytes writes a file ("-" is standard
  /// output). False with the reason (UTF-8) in `error` when it could not be written.
  static bool Write(const DataDictionary& dictionary, const std::string& path,
                    std::string* error);
};

}  // namespace tablora
