// The main window's documents, work box, dropped files and the question on close.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/fileconf.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/toolbar.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>

#include "app/command_table.h"
#include "app/gui/command_ids.h"
#include "app/gui/document_frame.h"
#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "app/gui/message_dialog.h"
#include "app/gui/subsystem_hooks.h"
#include "app/gui/tablora_app.h"
#include "app/gui/work_box.h"
#include "app_test_support.h"
#include "base/app_state.h"
#include "base/document_titles.h"
#include "base/gui/wx_text.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "ui/gui/design_canvas.h"

namespace tablora::testing {
namespace {

std::string Utf8(const std::string& cp936) { return TextCodec::Cp936ToUtf8(cp936); }

TEST(MainFrameDocuments, FindViewActivatesByTitleOrOpensThatWindow) {
  ResetToOneDesignWindow();
  DocumentFrame* design = Frame().documents().front();
  ASSERT_TRUE(design->IsDesignView());
  EXPECT_EQ(Frame().GetTitle(), wxString::FromUTF8(u8"Tablora - 表视图"));

  DocumentFrame* procedures = Frame().FindView(DocumentTitles::ProcedureView());
  ASSERT_NE(procedures, nullptr);
  EXPECT_NE(procedures, design);
  EXPECT_EQ(Utf8(procedures->title()), u8"存储过程视图");
  EXPECT_EQ(procedures->tableView(), nullptr);
  EXPECT_TRUE(
      WaitFor([] { return Frame().GetTitle() == wxString::FromUTF8(u8"Tablora - 存储过程视图"); }));

  EXPECT_EQ(Frame().FindView(DocumentTitles::DesignView()), design);
  EXPECT_TRUE(
      WaitFor([] { return Frame().GetTitle() == wxString::FromUTF8(u8"Tablora - 表视图"); }));
  EXPECT_EQ(Frame().documents().size(), 2u);
}

TEST(MainFrameDocuments, FurtherNewDocumentsAreNumberedAndFoundIgnoringCase) {
  ResetToOneDesignWindow();
  DocumentFrame* next = Frame().NewDocument();
  ASSERT_EQ(next->title().rfind("TabloraD", 0), 0u);
  EXPECT_FALSE(next->IsDesignView());
  std::string upper = next->title();
  for (char& c : upper) c = static_cast<char>(toupper(c));
  EXPECT_EQ(Frame().FindView(upper), next);
  EXPECT_EQ(Frame().documents().size(), 2u);
}

TEST(MainFrameDocuments, ClosingTheDesignWindowDoesNotStrandTheDesign) {
  ResetToOneDesignWindow();
  Frame().FindView(DocumentTitles::ProcedureView());
  Frame().FindView(DocumentTitles::DesignView())->Close(true);
  PumpEvents(50);
  ASSERT_EQ(Frame().documents().size(), 1u);
  EXPECT_FALSE(Frame().documents().front()->IsDesignView());
  // The new-document command brings the design window back under its own title.
  Frame().NewDocument();
  EXPECT_TRUE(Frame().documents().back()->IsDesignView());
  EXPECT_NE(Frame().documents().back()->tableView(), nullptr);
}

TEST(MainFrameDocuments, MenuAndTitleFollowWhetherADocumentIsOpen) {
  CloseAllDocuments();
  EXPECT_TRUE(WaitFor([] { return Frame().GetTitle() == "Tablora"; }));
  EXPECT_EQ(Frame().GetMenuBar()->GetMenuCount(), 3u);
  EXPECT_EQ(Frame().GetMenuBar()->FindItem(ToWxId(cmd::kFileOpen))->GetItemLabel(),
            wxString::FromUTF8(u8"打开(&O)...\tCtrl+O"));
  Frame().NewDocument();
  EXPECT_TRUE(WaitFor([] { return Frame().GetMenuBar()->GetMenuCount() == 7u; }));
}

TEST(MainFrameDocuments, DesignViewShowsWelcomeUntilTheDesignHasContent) {
  Frame().appState().designHasContent = false;
  ResetToOneDesignWindow();
  DesignCanvas* view = Frame().documents().front()->tableView();
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->ShowsWelcome());
  EXPECT_EQ(DesignCanvas::WelcomeLines().size(), 11u);

  auto owned = std::make_unique<RecordingSession>();
  RecordingSession* session = owned.get();
  Frame().SetSession(std::move(owned));
  ASSERT_TRUE(Frame().OpenDesignScript("/tmp/two_tables.sql"));
  EXPECT_EQ(session->opened, (std::vector<std::string>{"/tmp/two_tables.sql"}));
  EXPECT_TRUE(Frame().appState().designHasContent);
  EXPECT_FALSE(view->ShowsWelcome());
  EXPECT_EQ(view->surface(), nullptr);  // a session without a design has no windows
  Frame().SetSession(nullptr);
  Frame().appState().designHasContent = false;
  ResetToOneDesignWindow();
}

TEST(MainFrameFiles, DroppingThreeFilesOpensOnlyTheFirst) {
  ResetToOneDesignWindow();
  auto owned = std::make_unique<RecordingSession>();
  RecordingSession* session = owned.get();
  Frame().SetSession(std::move(owned));
  auto* files = new wxString[3]{"/tmp/first.sql", "/tmp/second.sql", "/tmp/third.sql"};
  wxDropFilesEvent drop(wxEVT_DROP_FILES, 3, files);  // the event owns the array
  Frame().GetEventHandler()->ProcessEvent(drop);
  EXPECT_EQ(session->opened, (std::vector<std::string>{"/tmp/first.sql"}));
  // The opened script heads the recent files, in both menus.
  EXPECT_EQ(Frame().fileHistory().GetHistoryFile(0), "/tmp/first.sql");
  EXPECT_EQ(Frame().GetMenuBar()->FindItem(ToWxId(cmd::kRecentFile1))->GetItemLabel(),
            "&1 /tmp/first.sql");
  Frame().SetSession(nullptr);
  Frame().appState().designHasContent = false;
}

TEST(MainFrameFiles, ARealScriptDroppedOnTheWindowListsItsTables) {
  TempFolder folder;
  const std::string path = folder / "drop.sql";
  ASSERT_TRUE(TextFile::WriteBytes(path,
                                   "CREATE TABLE [dbo].[t_user] (\r\n\t[id] [int] NOT NULL ,\r\n"
                                   "\t[name] [varchar] (50) NULL \r\n) ON [PRIMARY]\r\nGO\r\n"));
  Frame().appState().designHasContent = false;
  ResetToOneDesignWindow();
  Frame().SetSession(CreateDesignSession(Frame()));
  ScriptedPrompts prompts;
  Frame().SetPrompts(&prompts);
  auto* files = new wxString[2]{wxString::FromUTF8(path), path_to_wx(folder / "not_opened.sql")};
  wxDropFilesEvent drop(wxEVT_DROP_FILES, 2, files);
  Frame().GetEventHandler()->ProcessEvent(drop);
  PumpEvents(100);
  EXPECT_TRUE(prompts.messages.empty())
      << (prompts.messages.empty() ? "" : Utf8(prompts.messages[0]));
  EXPECT_EQ(Frame().session()->currentPath(), path);
  EXPECT_FALSE(Frame().session()->modified());
  TableSurface* surface = Frame().documents().front()->tableView()->surface();
  ASSERT_NE(surface, nullptr);
  ASSERT_EQ(surface->Count(), 1);
  EXPECT_TRUE(WaitFor([surface] { return surface->Window(0).grid.GetRowCount() == 3; }));
  EXPECT_EQ(surface->Window(0).grid.GetCellText(2, 0), "name");
  EXPECT_EQ(Frame().fileHistory().GetHistoryFile(0), wxString::FromUTF8(path));
  // Closing the program now asks nothing: the design is as it was opened.
  EXPECT_TRUE(Frame().session()->ConfirmDiscard(prompts));
  EXPECT_TRUE(prompts.questions.empty());
  Frame().SetPrompts(nullptr);
  Frame().SetSession(nullptr);
  Frame().appState().designHasContent = false;
  std::remove(path.c_str());
}

TEST(MainFrameFiles, OpeningWithTheDesignWindowClosedReopensIt) {
  auto owned = std::make_unique<RecordingSession>();
  RecordingSession* session = owned.get();
  Frame().SetSession(std::move(owned));
  CloseAllDocuments();
  wxCommandEvent open(wxEVT_MENU, ToWxId(cmd::kFileOpen));
  Frame().GetEventHandler()->ProcessEvent(open);
  EXPECT_EQ(session->opened, (std::vector<std::string>{""}));
  ASSERT_EQ(Frame().documents().size(), 1u);
  EXPECT_TRUE(Frame().documents().front()->IsDesignView());
  Frame().SetSession(nullptr);
  Frame().appState().designHasContent = false;
}

TEST(StartUp, AScriptNamedOnTheCommandLineOpensOnlyOnceTheWindowIsShown) {
  /// Notes whether the main window was on screen when each message came.
  struct WatchingPrompts : ScriptedPrompts {
    std::vector<bool> windowShown;
    void ShowMessage(const std::string& text, const std::string& caption) override {
      windowShown.push_back(Frame().IsShownOnScreen());
      ScriptedPrompts::ShowMessage(text, caption);
    }
  } prompts;
  ResetToOneDesignWindow();
  Frame().SetSession(CreateDesignSession(Frame()));
  Frame().SetPrompts(&prompts);
  Frame().Hide();
  PumpEvents(100);
  const std::string missing = "/tmp/tablora_start_up_missing.sql";
  wxGetApp().OpenWhenShown(wxString::FromUTF8(missing));
  PumpEvents(300);
  EXPECT_TRUE(prompts.messages.empty()) << "nothing opens while the window is hidden";
  Frame().Show();
  EXPECT_TRUE(WaitFor([&] { return !prompts.messages.empty(); }, 5000));
  EXPECT_EQ(prompts.windowShown, std::vector<bool>{true});
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].rfind(Cp936(u8"无法读取文件! ") + missing + "\n", 0), 0u)
      << prompts.messages[0];
  Frame().SetPrompts(nullptr);
  Frame().SetSession(nullptr);
  Frame().appState().designHasContent = false;
}

TEST(StartUp, TheProgramAndItsFirstWindowsOpenWithoutComplaintsFromGtk) {
  // The program itself, started as a user starts it (empty and with a design), on this
  // test's display; GTK reports widgets laid out too small for their scroll bars on stderr.
  TempFolder home;
  const std::string log = (home.path() / "stderr.txt").string();
  const std::string data = std::string(TABLORA_SOURCE_DIR) + "/tests/data/";
  const auto expectNoComplaints = [&log](const std::string& run) {
    std::string errors;
    ASSERT_TRUE(TextFile::ReadBytes(log, errors));
    EXPECT_EQ(errors.find("Gtk-CRITICAL"), std::string::npos) << run << "\n" << errors;
    EXPECT_EQ(errors.find("Gtk-WARNING"), std::string::npos) << run << "\n" << errors;
  };
  const std::string env = "HOME=" + home.path().string() + " ";
  for (const std::string& script : {std::string(), data + "writer_sample.sql"}) {
    const std::string command =
        env + TABLORA_BUILD_DIR + "/tablora --exit-when-shown " + script + " 2>" + log;
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    expectNoComplaints(command);
  }
  // A table's editor sheet and a stored procedure, each opened the first time by pointer and
  // keys (their pages and text controls are laid out by GTK before their sizers run).
  const std::string command =
      env + TABLORA_SOURCE_DIR + "/tests/gui/app/open_sheet_and_procedure.sh " + TABLORA_BUILD_DIR +
      "/tablora " + data + "writer_sample.sql " + data + "procedures_sample.sql " + log;
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  expectNoComplaints(command);
}

TEST(MainFrameHelp, NoBrowserIsReportedInChinese) {
  ScriptedPrompts prompts;
  Frame().SetPrompts(&prompts);
  Frame().SetBrowserLauncher([](const wxString&) { return false; });
  wxCommandEvent help(wxEVT_MENU, ToWxId(cmd::kHelp));
  Frame().GetEventHandler()->ProcessEvent(help);
  Frame().SetPrompts(nullptr);
  Frame().SetBrowserLauncher([](const wxString&) { return true; });
  const std::string page = Frame().appState().settings.programFolder + "/help/index.htm";
  EXPECT_EQ(prompts.messages,
            std::vector<std::string>{Cp936(u8"无法打开使用说明文档：") + page + "\n" +
                                     Cp936(u8"没有找到可以显示网页的浏览器。")});
}

TEST(MainFrameFiles, OpeningAChangedDesignAsksToSaveItFirst) {
  ResetToOneDesignWindow();
  auto owned = std::make_unique<RecordingSession>();
  RecordingSession* session = owned.get();
  session->isModified = true;
  session->path = "/tmp/changed.sql";
  Frame().SetSession(std::move(owned));
  Frame().Raise();
  PumpEvents(100);
  wxUIActionSimulator sim;
  // Ctrl+O typed over the window; the real question box answered with the pointer.
  const auto openAndAnswer = [&sim](const char* button) {
    wxString question;
    Later(
        [&sim, &question, button] {
          for (wxWindow* window : wxTopLevelWindows) {
            auto* box = dynamic_cast<MessageDialog*>(window);
            if (box == nullptr || !box->IsShown()) continue;
            for (wxWindow* child : box->GetChildren()) {
              if (auto* label = dynamic_cast<wxStaticText*>(child)) question = label->GetLabel();
              auto* answer = dynamic_cast<wxButton*>(child);
              if (answer == nullptr || answer->GetLabel() != wxString::FromUTF8(button)) continue;
              const wxRect rect = answer->GetScreenRect();
              sim.MouseMove(rect.x + rect.width / 2, rect.y + rect.height / 2);
              wxTheApp->Yield(true);
              sim.MouseClick();
            }
          }
        },
        500);
    const wxRect client = Frame().GetClientWindow()->GetScreenRect();
    sim.MouseMove(client.x + client.width / 2, client.y + client.height / 2);
    PumpEvents(50);
    sim.Char('o', wxMOD_CONTROL);
    WaitFor([&question] { return !question.empty(); }, 5000);
    PumpEvents(200);
    return question;
  };
  EXPECT_EQ(openAndAnswer(u8"取消"), wxString::FromUTF8(u8"将改动保存到 /tmp/changed.sql？"));
  EXPECT_TRUE(session->opened.empty()) << "cancel opens nothing";
  EXPECT_TRUE(session->saved.empty());
  EXPECT_EQ(openAndAnswer(u8"否(&N)"), wxString::FromUTF8(u8"将改动保存到 /tmp/changed.sql？"));
  EXPECT_TRUE(WaitFor([session] { return !session->opened.empty(); }));
  EXPECT_EQ(session->opened, (std::vector<std::string>{""}));
  EXPECT_TRUE(session->saved.empty());
  Frame().SetSession(nullptr);
  Frame().appState().designHasContent = false;
}

TEST(MainFrameFiles, ARecentFileThatIsGoneLeavesTheList) {
  ResetToOneDesignWindow();
  auto owned = std::make_unique<RecordingSession>();
  owned->openSucceeds = false;
  Frame().SetSession(std::move(owned));
  Frame().fileHistory().AddFileToHistory("/tmp/does/not/exist.sql");
  const size_t before = Frame().fileHistory().GetCount();
  wxCommandEvent recent(wxEVT_MENU, ToWxId(cmd::kRecentFile1));
  Frame().GetEventHandler()->ProcessEvent(recent);
  EXPECT_EQ(Frame().fileHistory().GetCount(), before - 1);
  Frame().SetSession(nullptr);
}

bool ClientWindowStartsAt(int x) { return Frame().GetClientWindow()->GetPosition().x == x; }

TEST(MainFrameWorkBox, DockedLeftWithTwoTreePages) {
  ResetToOneDesignWindow();
  if (!Frame().IsWorkBoxShown()) {
    wxCommandEvent toggle(wxEVT_MENU, ToWxId(cmd::kWorkBox));
    Frame().GetEventHandler()->ProcessEvent(toggle);
  }
  WorkBox& box = Frame().workBox();
  EXPECT_EQ(box.bar()->GetPosition(), wxPoint(0, 0));
  EXPECT_EQ(box.bar()->GetSize().x, 230);
  EXPECT_EQ(box.bar()->GetSize().y, Frame().GetClientSize().y);
  EXPECT_TRUE(ClientWindowStartsAt(230));
  EXPECT_EQ(box.PageCount(), 2);
  ASSERT_NE(box.tableTree(), nullptr);
  EXPECT_EQ(box.tableTree()->GetId(), 102);
  EXPECT_EQ(box.groupTree()->GetId(), 103);
  EXPECT_TRUE(box.tableTree()->HasFlag(wxTR_HAS_BUTTONS));
  EXPECT_TRUE(box.tableTree()->HasFlag(wxTR_LINES_AT_ROOT));
  box.SetActivePage(1);
  EXPECT_EQ(box.ActivePage(), 1);
  box.SetActivePage(0);
  EXPECT_EQ(box.ActivePage(), 0);
}

TEST(MainFrameWorkBox, ToolbarButtonHidesAndShowsItAndFollowsTheState) {
  ResetToOneDesignWindow();
  ASSERT_TRUE(Frame().IsWorkBoxShown());
  wxToolBar* tools = Frame().GetToolBar();
  const auto clickTool = [tools] {
    wxCommandEvent click(wxEVT_TOOL, ToWxId(cmd::kWorkBox));
    click.SetEventObject(tools);
    tools->ProcessWindowEvent(click);
    Frame().UpdateWindowUI(wxUPDATE_UI_RECURSE);
    PumpEvents(30);
  };
  clickTool();
  EXPECT_FALSE(Frame().IsWorkBoxShown());
  EXPECT_FALSE(tools->GetToolState(ToWxId(cmd::kWorkBox)));
  EXPECT_TRUE(ClientWindowStartsAt(0));
  clickTool();
  EXPECT_TRUE(Frame().IsWorkBoxShown());
  EXPECT_TRUE(tools->GetToolState(ToWxId(cmd::kWorkBox)));
  EXPECT_TRUE(ClientWindowStartsAt(230));
}

TEST(MainFrameWorkBox, CloseButtonHidesItAndTheMenuShowsItAgainAtTheLeft) {
  ResetToOneDesignWindow();
  ASSERT_TRUE(Frame().IsWorkBoxShown());
  Frame().Raise();
  PumpEvents(100);
  wxUIActionSimulator sim;
  const wxRect rect = Frame().workBox().CloseButtonScreenRect();
  ASSERT_FALSE(rect.IsEmpty());
  sim.MouseMove(rect.GetLeft() + rect.GetWidth() / 2, rect.GetTop() + rect.GetHeight() / 2);
  PumpEvents(50);
  sim.MouseClick();
  EXPECT_TRUE(WaitFor([] { return !Frame().IsWorkBoxShown(); }));
  Frame().GetMenuBar()->UpdateMenus();
  EXPECT_FALSE(Frame().GetMenuBar()->FindItem(ToWxId(cmd::kWorkBox))->IsChecked());
  wxCommandEvent show(wxEVT_MENU, ToWxId(cmd::kWorkBox));
  Frame().GetEventHandler()->ProcessEvent(show);
  EXPECT_TRUE(Frame().IsWorkBoxShown());
  Frame().GetMenuBar()->UpdateMenus();
  EXPECT_TRUE(Frame().GetMenuBar()->FindItem(ToWxId(cmd::kWorkBox))->IsChecked());
  EXPECT_EQ(Frame().workBox().bar()->GetPosition(), wxPoint(0, 0));
}

/// A second main window of the same class, so that closing it leaves the program running.
struct ClosingFrame {
  MainFrame* frame = new MainFrame(wxGetApp().state(), nullptr);
  RecordingSession* session = nullptr;
  ScriptedPrompts prompts;
  std::vector<std::string> saves;  ///< the session's saves; the session dies with the frame
  bool destroyed = false;

  ClosingFrame() {
    auto owned = std::make_unique<RecordingSession>();
    owned->isModified = true;
    session = owned.get();
    session->saveLog = &saves;
    frame->SetSession(std::move(owned));
    frame->SetPrompts(&prompts);
    frame->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
      if (event.GetEventObject() == frame) destroyed = true;
      event.Skip();
    });
    frame->NewDocument();
  }
  ~ClosingFrame() {
    if (!destroyed) frame->Destroy();
    PumpEvents(50);
  }
  bool Close() {
    frame->Close();
    PumpEvents(50);
    return destroyed || frame->IsBeingDeleted() || wxTheApp->IsScheduledForDestruction(frame);
  }
};

TEST(MainFrameClose, CancelKeepsTheProgramOpen) {
  ClosingFrame closing;
  closing.prompts.yesNoCancelAnswers = {Answer::kCancel};
  EXPECT_FALSE(closing.Close());
  ASSERT_EQ(closing.prompts.questions.size(), 1u);
  EXPECT_EQ(Utf8(closing.prompts.questions[0]), u8"将改动保存到 表视图？");
  EXPECT_TRUE(closing.session->saved.empty());
}

TEST(MainFrameClose, NoDiscardsTheChanges) {
  ClosingFrame closing;
  closing.prompts.yesNoCancelAnswers = {Answer::kNo};
  EXPECT_TRUE(closing.Close());
  EXPECT_TRUE(closing.saves.empty());
}

TEST(MainFrameClose, YesSavesToTheScriptThenCloses) {
  ClosingFrame closing;
  closing.session->path = "/tmp/design.sql";
  closing.prompts.yesNoCancelAnswers = {Answer::kYes};
  EXPECT_TRUE(closing.Close());
  EXPECT_EQ(Utf8(closing.prompts.questions.at(0)), u8"将改动保存到 /tmp/design.sql？");
  EXPECT_EQ(closing.saves, (std::vector<std::string>{"/tmp/design.sql"}));
}

TEST(MainFrameClose, YesWhoseSaveIsCancelledKeepsTheProgramOpen) {
  ClosingFrame closing;
  closing.session->saveSucceeds = false;
  closing.prompts.yesNoCancelAnswers = {Answer::kYes};
  EXPECT_FALSE(closing.Close());
  EXPECT_EQ(closing.session->saved, (std::vector<std::string>{""}));
}

TEST(MainFrameClose, UnchangedDesignClosesWithoutAQuestion) {
  ClosingFrame closing;
  closing.session->isModified = false;
  EXPECT_TRUE(closing.Close());
  EXPECT_TRUE(closing.prompts.questions.empty());
}

}  // namespace
}  // namespace tablora::testing

namespace tablora::testing {
namespace {

TEST(MainFrameFiles, RecentFilesAreKeptInTheConfigurationAcrossRuns) {
  TempFolder folder;
  const wxString configPath = path_to_wx(folder / "recent.ini");
  {
    wxFileConfig config(wxEmptyString, wxEmptyString, configPath, wxEmptyString,
                        wxCONFIG_USE_LOCAL_FILE);
    auto* frame = new MainFrame(wxGetApp().state(), &config);
    frame->fileHistory().AddFileToHistory("/tmp/older.sql");
    frame->fileHistory().AddFileToHistory("/tmp/newer.sql");
    frame->Close(true);
    PumpEvents(50);
  }
  wxFileConfig config(wxEmptyString, wxEmptyString, configPath, wxEmptyString,
                      wxCONFIG_USE_LOCAL_FILE);
  EXPECT_EQ(config.Read("/Recent File List/file1", ""), "/tmp/newer.sql");
  auto* frame = new MainFrame(wxGetApp().state(), &config);
  ASSERT_EQ(frame->fileHistory().GetCount(), 2u);
  EXPECT_EQ(frame->fileHistory().GetHistoryFile(1), "/tmp/older.sql");
  frame->NewDocument();
  PumpEvents(50);
  EXPECT_EQ(frame->GetMenuBar()->FindItem(ToWxId(cmd::kRecentFile1 + 1))->GetItemLabel(),
            "&2 /tmp/older.sql");
  frame->Destroy();
  PumpEvents(50);
  if (wxFileExists(configPath)) wxRemoveFile(configPath);
}

TEST(MainFrameHelp, AMissingHelpPageIsReportedInsteadOfOpeningNothing) {
  Settings& settings = Frame().appState().settings;
  const std::string folder = settings.programFolder;
  settings.programFolder = "/tmp/tablora_no_such_folder";
  ScriptedPrompts prompts;
  Frame().SetPrompts(&prompts);
  int launches = 0;
  Frame().SetBrowserLauncher([&](const wxString&) { return ++launches > 0; });
  wxCommandEvent help(wxEVT_MENU, ToWxId(cmd::kHelp));
  Frame().GetEventHandler()->ProcessEvent(help);
  settings.programFolder = folder;
  Frame().SetPrompts(nullptr);
  EXPECT_EQ(launches, 0);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(Utf8(prompts.messages[0]),
            u8"找不到使用说明文档：/tmp/tablora_no_such_folder/help/index.htm");
}

TEST(FrameDesignWindow, AskingWhetherItIsOpenReopensTheDesignWindow) {
  CloseAllDocuments();
  FrameDesignView& window = Frame().designWindow();
  EXPECT_TRUE(window.IsOpen());
  ASSERT_EQ(Frame().documents().size(), 1u);
  EXPECT_TRUE(Frame().documents().front()->IsDesignView());
  PumpEvents(100);
  const wxSize client = Frame().documents().front()->tableView()->GetClientSize();
  EXPECT_EQ(window.ClientWidth(), client.x);
  EXPECT_EQ(window.ClientHeight(), client.y);
  EXPECT_GT(window.ClientWidth(), 300);
  window.SetScrollHeight(2345);
  EXPECT_EQ(window.ScrollHeight(), 2345);
  // The canvas grows with it: the added tables' rows can be scrolled to.
  EXPECT_TRUE(WaitFor([] {
    return Frame().documents().front()->tableView()->GetVirtualSize() == wxSize(10000, 2345);
  }));
  window.SetScrollHeight(1000);
}

}  // namespace
}  // namespace tablora::testing
