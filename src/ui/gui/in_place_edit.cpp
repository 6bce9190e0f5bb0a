#include "ui/gui/in_place_edit.h"

#include <algorithm>

#include "ui/gui/grid_renderer.h"
#include "ui/gui/typing_undo.h"

namespace tablora {

EditKey ToEditKey(int keyCode) {
  switch (keyCode) {
    case WXK_TAB:
      return EditKey::kTab;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
      return EditKey::kEnter;
    case WXK_ESCAPE:
      return EditKey::kEscape;
    case WXK_UP:
    case WXK_DOWN:
    case WXK_LEFT:
    case WXK_RIGHT:
    case WXK_PAGEUP:
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_UP:
    case WXK_NUMPAD_DOWN:
    case WXK_NUMPAD_LEFT:
    case WXK_NUMPAD_RIGHT:
      return EditKey::kArrowOrPage;
    default:
      return EditKey::kOther;
  }
}

namespace {

long AlignmentStyle(unsigned alignment) {
  if (alignment & kFormatCenter) return wxTE_CENTRE;
  if (alignment & kFormatRight) return wxTE_RIGHT;
  return wxTE_LEFT;
}

}  // namespace

InPlaceEdit::InPlaceEdit(wxWindow* grid, const wxRect& rect, unsigned alignment, const wxFont& font,
                         const EditStart& start, const wxString& initialText, EditStartKind kind,
                         int maxRight, InPlaceCallbacks callbacks)
    : wxTextCtrl(
          grid, kId, to_wx(start.text), rect.GetPosition(), rect.GetSize(),
          wxBORDER_SIMPLE | wxTE_PROCESS_ENTER | wxTE_PROCESS_TAB | AlignmentStyle(alignment)),
      initialText_(initialText),
      startedByKey_(kind != EditStartKind::kMouse),
      minWidth_(rect.width),
      maxRight_(maxRight),
      callbacks_(std::move(callbacks)) {
  SetFont(font);
  AttachTypingUndo(this);
  Bind(wxEVT_CHAR_HOOK, &InPlaceEdit::OnCharHook, this);
  Bind(wxEVT_TEXT, &InPlaceEdit::OnText, this);
  Bind(wxEVT_KILL_FOCUS, &InPlaceEdit::OnKillFocus, this);
  SetFocus();
  if (start.caret == EditCaret::kSelectAll) {
    SelectAll();
  } else {
    SetInsertionPointEnd();
  }
  Grow();
}

void InPlaceEdit::EndEdit(int key) {
  if (ended_) return;
  ended_ = true;
  if (callbacks_.ended) callbacks_.ended(GetValue(), key);
}

void InPlaceEdit::OnCharHook(wxKeyEvent& event) {
  const EditKeyAction action =
      GridEditRules::OnKey(ToEditKey(event.GetKeyCode()), startedByKey_, event.ControlDown());
  switch (action) {
    case EditKeyAction::kNone:
      event.Skip();
      return;
    case EditKeyAction::kEndRestore:
      ChangeValue(initialText_);
      EndEdit(event.GetKeyCode());
      return;
    case EditKeyAction::kEndKeep:
      EndEdit(event.GetKeyCode());
      return;
  }
}

void InPlaceEdit::OnText(wxCommandEvent& event) {
  Grow();
  if (!ended_ && callbacks_.changed) callbacks_.changed(GetValue());
}

void InPlaceEdit::OnKillFocus(wxFocusEvent& event) {
  event.Skip();
  EndEdit(0);
}

void InPlaceEdit::Grow() {
  // The text plus two blanks, and the control's own border and padding.
  const int wanted = GetSizeFromTextSize(GetTextExtent(GetValue() + "  ").x).x;
  const int room = std::max(maxRight_ - GetPosition().x, minWidth_);
  const int width = std::clamp(wanted, minWidth_, room);
  if (width != GetSize().x) SetSize(width, GetSize().y);
}

}  // namespace tablora
