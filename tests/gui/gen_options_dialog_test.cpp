#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/uiaction.h>
#include <wx/wx.h>

#include <functional>

#include "gen/gui/options_dialog.h"
#include "support/gui_test_support.h"

namespace tablora {
namespace {

wxCheckBox* Box(wxDialog& dialog, int id) {
  return wxDynamicCast(dialog.FindWindow(id), wxCheckBox);
}

/// The modal dialog that is open now, if any.
OptionsDialog* OpenOptionsDialog() {
  for (wxWindow* w : wxTopLevelWindows) {
    if (auto* dialog = dynamic_cast<OptionsDialog*>(w); dialog && dialog->IsModal()) return dialog;
  }
  return nullptr;
}

/// Runs `answer` on the open dialog once it is shown (from inside its modal loop).
void AnswerWhenShown(std::function<void(OptionsDialog&)> answer) {
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [answer, poll]() {
    if (OptionsDialog* dialog = OpenOptionsDialog()) {
      answer(*dialog);
    } else {
      wxTheApp->CallAfter(*poll);
    }
  };
  wxTheApp->CallAfter(*poll);
}

void Press(OptionsDialog& dialog, int buttonId) {
  wxCommandEvent click(wxEVT_BUTTON, buttonId);
  click.SetEventObject(dialog.FindWindow(buttonId));
  dialog.FindWindow(buttonId)->GetEventHandler()->ProcessEvent(click);
}

TEST(GenOptionsDialog, CaptionsAndBoxesShownPerGenerator) {
  struct Case {
    OptionsDialogLayout layout;
    bool accessorsShown;
    bool skipTimeShown;
  };
  const Case cases[] = {{{false, false}, false, false},  // C structure
                        {{true, false}, true, false},    // C++ class
                        {{true, true}, true, true}};     // Java class
  for (const Case& c : cases) {
    OptionsDialog dialog(nullptr, c.layout);
    EXPECT_EQ(dialog.GetTitle(), wxString::FromUTF8(u8"选项"));
    ASSERT_NE(Box(dialog, OptionsDialog::kPrefixId), nullptr);
    ASSERT_NE(Box(dialog, OptionsDialog::kAccessorsId), nullptr);
    ASSERT_NE(Box(dialog, OptionsDialog::kSkipTimeId), nullptr);
    EXPECT_EQ(Box(dialog, OptionsDialog::kPrefixId)->GetLabel(),
              wxString::FromUTF8(u8"需要扩展符(例:Id -> nId, Gettime -> tmGettime)"));
    EXPECT_EQ(Box(dialog, OptionsDialog::kAccessorsId)->GetLabel(),
              wxString::FromUTF8(u8"产生Get, Set函数来操作"));
    EXPECT_EQ(Box(dialog, OptionsDialog::kSkipTimeId)->GetLabel(),
              wxString::FromUTF8(u8"不产生时间字段的代码"));
    EXPECT_TRUE(Box(dialog, OptionsDialog::kPrefixId)->IsShown());
    EXPECT_EQ(Box(dialog, OptionsDialog::kAccessorsId)->IsShown(), c.accessorsShown);
    EXPECT_EQ(Box(dialog, OptionsDialog::kSkipTimeId)->IsShown(), c.skipTimeShown);
    for (int id :
         {OptionsDialog::kPrefixId, OptionsDialog::kAccessorsId, OptionsDialog::kSkipTimeId}) {
      EXPECT_FALSE(Box(dialog, id)->GetValue()) << id;
    }
  }
}

TEST(GenOptionsDialog, OkReturnsTheTickedVisibleBoxes) {
  WxOptionsPrompt prompt(nullptr);
  // C++: the skip-time box is hidden, so even a tick on it does not count.
  AnswerWhenShown([](OptionsDialog& dialog) {
    Box(dialog, OptionsDialog::kAccessorsId)->SetValue(true);
    Box(dialog, OptionsDialog::kSkipTimeId)->SetValue(true);
    Press(dialog, wxID_OK);
  });
  GenerationOptions options;
  ASSERT_TRUE(prompt.AskOptions({true, false}, options));
  EXPECT_FALSE(options.prefix);
  EXPECT_TRUE(options.accessors);
  EXPECT_FALSE(options.skipTime);

  AnswerWhenShown([](OptionsDialog& dialog) {
    Box(dialog, OptionsDialog::kPrefixId)->SetValue(true);
    Box(dialog, OptionsDialog::kSkipTimeId)->SetValue(true);
    Press(dialog, wxID_OK);
  });
  options = {};
  ASSERT_TRUE(prompt.AskOptions({true, true}, options));
  EXPECT_TRUE(options.prefix);
  EXPECT_FALSE(options.accessors);
  EXPECT_TRUE(options.skipTime);
}

TEST(GenOptionsDialog, ClickingABoxTicksIt) {
  WxOptionsPrompt prompt(nullptr);
  AnswerWhenShown([](OptionsDialog& dialog) {
    dialog.Raise();
    testing::PumpEvents(200);
    wxCheckBox* box = Box(dialog, OptionsDialog::kPrefixId);
    wxUIActionSimulator sim;
    const wxRect r = box->GetScreenRect();
    sim.MouseMove(r.GetLeft() + 8, r.GetTop() + r.GetHeight() / 2);
    testing::PumpEvents(100);
    sim.MouseClick();
    testing::PumpEvents(200);
    Press(dialog, wxID_OK);
  });
  GenerationOptions options;
  ASSERT_TRUE(prompt.AskOptions({false, false}, options));
  EXPECT_TRUE(options.prefix);
}

TEST(GenOptionsDialog, CancelAnswersNothing) {
  WxOptionsPrompt prompt(nullptr);
  AnswerWhenShown([](OptionsDialog& dialog) {
    Box(dialog, OptionsDialog::kPrefixId)->SetValue(true);
    Press(dialog, wxID_CANCEL);
  });
  GenerationOptions options;
  EXPECT_FALSE(prompt.AskOptions({true, true}, options));
  EXPECT_FALSE(options.prefix);
}

}  // namespace
}  // namespace tablora
