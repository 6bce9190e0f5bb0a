// Enter and Escape in every dialog of the program, pressed as a user presses them.
#include <gtest/gtest.h>
#include <wx/uiaction.h>

#include <functional>
#include <memory>

#include "app/gui/about_dialog.h"
#include "app/gui/database_kind_dialog.h"
#include "app/gui/main_frame.h"
#include "app/gui/message_dialog.h"
#include "app/gui/query_window.h"
#include "app/gui/table_conflict_dialog.h"
#include "app/gui/table_window_commands.h"
#include "app_test_support.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "convert/gui/definition_format_dialog.h"
#include "convert/gui/struct_to_table_dialog.h"
#include "db/connect/connect_form.h"
#include "db/gui/connect_dialog.h"
#include "db/gui/data_link_dialog.h"
#include "db/gui/password_dialog.h"
#include "db/gui/server_browser_dialog.h"
#include "doc/gui/dictionary_dialog.h"
#include "gen/gui/code_kind_dialog.h"
#include "gen/gui/condition_dialog.h"
#include "gen/gui/join_dialog.h"
#include "gen/gui/options_dialog.h"
#include "gen/gui/order_by_dialog.h"
#include "gen/gui/statement_builder_dialog.h"
#include "gen/gui/value_dialog.h"
#include "model/design.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "ui/gui/arrange_dialog.h"
#include "ui/gui/colour_dialog.h"
#include "ui/gui/display_style_sheet.h"
#include "ui/gui/group_edit_dialog.h"
#include "ui/gui/print_setup_dialog.h"
#include "ui/table_commands.h"

namespace tablora::testing {
namespace {

/// What a key did to a modal dialog: the code it ended with, or kStayedOpen.
constexpr int kStayedOpen = -12345;

/// Shows `dialog` modally, presses `key` over it and returns how it ended.
int PressIn(wxDialog* dialog, int key) {
  auto* timer = new wxTimer();
  auto pressed = std::make_shared<bool>(false);
  auto pointed = std::make_shared<bool>(false);
  auto ticks = std::make_shared<int>(0);
  timer->Bind(wxEVT_TIMER, [=](wxTimerEvent&) {
    ++*ticks;
    if (!*pressed) {
      if (!dialog->IsModal() || !dialog->IsShownOnScreen()) {
        if (*ticks < 200) return;
        timer->Stop();
        ADD_FAILURE() << "the dialog never showed";
        dialog->EndModal(kStayedOpen);
        return;
      }
      // Without a window manager the keyboard goes to the window under the pointer.
      if (!*pointed) {
        *pointed = true;
        *ticks = 0;
        wxUIActionSimulator().MouseMove(dialog->GetScreenPosition() + wxPoint(4, 4));
        return;
      }
      if (*ticks < 10) return;
      *pressed = true;
      *ticks = 0;
      wxUIActionSimulator().Char(key);
      return;
    }
    // A dialog that stays open gets time to close before it counts as open.
    if (*ticks < 25 || !dialog->IsModal()) return;
    timer->Stop();
    dialog->EndModal(kStayedOpen);
  });
  timer->Start(30);
  const int code = dialog->ShowModal();
  timer->Stop();
  wxTheApp->CallAfter([timer] { delete timer; });
  return code;
}

struct DialogCase {
  const char* name;
  std::function<wxDialog*()> make;
  int onEnter;                            ///< end code after Enter, or kStayedOpen
  int onEscape;                           ///< end code after Escape, or kStayedOpen
  std::function<bool()> enterDidItsWork;  ///< for a default button that keeps the dialog open
};

TEST(DialogKeys, EnterPressesTheDefaultButtonAndEscapeTheCancelButtonInEveryDialog) {
  ScriptedPrompts prompts;
  OpenEmptyDesign(prompts);
  Design& design = *Frame().session()->design();
  Settings settings = Frame().appState().settings;
  const std::vector<std::string> kinds = {"MS SQL Server", "MS Access", "Oracle"};
  TempFolder folder;
  ConnectForm form(folder.path().string() + "/logintmp.ini");
  form.Load();
  std::vector<TableDesign> tables(2);
  tables[0].actualName = "t_a";
  tables[1].actualName = "t_b";
  const auto noCondition = [](const std::vector<std::string>&, std::string&) { return false; };
  const auto noMessage = [](const std::string&) {};
  bool coloursApplied = false;
  const auto messageShown = [&] { return !prompts.messages.empty(); };

  const DialogCase cases[] = {
      {"arrange", [&] { return new ArrangeDialog(&Frame(), prompts, ArrangeOptions{}); }, wxID_OK,
       wxID_CANCEL, nullptr},
      {"edit group", [&] { return new GroupEditDialog(&Frame(), design, "G", {}); }, wxID_OK,
       wxID_CANCEL, nullptr},
      {"colour",
       [&] {
         auto* dialog = new ColourDialog(&Frame(), design, -1, 1);
         dialog->SetOnApplied([&](const std::vector<int>&) { coloursApplied = true; });
         return dialog;
       },
       kStayedOpen, wxID_CANCEL, [&] { return coloursApplied; }},
      {"database kind", [&] { return new DatabaseKindDialog(&Frame(), kinds, 0); }, wxID_OK,
       wxID_CANCEL, nullptr},
      {"about", [&] { return new AboutDialog(&Frame()); }, wxID_OK, wxID_OK, nullptr},
      {"question with cancel",
       [&] { return new MessageDialog(&Frame(), "?", "Tablora", MessageDialog::kYesNoCancel); },
       wxID_YES, wxID_CANCEL, nullptr},
      {"yes/no question, to be answered",
       [&] { return new MessageDialog(&Frame(), "?", "Tablora", MessageDialog::kYesNo); }, wxID_YES,
       kStayedOpen, nullptr},
      {"message", [&] { return new MessageDialog(&Frame(), "!", "", MessageDialog::kOk); }, wxID_OK,
       wxID_OK, nullptr},
      // Keeping both loses nothing; Escape skips the table being added.
      {"table already held",
       [&] {
         return new TableConflictDialog(&Frame(), TableConflictQuestion{"dbo.t", "t_1", 1});
       },
       TableConflictDialog::kRenameId, TableConflictDialog::kSkipId, nullptr},
      // The code box takes Enter as a new line.
      {"structures to tables", [&] { return new StructToTableDialog(&Frame()); }, kStayedOpen,
       wxID_CANCEL, nullptr},
      {"definition formats",
       [&] { return new DefinitionFormatDialog(&Frame(), settings.programFolder, prompts); },
       kStayedOpen, wxID_CANCEL, nullptr},
      {"condition",
       [&] {
         return new ConditionDialog(&Frame(), {"a", "b"}, "SELECT * FROM t");
       },
       wxID_OK, wxID_CANCEL, nullptr},
      {"code kind",
       [&] {
         return new CodeKindDialog(&Frame(), {{"C_ODBC", "C_ODBC.H"}}, prompts);
       },
       wxID_OK, wxID_CANCEL, nullptr},
      {"generator options", [&] { return new OptionsDialog(&Frame(), OptionsDialogLayout{}); },
       wxID_OK, wxID_CANCEL, nullptr},
      // An empty value is refused with a message.
      {"value", [&] { return new ValueDialog(&Frame(), prompts); }, kStayedOpen, wxID_CANCEL,
       messageShown},
      {"order by",
       [&] {
         return new OrderByDialog(&Frame(), {"a", "b"}, {});
       },
       wxID_OK, wxID_CANCEL, nullptr},
      {"join", [&] { return new JoinDialog(&Frame(), tables, 0, noCondition, noMessage); }, wxID_OK,
       wxID_CANCEL, nullptr},
      {"connect", [&] { return new ConnectDialog(&Frame(), form, prompts, kinds); }, wxID_OK,
       wxID_CANCEL, nullptr},
      {"data link",
       [&] { return new DataLinkDialog(&Frame(), {"SQLite3"}, {}, "Driver={SQLite3};"); }, wxID_OK,
       wxID_CANCEL, nullptr},
      {"server browser", [&] { return new ServerBrowserDialog(&Frame(), prompts, {}); },
       kStayedOpen, wxID_CANCEL, messageShown},
      {"password", [&] { return new PasswordDialog(&Frame(), prompts, kinds, 0); }, wxID_OK,
       wxID_CANCEL, nullptr},
      {"display styles", [&] { return new DisplayStyleSheet(&Frame(), settings); }, wxID_OK,
       wxID_CANCEL, nullptr},
      {"print setup", [&] { return new PrintSetupDialog(&Frame(), PrintChoice{}); }, wxID_OK,
       wxID_CANCEL, nullptr},
      {"data dictionary",
       [&] { return new DictionaryDialog(&Frame(), {"G"}, DictionaryOptions{}); }, wxID_OK,
       wxID_CANCEL, nullptr},
  };
  for (const DialogCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (const int key : {WXK_RETURN, WXK_ESCAPE}) {
      prompts.messages.clear();
      coloursApplied = false;
      wxDialog* dialog = c.make();
      const int code = PressIn(dialog, key);
      dialog->Destroy();
      PumpEvents(50);
      EXPECT_EQ(code, key == WXK_RETURN ? c.onEnter : c.onEscape)
          << (key == WXK_RETURN ? "Enter" : "Escape");
      if (key == WXK_RETURN && c.enterDidItsWork) {
        EXPECT_TRUE(c.enterDidItsWork()) << "Enter pressed the default button";
      }
    }
  }
  Frame().SetPrompts(nullptr);
  Frame().SetSession(nullptr);
}

TEST(DialogKeys, EscapeClosesTheModelessQueryWindowAndStatementBuilder) {
  ScriptedPrompts prompts;
  OpenEmptyDesign(prompts);
  TempFolder folder;
  const std::string path = folder.path().string() + "/one.sql";
  ASSERT_TRUE(TextFile::WriteBytes(
      path, "CREATE TABLE [dbo].[t_a] (\r\n\t[id] [int] NOT NULL\r\n) ON [PRIMARY]\r\nGO\r\n"));
  ASSERT_TRUE(Frame().session()->OpenScript(path));
  const std::pair<const char*, std::function<wxWindow*()>> windows[] = {
      {"query window", [] { return QueryWindow::Open(&Frame(), Frame()); }},
      {"statement builder",
       []() -> wxWindow* {
         Frame().tableCommands().RunTableCommand(table_cmd::kSelectStatement, 0);
         for (wxWindow* w : wxTopLevelWindows) {
           if (dynamic_cast<StatementBuilderDialog*>(w) != nullptr) return w;
         }
         return nullptr;
       }},
  };
  for (const auto& [name, open] : windows) {
    SCOPED_TRACE(name);
    wxWindow* window = open();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return window->IsShownOnScreen(); }));
    bool destroyed = false;
    window->Bind(wxEVT_DESTROY, [&destroyed, window](wxWindowDestroyEvent& e) {
      if (e.GetEventObject() == window) destroyed = true;
      e.Skip();
    });
    wxUIActionSimulator sim;
    sim.MouseMove(window->GetScreenPosition() + wxPoint(4, 4));
    PumpEvents(300);
    sim.Char(WXK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return destroyed; }));
  }
  Frame().SetPrompts(nullptr);
  Frame().SetSession(nullptr);
  Frame().appState().designHasContent = false;
}

}  // namespace
}  // namespace tablora::testing
