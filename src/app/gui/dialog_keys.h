#pragma once

class wxKeyEvent;
class wxWindow;

namespace tablora {

/// Enter in a dialog of the program presses its default button, as it does on every desktop,
/// also while the focus is on a control that would keep the key for itself here (a choice
/// opens its list, a list box activates its row); text fields that take Enter, buttons,
/// grids and trees keep it.
class DialogKeys {
 public:
  /// Presses the default button when `event` is a plain Enter for a dialog; true when it did.
  static bool PressDefault(const wxKeyEvent& event);
  /// True when Enter in `focus` belongs to its dialog's default button.
  static bool LeavesEnterToDialog(const wxWindow* focus);
};

}  // namespace tablora
