#pragma once

class wxTextCtrl;

namespace tablora {

/// Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) in `box` take back and do again what was typed
/// since it got the focus; the text set by undo is announced as typing is (wxEVT_TEXT).
void AttachTypingUndo(wxTextCtrl* box);

}  // namespace tablora
