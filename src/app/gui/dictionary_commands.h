#pragma once

#include <string>

#include "doc/dictionary_export.h"

namespace tablora {

class MainFrame;

/// Registers "导出数据字典(&Z)...": the dialog for format, group and title, the file dialog,
/// then the dictionary of the design with its picture.
void RegisterDictionaryCommands(MainFrame& frame);

/// Writes the data dictionary of the frame's design to `path`, with the picture of its
/// design window when the design has content. False with a message (code page 936) in
/// `error` when nothing was written.
bool ExportDictionary(MainFrame& frame, const DictionaryOptions& options, const std::string& path,
                      std::string* error);

}  // namespace tablora
