#include "app/gui/main_frame.h"

#include <wx/config.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include "app/command_table.h"
#include "app/gui/about_dialog.h"
#include "app/gui/command_bars.h"
#include "app/gui/command_ids.h"
#include "app/gui/design_layout_commands.h"
#include "app/gui/document_frame.h"
#include "app/gui/frame_design_view.h"
#include "app/gui/table_window_commands.h"
#include "app/gui/tiled_documents.h"
#include "app/gui/work_box.h"
#include "app/gui/work_box_commands.h"
#include "app/gui/wx_prompts.h"
#include "base/app_state.h"
#include "base/document_titles.h"
#include "base/gui/wx_text.h"
#include "base/program_folder.h"
#include "base/settings_loader.h"
#include "base/text_codec.h"
#include "ui/gui/design_canvas.h"
#include "ui/gui/table_editor_sheet.h"

namespace tablora {

struct MainFrame::Route {
  int id;
  void (MainFrame::*run)();
  bool (MainFrame::*enabled)() const;  ///< nullptr: always enabled
  bool (MainFrame::*checked)() const;  ///< nullptr: no check mark
};

namespace {
const char* const kRecentFilesPath = "/Recent File List";
const char* const kIdleMessage = u8"双击鼠标显示全表, 右击弹出属性等!";
const char* const kIndicatorTexts[] = {"CAP", "NUM", "SCRL"};
const wxKeyCode kIndicatorKeys[] = {WXK_CAPITAL, WXK_NUMLOCK, WXK_SCROLL};

bool IsRecentFileId(int id) {
  return id >= cmd::kRecentFile1 && id < cmd::kRecentFile1 + cmd::kRecentFileCount;
}
}  // namespace

const std::vector<MainFrame::Route>& MainFrame::Routes() {
  using F = MainFrame;
  static const std::vector<Route> routes = {
      {cmd::kFileNew, &F::FileNew, nullptr, nullptr},
      {cmd::kFileOpen, &F::FileOpen, &F::HasSession, nullptr},
      {cmd::kFileSaveAs, &F::FileSaveAs, &F::HasSession, nullptr},
      {cmd::kFileClose, &F::FileClose, &F::HasActiveDocument, nullptr},
      {cmd::kExit, &F::Exit, nullptr, nullptr},
      {cmd::kViewToolbar, &F::ToggleToolBar, nullptr, &F::ToolBarShown},
      {cmd::kViewStatusBar, &F::ToggleStatusBar, nullptr, &F::StatusBarShown},
      {cmd::kWorkBox, &F::ToggleWorkBox, nullptr, &F::IsWorkBoxShown},
      {cmd::kShowRelations, &F::ToggleRelations, &F::HasSession, &F::RelationsShown},
      {cmd::kNextPane, &F::NextPane, &F::HasSeveralDocuments, nullptr},
      {cmd::kPrevPane, &F::PreviousPane, &F::HasSeveralDocuments, nullptr},
      {cmd::kWindowNew, &F::WindowNew, &F::HasActiveDocument, nullptr},
      {cmd::kWindowCascade, &F::WindowCascade, &F::IsTiled, &F::IsTabbed},
      {cmd::kWindowTile, &F::WindowTile, &F::CanTile, &F::IsTiled},
      {cmd::kWindowArrange, &F::WindowArrange, &F::TilesUneven, nullptr},
      {cmd::kAbout, &F::ShowAbout, nullptr, nullptr},
      {cmd::kHelp, &F::ShowHelp, nullptr, nullptr},
  };
  return routes;
}

MainFrame::MainFrame(AppState& state, wxConfigBase* config)
    : wxMDIParentFrame(nullptr, wxID_ANY, DocumentTitles::kProgramName, wxDefaultPosition,
                       wxSize(1024, 720), wxDEFAULT_FRAME_STYLE | wxFRAME_NO_WINDOW_MENU),
      state_(state),
      config_(config),
      forwardingPrompts_(
          [this]() -> Prompts& { return prompts_ != nullptr ? *prompts_ : *ownPrompts_; }),
      fileHistory_(cmd::kRecentFileCount, ToWxId(cmd::kRecentFile1)),
      indicatorTimer_(this) {
  ownPrompts_ = std::make_unique<WxPrompts>(this, state_.settings);
  designWindow_ = std::make_unique<FrameDesignView>(*this);
  tableCommands_ = std::make_unique<TableWindowCommands>(*this);
  launchBrowser_ = [](const wxString& url) { return wxLaunchDefaultBrowser(url); };
  if (config_ != nullptr) {
    config_->SetPath(kRecentFilesPath);
    fileHistory_.Load(*config_);
    config_->SetPath("/");
  }
  emptyMenuBar_ = CommandBars::BuildMenuBar(false);
  documentMenuBar_ = CommandBars::BuildMenuBar(true);
  CommandBars::ShowRecentFiles(emptyMenuBar_, fileHistory_);
  CommandBars::ShowRecentFiles(documentMenuBar_, fileHistory_);
  SetMenuBar(emptyMenuBar_);

  CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL);
  CommandBars::FillToolBar(GetToolBar(),
                           ProgramFolder::Join(state_.settings.programFolder, "icons"));
  CreateStatusBar(4);
  const int widths[] = {-1, FromDIP(44), FromDIP(44), FromDIP(44)};
  GetStatusBar()->SetStatusWidths(4, widths);
  SetStatusText(wxString::FromUTF8(kIdleMessage), 0);
  UpdateIndicators();

  DragAcceptFiles(true);
  workBox_ = std::make_unique<WorkBox>(this);
  workBox_->bar()->SetSize(WorkBox::kDefaultWidth, WorkBox::kDefaultHeight);
  workBox_->SetOnClose([this] {
    if (IsWorkBoxShown()) ToggleWorkBox();
  });
  workBox_->SetOnResized([this] { LayoutChildren(); });
  workBoxCommands_ = std::make_unique<WorkBoxCommands>(*this);
  layoutCommands_ = std::make_unique<DesignLayoutCommands>(*this);
  SetAcceleratorTable(CommandBars::ExtraAccelerators());

  std::vector<int> ids;
  for (const CommandInfo& info : CommandTable::Get().commands()) ids.push_back(info.id);
  for (const CommandInfo& info : CommandTable::Get().ExtraAccelerators()) ids.push_back(info.id);
  for (int i = 1; i < cmd::kRecentFileCount; ++i) ids.push_back(cmd::kRecentFile1 + i);
  for (int id : ids) {
    Bind(wxEVT_MENU, &MainFrame::OnCommand, this, ToWxId(id));
    Bind(wxEVT_UPDATE_UI, &MainFrame::OnUpdateCommand, this, ToWxId(id));
  }
  Bind(wxEVT_CLOSE_WINDOW, &MainFrame::OnClose, this);
  Bind(wxEVT_SIZE, &MainFrame::OnSize, this);
  Bind(wxEVT_DROP_FILES, &MainFrame::OnDropFiles, this);
  Bind(wxEVT_TIMER, [this](wxTimerEvent&) { UpdateIndicators(); });
  // A tab chosen with the mouse activates its document without telling the frame first;
  // the design's changed mark follows its session.
  Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
    if (!closing_ && (ActiveDocument() != lastActive_ || DesignChangedMark() != lastMarked_))
      UpdateMenusAndTitle();
    event.Skip();
  });
  indicatorTimer_.Start(300);
  SetTitle(DocumentTitles::kProgramName);
}

MainFrame::~MainFrame() {
  indicatorTimer_.Stop();
  session_.reset();  // before the window side it notifies
  workBoxCommands_.reset();
  // The attached menu bar goes with the frame; the other one is ours.
  if (GetMenuBar() != emptyMenuBar_) delete emptyMenuBar_;
  if (GetMenuBar() != documentMenuBar_) delete documentMenuBar_;
}

// Documents --------------------------------------------------------------------------

DocumentFrame* MainFrame::CreateDocument(const std::string& title) {
  auto* document = new DocumentFrame(this, title);
  if (document->IsDesignView()) {
    auto* view = new DesignCanvas(document->body(), state_, [this]() -> Design* {
      return session_ != nullptr ? session_->design() : nullptr;
    });
    view->SetCommandTarget(tableCommands_.get());
    view->SetOnOpenColumn([this](int table, int column) {
      designWindow_->ShowSheet(table);
      if (TableEditorSheet* sheet = designWindow_->Sheet(table)) sheet->ShowColumn(column);
    });
    view->SetScrollHeight(designWindow_->ScrollHeight());
    document->SetTableView(view);
  }
  documents_.push_back(document);
  document->Bind(wxEVT_CLOSE_WINDOW, [this, document](wxCloseEvent& event) {
    OnDocumentClosed(document);
    event.Skip();
  });
  document->Bind(wxEVT_ACTIVATE, [this](wxActivateEvent& event) {
    OnDocumentActivated();
    event.Skip();
  });
  document->Show();
  if (tiles_ != nullptr) tiles_->Add(document);
  // GTK brings a new tab to the front at the next idle time, which would undo a later
  // activation of another document made before then: let that happen now.
  OnInternalIdle();
  document->Activate();
  UpdateMenusAndTitle();
  return document;
}

DocumentFrame* MainFrame::NewDocument() {
  ++untitledCounter_;
  const std::string design = DocumentTitles::DesignView();
  for (DocumentFrame* document : documents_) {
    if (document->IsDesignView()) {
      return CreateDocument(
          DocumentTitles::TitleOfNewDocument(DocumentTitles::UntitledName(untitledCounter_)));
    }
  }
  return CreateDocument(design);
}

DocumentFrame* MainFrame::FindView(const std::string& title) {
  for (DocumentFrame* document : documents_) {
    if (DocumentTitles::SameTitle(document->title(), title)) {
      document->Activate();
      UpdateMenusAndTitle();
      return document;
    }
  }
  ++untitledCounter_;
  return CreateDocument(title);
}

DocumentFrame* MainFrame::ActiveDocument() const {
  auto* active = dynamic_cast<DocumentFrame*>(GetActiveChild());
  for (DocumentFrame* document : documents_) {
    if (document == active) return document;
  }
  return documents_.empty() ? nullptr : documents_.back();
}

void MainFrame::OnDocumentClosed(DocumentFrame* document) {
  documents_.erase(std::remove(documents_.begin(), documents_.end(), document), documents_.end());
  if (tiles_ != nullptr) tiles_->Remove(document);
  if (!closing_) NumberWindows(document->title());
  if (!closing_) CallAfter([this] { UpdateMenusAndTitle(); });
}

void MainFrame::NumberWindows(const std::string& title) {
  std::vector<DocumentFrame*> windows;
  for (DocumentFrame* document : documents_) {
    if (document->title() == title) windows.push_back(document);
  }
  for (size_t i = 0; i < windows.size(); ++i) {
    windows[i]->SetWindowNumber(windows.size() > 1 ? static_cast<int>(i + 1) : 0);
  }
}

void MainFrame::OnDocumentActivated() {
  if (!closing_) CallAfter([this] { UpdateMenusAndTitle(); });
}

void MainFrame::UpdateMenusAndTitle() {
  wxMenuBar* wanted = documents_.empty() ? emptyMenuBar_ : documentMenuBar_;
  if (GetMenuBar() != wanted) SetMenuBar(wanted);
  const DocumentFrame* active = ActiveDocument();
  lastActive_ = active;
  if (tiles_ != nullptr) tiles_->ShowActive(active);
  lastMarked_ = DesignChangedMark();
  SetTitle(to_wx(DocumentTitles::FrameTitle(active != nullptr ? active->caption() : "",
                                            lastMarked_)));
}

bool MainFrame::DesignChangedMark() const {
  const DocumentFrame* active = ActiveDocument();
  return active != nullptr && active->IsDesignView() && session_ != nullptr &&
         session_->modified();
}

void MainFrame::RefreshDesignViews() {
  for (DocumentFrame* document : documents_) {
    if (document->tableView() != nullptr) document->tableView()->RefreshDesign();
  }
}

bool MainFrame::OpenDesignScript(const std::string& path) {
  if (session_ == nullptr) return false;
  // The open may replace the design: its changes are saved first when the user wants.
  if (!session_->ConfirmDiscard(prompts())) return false;
  FindView(DocumentTitles::DesignView());
  bool opened = false;
  if (path.empty()) {
    opened = session_->OpenScript(path);  // the file dialog first: no wait cursor over it
  } else {
    // A large script takes a while: the wait cursor and a note of what is being opened.
    wxBusyCursor busy;
    SetStatusText(to_wx(Cp936(u8"正在打开 ") + TextCodec::Utf8ToCp936(path) + " ..."), 0);
    if (GetStatusBar() != nullptr) GetStatusBar()->Update();
    opened = session_->OpenScript(path);
  }
  SetStatusText(wxString::FromUTF8(kIdleMessage), 0);
  if (!opened) return false;
  state_.designHasContent = true;
  AddToRecentFiles(session_->currentPath());
  RefreshDesignViews();
  return true;
}

void MainFrame::SetSession(std::unique_ptr<DesignSession> session) {
  // The sheets and windows of the design going away go with it.
  designWindow_->DesignCleared();
  session_ = std::move(session);
  workBoxCommands_->trees();
  RefreshDesignViews();
}

void MainFrame::AddToRecentFiles(const std::string& path) {
  if (path.empty()) return;
  fileHistory_.AddFileToHistory(path_to_wx(path));
  CommandBars::ShowRecentFiles(emptyMenuBar_, fileHistory_);
  CommandBars::ShowRecentFiles(documentMenuBar_, fileHistory_);
}

// Commands ---------------------------------------------------------------------------

const MainFrame::Route* MainFrame::FindRoute(int id) const {
  for (const Route& route : Routes()) {
    if (route.id == id) return &route;
  }
  return nullptr;
}

bool MainFrame::IsCommandEnabled(int id) const {
  if (registry_.Has(id)) return registry_.IsEnabled(id);
  if (IsRecentFileId(id)) {
    return HasSession() && static_cast<size_t>(id - cmd::kRecentFile1) < fileHistory_.GetCount();
  }
  const Route* route = FindRoute(id);
  if (route == nullptr) return false;
  return route->enabled == nullptr || (this->*route->enabled)();
}

bool MainFrame::IsCommandChecked(int id) const {
  const Route* route = FindRoute(id);
  return route != nullptr && route->checked != nullptr && (this->*route->checked)();
}

void MainFrame::OnCommand(wxCommandEvent& event) {
  const int id = FromWxId(event.GetId());
  if (!IsCommandEnabled(id)) return;
  if (registry_.Has(id)) {
    registry_.Run(id);
  } else if (IsRecentFileId(id)) {
    OpenRecentFile(id - cmd::kRecentFile1);
  } else if (const Route* route = FindRoute(id)) {
    (this->*route->run)();
  }
}

void MainFrame::OnUpdateCommand(wxUpdateUIEvent& event) {
  const int id = FromWxId(event.GetId());
  event.Enable(IsCommandEnabled(id));
  const CommandInfo* info = CommandTable::Get().Find(id);
  if (info != nullptr && info->checkable) event.Check(IsCommandChecked(id));
}

void MainFrame::FileNew() { NewDocument(); }

void MainFrame::FileOpen() { OpenDesignScript(""); }

void MainFrame::FileSaveAs() {
  if (session_->SaveScript("")) AddToRecentFiles(session_->currentPath());
}

void MainFrame::FileClose() { ActiveDocument()->Close(); }

void MainFrame::OpenRecentFile(int index) {
  const std::string path = path_from_wx(fileHistory_.GetHistoryFile(index));
  if (OpenDesignScript(path)) return;
  if (!wxFileExists(path_to_wx(path))) {
    fileHistory_.RemoveFileFromHistory(index);
    CommandBars::ShowRecentFiles(emptyMenuBar_, fileHistory_);
    CommandBars::ShowRecentFiles(documentMenuBar_, fileHistory_);
  }
}

void MainFrame::Exit() { Close(); }

bool MainFrame::ToolBarShown() const { return GetToolBar() != nullptr && GetToolBar()->IsShown(); }

bool MainFrame::StatusBarShown() const {
  return GetStatusBar() != nullptr && GetStatusBar()->IsShown();
}

void MainFrame::ToggleToolBar() {
  GetToolBar()->Show(!ToolBarShown());
  SendSizeEvent();
}

void MainFrame::ToggleStatusBar() {
  GetStatusBar()->Show(!StatusBarShown());
  SendSizeEvent();
}

void MainFrame::ToggleRelations() {
  Settings& settings = state_.settings;
  settings.showRelations = !settings.showRelations;
  if (!settings.settingsPath.empty()) {
    WriteSettingInt(settings.settingsPath, "TableWin", "ShowRelations", settings.showRelations ? 1 : 0);
  }
  for (DocumentFrame* document : documents_) {
    if (document->tableView() != nullptr) document->tableView()->ShowRelations(settings.showRelations);
  }
}

bool MainFrame::RelationsShown() const { return state_.settings.showRelations; }

bool MainFrame::IsWorkBoxShown() const { return workBox_->bar()->IsShown(); }

void MainFrame::ToggleWorkBox() {
  workBox_->bar()->Show(!IsWorkBoxShown());
  LayoutChildren();
}

void MainFrame::NextPane() { ActivateNext(); }
void MainFrame::PreviousPane() { ActivatePrevious(); }
void MainFrame::WindowNew() {
  // Another window of the active document: documents hold no data, so it shows the same.
  const std::string title = ActiveDocument()->title();
  CreateDocument(title);
  NumberWindows(title);
  UpdateMenusAndTitle();
}

// The documents are tabs here: "平铺" puts them side by side in one area, "层叠" makes them
// tabs again and "排列图标" gives every pane its even share, bringing back those pushed out.
void MainFrame::WindowCascade() {
  TiledDocuments* tiles = tiles_;
  tiles_ = nullptr;
  tiles->RemoveAll();
  tiles->Destroy();
  GetClientWindow()->Show();
  LayoutChildren();
  if (DocumentFrame* active = ActiveDocument()) active->Activate();
  UpdateMenusAndTitle();
}

void MainFrame::WindowTile() {
  tiles_ = new TiledDocuments(this, [this](DocumentFrame* document) {
    document->Activate();
    UpdateMenusAndTitle();
  });
  GetClientWindow()->Hide();
  LayoutChildren();
  for (DocumentFrame* document : documents_) tiles_->Add(document);
  UpdateMenusAndTitle();
}

void MainFrame::WindowArrange() { tiles_->EvenOut(); }

bool MainFrame::TilesUneven() const { return tiles_ != nullptr && tiles_->Uneven(); }

void MainFrame::ShowAbout() {
  AboutDialog about(this);
  about.ShowModal();
}

void MainFrame::ShowHelp() {
  const std::string page = ProgramFolder::Join(state_.settings.programFolder, "help/index.htm");
  if (!wxFileExists(path_to_wx(page))) {
    prompts().ShowMessage(Cp936(u8"找不到使用说明文档：") + TextCodec::Utf8ToCp936(page),
                          DocumentTitles::kProgramName);
    return;
  }
  bool launched = false;
  {
    // The desktop's reason arrives in English through wx's log: say it in our words.
    wxLogNull quiet;
    launched = launchBrowser_(wxFileName::FileNameToURL(wxFileName(path_to_wx(page))));
  }
  if (!launched) {
    prompts().ShowMessage(Cp936(u8"无法打开使用说明文档：") + TextCodec::Utf8ToCp936(page) + "\n" +
                              Cp936(u8"没有找到可以显示网页的浏览器。"),
                          DocumentTitles::kProgramName);
  }
}

// Window events ----------------------------------------------------------------------

void MainFrame::LayoutChildren() {
  const wxSize client = GetClientSize();
  int left = 0;
  if (IsWorkBoxShown()) {
    const int width = workBox_->WantedWidth();
    workBox_->bar()->SetSize(0, 0, width, client.y);
    left = width;
  }
  if (GetClientWindow() != nullptr) {
    GetClientWindow()->SetSize(left, 0, std::max(client.x - left, 0), client.y);
  }
  if (tiles_ != nullptr) tiles_->SetSize(left, 0, std::max(client.x - left, 0), client.y);
}

void MainFrame::OnSize(wxSizeEvent&) { LayoutChildren(); }

void MainFrame::OnDropFiles(wxDropFilesEvent& event) {
  // Only the first of several dropped files is opened.
  if (event.GetNumberOfFiles() < 1 || !HasSession()) return;
  OpenDesignScript(path_from_wx(event.GetFiles()[0]));
}

void MainFrame::OnClose(wxCloseEvent& event) {
  if (session_ != nullptr && !session_->ConfirmDiscard(prompts()) && event.CanVeto()) {
    event.Veto();
    return;
  }
  if (tiles_ != nullptr) WindowCascade();
  closing_ = true;
  indicatorTimer_.Stop();
  if (config_ != nullptr) {
    config_->SetPath(kRecentFilesPath);
    fileHistory_.Save(*config_);
    config_->SetPath("/");
    config_->Flush();
  }
  Destroy();
}

void MainFrame::UpdateIndicators() {
  if (GetStatusBar() == nullptr) return;
  for (int i = 0; i < 3; ++i) {
    const wxString text = wxGetKeyState(kIndicatorKeys[i]) ? kIndicatorTexts[i] : "";
    if (text != indicators_[i]) {
      indicators_[i] = text;
      SetStatusText(text, i + 1);
    }
  }
}

wxString MainFrame::IndicatorText(int pane) const {
  return pane >= 1 && pane <= 3 ? indicators_[pane - 1] : wxString();
}

}  // namespace tablora
