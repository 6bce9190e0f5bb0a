#pragma once

#include <wx/colour.h>

class wxWindow;

namespace tablora {

struct Settings;

/// The background and text colours of every dialog and message box of the program
/// (settings `Dialog`/`BKColor` and `Dialog`/`TextColor`).
class DialogColours {
 public:
  DialogColours() = default;
  DialogColours(const wxColour& background, const wxColour& text)
      : background_(background), text_(text) {}
  static DialogColours FromSettings(const Settings& settings);

  /// Colours `dialog` and its labels, check boxes, radio buttons and group boxes; buttons,
  /// edit fields and lists keep the desktop's colours so they stay readable.
  void Apply(wxWindow* dialog) const;

  /// False for the desktop's own dialogs (file, folder, colour, font, print and native
  /// message boxes): they keep the desktop's colours.
  static bool IsOwnDialog(const wxWindow* dialog);

  const wxColour& background() const { return background_; }
  const wxColour& text() const { return text_; }

 private:
  wxColour background_;
  wxColour text_;
};

}  // namespace tablora
