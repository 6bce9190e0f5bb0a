// Every command of both menus either reaches its handler (checked by its effect) or is
// disabled; accelerators and registered subsystem handlers are reached the same way.
#include <gtest/gtest.h>
#include <wx/filehistory.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "app/command_table.h"
#include "app/gui/about_dialog.h"
#include "app/gui/command_ids.h"
#include "app/gui/document_frame.h"
#include "app/gui/main_frame.h"
#include "app_test_support.h"
#include "base/document_titles.h"
#include "base/gui/wx_text.h"
#include "convert/gui/definition_format_dialog.h"
#include "support/scripted_prompts.h"
#include "ui/gui/design_canvas.h"

namespace tablora::testing {
namespace {

struct MenuItemState {
  int id;
  bool enabled;
};

void CollectItems(wxMenu* menu, std::vector<MenuItemState>& items) {
  for (wxMenuItem* item : menu->GetMenuItems()) {
    if (item->IsSeparator()) continue;
    if (item->IsSubMenu()) {
      CollectItems(item->GetSubMenu(), items);
      continue;
    }
    items.push_back({FromWxId(item->GetId()), item->IsEnabled()});
  }
}

std::vector<MenuItemState> MenuItems(MainFrame& frame) {
  frame.GetMenuBar()->UpdateMenus();
  std::vector<MenuItemState> items;
  for (size_t i = 0; i < frame.GetMenuBar()->GetMenuCount(); ++i) {
    CollectItems(frame.GetMenuBar()->GetMenu(i), items);
  }
  return items;
}

void RunCommand(int id) {
  wxCommandEvent event(wxEVT_MENU, ToWxId(id));
  event.SetEventObject(&Frame());
  Frame().GetEventHandler()->ProcessEvent(event);
  PumpEvents(30);
}

/// Effects of the commands that can run; each function fails the test when its command
/// did not do its work.
std::map<int, std::function<void()>> Effects(RecordingSession* session) {
  std::map<int, std::function<void()>> effects;
  effects[cmd::kFileNew] = [] {
    const size_t before = Frame().documents().size();
    RunCommand(cmd::kFileNew);
    EXPECT_EQ(Frame().documents().size(), before + 1);
  };
  effects[cmd::kWindowNew] = [] {
    DocumentFrame* first = Frame().ActiveDocument();
    const std::string title = first->title();
    const size_t before = Frame().documents().size();
    RunCommand(cmd::kWindowNew);
    ASSERT_EQ(Frame().documents().size(), before + 1);
    DocumentFrame* second = Frame().documents().back();
    EXPECT_EQ(second->title(), title);
    EXPECT_EQ(first->caption(), title + ":1");
    EXPECT_EQ(second->caption(), title + ":2");
    EXPECT_EQ(second->IsDesignView(), first->IsDesignView());
    EXPECT_TRUE(WaitFor([&] { return Frame().GetTitle() == "Tablora - " + to_wx(title) + ":2"; }));
    second->Close(true);
    EXPECT_TRUE(WaitFor([&] { return first->caption() == title; }));
  };
  effects[cmd::kFileClose] = [] {
    const size_t before = Frame().documents().size();
    RunCommand(cmd::kFileClose);
    EXPECT_TRUE(WaitFor([&] { return Frame().documents().size() == before - 1; }));
  };
  effects[cmd::kExit] = [] {
    // A changed design: exit asks; cancel keeps the program open.
    const bool ownSession = Frame().session() == nullptr;
    if (ownSession) Frame().SetSession(std::make_unique<RecordingSession>());
    auto* session = static_cast<RecordingSession*>(Frame().session());
    session->isModified = true;
    ScriptedPrompts prompts;
    prompts.yesNoCancelAnswers = {Answer::kCancel};
    Frame().SetPrompts(&prompts);
    RunCommand(cmd::kExit);
    Frame().SetPrompts(nullptr);
    session->isModified = false;
    if (ownSession) Frame().SetSession(nullptr);
    EXPECT_EQ(prompts.questions.size(), 1u);
    EXPECT_FALSE(Frame().IsBeingDeleted());
  };
  const auto toggles = [](int id, std::function<bool()> shown) {
    return [id, shown] {
      const bool before = shown();
      RunCommand(id);
      EXPECT_NE(shown(), before) << id;
      EXPECT_EQ(Frame().IsCommandChecked(id), shown()) << id;
      RunCommand(id);
      EXPECT_EQ(shown(), before) << id;
    };
  };
  effects[cmd::kViewToolbar] =
      toggles(cmd::kViewToolbar, [] { return Frame().GetToolBar()->IsShown(); });
  effects[cmd::kViewStatusBar] =
      toggles(cmd::kViewStatusBar, [] { return Frame().GetStatusBar()->IsShown(); });
  effects[cmd::kWorkBox] = toggles(cmd::kWorkBox, [] { return Frame().IsWorkBoxShown(); });
  effects[cmd::kShowRelations] = [toggles] {
    // The choice is written to the settings file: none here.
    const std::string path = Frame().appState().settings.settingsPath;
    Frame().appState().settings.settingsPath.clear();
    toggles(cmd::kShowRelations, [] { return Frame().appState().settings.showRelations; })();
    Frame().appState().settings.settingsPath = path;
  };
  effects[cmd::kAbout] = [] {
    bool seen = false;
    Later([&] {
      for (wxWindow* window : wxTopLevelWindows) {
        if (auto* about = dynamic_cast<AboutDialog*>(window)) {
          seen = true;
          about->EndModal(wxID_OK);
        }
      }
    });
    RunCommand(cmd::kAbout);
    EXPECT_TRUE(seen);
  };
  effects[cmd::kMacroToJava] = [] {
    bool seen = false;
    Later([&] {
      for (wxWindow* window : wxTopLevelWindows) {
        if (auto* dialog = dynamic_cast<DefinitionFormatDialog*>(window)) {
          seen = dialog->IsModal();
          dialog->EndModal(wxID_CANCEL);
        }
      }
    });
    RunCommand(cmd::kMacroToJava);
    EXPECT_TRUE(seen);
  };
  effects[cmd::kHelp] = [] {
    std::vector<wxString> urls;
    Frame().SetBrowserLauncher([&](const wxString& url) {
      urls.push_back(url);
      return true;
    });
    RunCommand(cmd::kHelp);
    ASSERT_EQ(urls.size(), 1u);
    EXPECT_TRUE(urls[0].StartsWith("file://"));
    EXPECT_TRUE(urls[0].EndsWith("/help/index.htm"));
  };
  if (session != nullptr) {
    effects[cmd::kFileOpen] = [session] {
      session->opened.clear();
      RunCommand(cmd::kFileOpen);
      EXPECT_EQ(session->opened, (std::vector<std::string>{""}));
    };
    effects[cmd::kFileSaveAs] = [session] {
      session->saved.clear();
      RunCommand(cmd::kFileSaveAs);
      EXPECT_EQ(session->saved, (std::vector<std::string>{""}));
    };
    for (int index = 0; index < cmd::kRecentFileCount; ++index) {
      effects[cmd::kRecentFile1 + index] = [session, index] {
        session->opened.clear();
        const std::string file = path_from_wx(Frame().fileHistory().GetHistoryFile(index));
        RunCommand(cmd::kRecentFile1 + index);
        EXPECT_EQ(session->opened, (std::vector<std::string>{file}));
      };
    }
  }
  return effects;
}

void CheckEveryMenuItem(RecordingSession* session, const std::set<int>& expectedEnabled) {
  const auto effects = Effects(session);
  std::set<int> enabled;
  for (const MenuItemState& item : MenuItems(Frame())) {
    EXPECT_EQ(item.enabled, Frame().IsCommandEnabled(item.id)) << item.id;
    if (item.enabled) enabled.insert(item.id);
  }
  EXPECT_EQ(enabled, expectedEnabled);
  // Closing the window goes last: the other commands need the open document.
  std::vector<int> order(enabled.begin(), enabled.end());
  std::stable_partition(order.begin(), order.end(), [](int id) { return id != cmd::kFileClose; });
  for (int id : order) {
    const auto effect = effects.find(id);
    ASSERT_NE(effect, effects.end()) << "no effect check for enabled command " << id;
    SCOPED_TRACE(id);
    effect->second();
  }
}

TEST(MainFrameCommands, DocumentMenuWithoutDesignFilesEnablesOnlyWhatWorks) {
  ResetToOneDesignWindow();
  Frame().SetSession(nullptr);
  ASSERT_EQ(Frame().GetMenuBar()->GetMenuCount(), 7u);
  CheckEveryMenuItem(
      nullptr, {cmd::kFileClose, cmd::kExit, cmd::kViewToolbar, cmd::kViewStatusBar, cmd::kWorkBox,
                cmd::kWindowNew, cmd::kAbout, cmd::kHelp, cmd::kMacroToJava});
  Frame().SetSession(nullptr);
  ResetToOneDesignWindow();
}

TEST(MainFrameCommands, DocumentMenuWithDesignFilesEnablesOpenSaveAndRecentFiles) {
  ResetToOneDesignWindow();
  auto owned = std::make_unique<RecordingSession>();
  RecordingSession* session = owned.get();
  Frame().SetSession(std::move(owned));
  Frame().fileHistory().AddFileToHistory("/tmp/recent_a.sql");
  RunCommand(cmd::kFileSaveAs);  // saving adds the saved script to the recent files
  ASSERT_GE(Frame().fileHistory().GetCount(), 2u);
  CheckEveryMenuItem(session,
                     {cmd::kFileOpen, cmd::kFileSaveAs, cmd::kFileClose, cmd::kRecentFile1,
                      cmd::kRecentFile1 + 1, cmd::kExit, cmd::kViewToolbar, cmd::kViewStatusBar,
                      cmd::kWorkBox, cmd::kShowRelations, cmd::kWindowNew, cmd::kAbout, cmd::kHelp,
                      cmd::kMacroToJava});
  Frame().SetSession(nullptr);
  ResetToOneDesignWindow();
}

TEST(MainFrameCommands, EmptyMenuOffersNewDocument) {
  CloseAllDocuments();
  ASSERT_EQ(Frame().GetMenuBar()->GetMenuCount(), 3u);
  Frame().SetSession(nullptr);
  while (Frame().fileHistory().GetCount() > 0) Frame().fileHistory().RemoveFileFromHistory(0);
  CheckEveryMenuItem(nullptr, {cmd::kFileNew, cmd::kExit, cmd::kViewToolbar, cmd::kViewStatusBar,
                               cmd::kWorkBox, cmd::kAbout});
  ResetToOneDesignWindow();
}

TEST(MainFrameCommands, MenuBarsCarryTheCaptionsAndAccelerators) {
  ResetToOneDesignWindow();
  wxMenuBar* bar = Frame().GetMenuBar();
  std::vector<wxString> tops;
  for (size_t i = 0; i < bar->GetMenuCount(); ++i) tops.push_back(bar->GetMenuLabel(i));
  EXPECT_EQ(tops, (std::vector<wxString>{
                      wxString::FromUTF8(u8"文件(&F)"), wxString::FromUTF8(u8"编辑(&E)"),
                      wxString::FromUTF8(u8"查看(&V)"),
                      wxString::FromUTF8(u8"产生(&D)"), wxString::FromUTF8(u8"显示(&S)"),
                      wxString::FromUTF8(u8"窗口(&W)"), wxString::FromUTF8(u8"帮助(&H)")}));
  EXPECT_EQ(bar->FindItem(ToWxId(cmd::kNewTable))->GetItemLabel(),
            wxString::FromUTF8(u8"新建表(&A)\tCtrl+N"));
  EXPECT_EQ(bar->FindItem(ToWxId(cmd::kFileOpen))->GetItemLabel(),
            wxString::FromUTF8(u8"打开MSSQL脚本(&O)...\tCtrl+O"));
  EXPECT_EQ(bar->FindItem(ToWxId(cmd::kWorkBox))->GetItemLabel(),
            wxString::FromUTF8(u8"左边工作框(&L)\tCtrl+L"));
  EXPECT_TRUE(bar->FindItem(ToWxId(cmd::kWorkBox))->IsCheckable());
  EXPECT_EQ(bar->GetMenu(3)->GetMenuItems()[4]->GetItemLabel(),
            wxString::FromUTF8(u8"产生SQL语句(&A)"));
  EXPECT_EQ(bar->GetMenu(3)->GetMenuItems()[6]->GetItemLabel(),
            wxString::FromUTF8(u8"产生注释(B)"));
  EXPECT_EQ(Frame().GetStatusBar()->GetFieldsCount(), 4);
  EXPECT_EQ(Frame().GetStatusBar()->GetStatusText(0),
            wxString::FromUTF8(u8"双击鼠标显示全表, 右击弹出属性等!"));
}

TEST(MainFrameCommands, RegisteredHandlersRunAndUnregisteredCommandsStayDisabled) {
  ResetToOneDesignWindow();
  EXPECT_FALSE(Frame().IsCommandEnabled(cmd::kGenCStruct));
  int runs = 0;
  Frame().commandRegistry().Register(cmd::kGenCStruct, [&] { ++runs; });
  MenuItems(Frame());
  EXPECT_TRUE(Frame().GetMenuBar()->FindItem(ToWxId(cmd::kGenCStruct))->IsEnabled());
  RunCommand(cmd::kGenCStruct);
  EXPECT_EQ(runs, 1);
  RunCommand(cmd::kGenJavaClass);  // disabled: nothing runs, nothing breaks
  Frame().commandRegistry().Register(cmd::kGenCStruct, nullptr);
  RunCommand(cmd::kGenCStruct);
  EXPECT_EQ(runs, 1);
  MenuItems(Frame());
  EXPECT_FALSE(Frame().GetMenuBar()->FindItem(ToWxId(cmd::kGenCStruct))->IsEnabled());
}

void FocusDesignWindow() {
  Frame().Raise();
  ASSERT_FALSE(Frame().documents().empty());
  // Without a window manager the keyboard goes to the window under the pointer.
  const wxRect client = Frame().GetClientWindow()->GetScreenRect();
  wxUIActionSimulator().MouseMove(client.GetLeft() + client.GetWidth() / 2,
                                  client.GetTop() + client.GetHeight() / 2);
  Frame().documents().front()->SetFocus();
  if (Frame().documents().front()->tableView() != nullptr) {
    Frame().documents().front()->tableView()->SetFocus();
  }
  PumpEvents(100);
}

TEST(MainFrameAccelerators, CtrlLTogglesTheWorkBox) {
  ResetToOneDesignWindow();
  FocusDesignWindow();
  const bool before = Frame().IsWorkBoxShown();
  wxUIActionSimulator sim;
  sim.Char('L', wxMOD_CONTROL);
  EXPECT_TRUE(WaitFor([&] { return Frame().IsWorkBoxShown() != before; }));
  sim.Char('L', wxMOD_CONTROL);
  EXPECT_TRUE(WaitFor([&] { return Frame().IsWorkBoxShown() == before; }));
}

TEST(MainFrameAccelerators, CtrlOOpensAndCtrlSSaves) {
  ResetToOneDesignWindow();
  auto owned = std::make_unique<RecordingSession>();
  RecordingSession* session = owned.get();
  Frame().SetSession(std::move(owned));
  FocusDesignWindow();
  wxUIActionSimulator sim;
  sim.Char('O', wxMOD_CONTROL);
  EXPECT_TRUE(WaitFor([&] { return session->opened.size() == 1; }));
  sim.Char('S', wxMOD_CONTROL);
  EXPECT_TRUE(WaitFor([&] { return session->saved.size() == 1; }));
  // Ctrl+N, Ctrl+D and Ctrl+P belong to commands that are not there yet: nothing happens.
  const size_t documents = Frame().documents().size();
  sim.Char('N', wxMOD_CONTROL);
  sim.Char('D', wxMOD_CONTROL);
  sim.Char('P', wxMOD_CONTROL);
  PumpEvents(200);
  EXPECT_EQ(Frame().documents().size(), documents);
  Frame().SetSession(nullptr);
}

TEST(MainFrameAccelerators, F6MovesToTheNextDocumentWindow) {
  ResetToOneDesignWindow();
  Frame().FindView(DocumentTitles::ProcedureView());
  Frame().FindView(DocumentTitles::DesignView());
  PumpEvents(100);
  ASSERT_EQ(Frame().ActiveDocument()->title(), DocumentTitles::DesignView());
  FocusDesignWindow();
  wxUIActionSimulator sim;
  sim.Char(WXK_F6);
  EXPECT_TRUE(WaitFor(
      [&] { return Frame().ActiveDocument()->title() == DocumentTitles::ProcedureView(); }));
  EXPECT_TRUE(
      WaitFor([] { return Frame().GetTitle() == wxString::FromUTF8(u8"Tablora - 存储过程视图"); }));
  sim.Char(WXK_F6, wxMOD_SHIFT);
  EXPECT_TRUE(
      WaitFor([&] { return Frame().ActiveDocument()->title() == DocumentTitles::DesignView(); }));
  ResetToOneDesignWindow();
}

}  // namespace
}  // namespace tablora::testing

namespace tablora::testing {
namespace {

TEST(MainFrameStatusBar, LockKeysShowTheirIndicators) {
  ResetToOneDesignWindow();
  FocusDesignWindow();
  ASSERT_EQ(Frame().GetStatusBar()->GetFieldsCount(), 4);
  const wxString capsBefore = Frame().IndicatorText(1);
  wxUIActionSimulator sim;
  sim.Char(WXK_CAPITAL);
  EXPECT_TRUE(WaitFor([&] { return Frame().IndicatorText(1) != capsBefore; }, 1500));
  EXPECT_EQ(Frame().GetStatusBar()->GetStatusText(1), Frame().IndicatorText(1));
  sim.Char(WXK_CAPITAL);
  EXPECT_TRUE(WaitFor([&] { return Frame().IndicatorText(1) == capsBefore; }, 1500));
  const wxString numBefore = Frame().IndicatorText(2);
  sim.Char(WXK_NUMLOCK);
  EXPECT_TRUE(WaitFor([&] { return Frame().IndicatorText(2) != numBefore; }, 1500));
  sim.Char(WXK_NUMLOCK);
  EXPECT_TRUE(WaitFor([&] { return Frame().IndicatorText(2) == numBefore; }, 1500));
}

}  // namespace
}  // namespace tablora::testing
