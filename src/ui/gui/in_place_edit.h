#pragma once

#include <functional>

#include <wx/textctrl.h>

#include "ui/grid_edit_rules.h"

namespace tablora {

/// The editor key a wx key code stands for.
EditKey ToEditKey(int keyCode);

/// How an in-place editor reports back to its grid.
struct InPlaceCallbacks {
  /// The editor closed with `text`; `key` is the key that ended it (0: focus loss).
  std::function<void(const wxString& text, int key)> ended;
  /// The text changed while editing (each typed character).
  std::function<void(const wxString& text)> changed;
};

/// The single-line text editor the grid opens over a cell. It ends on Tab and Enter
/// (keeping the text), Escape (restoring the initial text), arrow and page keys when a
/// key started it or Ctrl is held, and on focus loss; it then reports once.
class InPlaceEdit : public wxTextCtrl {
 public:
  /// The control id of in-place editors.
  static constexpr int kId = 8;

  /// `rect` is the cell's rectangle in the grid's client coordinates; `maxRight` the
  /// right edge the editor may grow to while the user types.
  InPlaceEdit(wxWindow* grid, const wxRect& rect, unsigned alignment, const wxFont& font,
              const EditStart& start, const wxString& initialText, EditStartKind kind, int maxRight,
              InPlaceCallbacks callbacks);

  /// Ends editing with the current text, as focus loss does. Safe to call twice.
  void EndEdit(int key = 0);
  const wxString& InitialText() const { return initialText_; }
  bool Ended() const { return ended_; }

 private:
  void OnCharHook(wxKeyEvent& event);
  void OnText(wxCommandEvent& event);
  void OnKillFocus(wxFocusEvent& event);
  void Grow();

  wxString initialText_;
  bool startedByKey_;
  int minWidth_;
  int maxRight_;
  bool ended_ = false;
  InPlaceCallbacks callbacks_;
};

}  // namespace tablora
