#pragma once

#include <wx/string.h>

namespace tablora {

class MainFrame;

/// The edit menu: "撤销(&U)" and "重做(&R)" named after the step they take back or do
/// again, and the find commands, which the design window's find bar answers.
void RegisterEditCommands(MainFrame& frame);

/// The label of the undo (redo) menu item: the caption and the step's name, then the
/// accelerator ("撤销(&U) 移动表 Orders\tCtrl+Z"); the caption alone without a step.
wxString UndoMenuLabel(int commandId, const std::string& stepName);

}  // namespace tablora
