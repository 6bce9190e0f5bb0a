#pragma once

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/gdicmn.h>
#include <wx/mousestate.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

#include <functional>
#include <memory>
#include <typeinfo>

class wxListBox;
class wxString;
class wxWindow;

namespace tablora::testing {

/// Processes pending GUI events for at least `milliseconds`.
void PumpEvents(int milliseconds = 50);
/// Pumps events until `done` holds or `milliseconds` pass; returns `done()`.
bool WaitFor(const std::function<bool()>& done, int milliseconds = 2000);

/// Sends a button's click event to the button `id` of `dialog`.
void Press(wxWindow& dialog, int id);
/// Selects `text` in `list` and sends the selection event, as a click on it would.
void Pick(wxListBox* list, const wxString& text);

/// A real pointer click at `at` (screen coordinates), with time to settle before and after.
void Click(wxPoint at, int button = wxMOUSE_BTN_LEFT);
/// A real pointer click in the middle of `window`, which must be shown.
void Click(wxWindow* window);

/// The dialog of type T that is modal now, or nullptr.
template <typename T>
T* ModalDialog() {
  for (wxWindow* w : wxTopLevelWindows) {
    auto* dialog = dynamic_cast<T*>(w);
    if (dialog != nullptr && dialog->IsModal()) return dialog;
  }
  return nullptr;
}

/// Runs `answer` on the modal dialog of type T as soon as it is shown (looked for every
/// 30 ms by a timer, so that the event loop keeps reading the display meanwhile); fails the
/// test when none appears within five seconds.
template <typename T>
void WhenModal(std::function<void(T&)> answer) {
  auto* timer = new wxTimer();
  auto tries = std::make_shared<int>(0);
  timer->Bind(wxEVT_TIMER, [timer, tries, answer](wxTimerEvent&) {
    T* dialog = ModalDialog<T>();
    if (dialog == nullptr && ++*tries < 170) return;
    timer->Stop();
    // The answer may run nested modal loops: the timer (and this handler) goes only after.
    if (dialog == nullptr) {
      ADD_FAILURE() << "no modal " << typeid(T).name() << " appeared";
    } else {
      answer(*dialog);
    }
    wxTheApp->CallAfter([timer] { delete timer; });
  });
  timer->Start(30);
}

}  // namespace tablora::testing
