#pragma once

#include <wx/filehistory.h>
#include <wx/mdi.h>
#include <wx/timer.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/design_session.h"
#include "app/gui/forwarding_prompts.h"
#include "base/commands/command_host.h"
#include "base/commands/command_registry.h"
#include "base/prompts.h"

class wxConfigBase;
class wxDropFilesEvent;

namespace tablora {

struct AppState;
class DocumentFrame;
class FrameDesignView;
class TableWindowCommands;
class TiledDocuments;
class DesignLayoutCommands;
class WorkBoxCommands;
class WorkBox;

/// The main window: documents as tabs (or side by side), menus, toolbar, status bar and the
/// work box, docked at an edge or floating. It routes each command to one handler; commands whose work is not part of the
/// program yet stay disabled.
class MainFrame : public wxMDIParentFrame, public CommandHost {
 public:
  /// `config` keeps the recent-file list (not owned; may be nullptr).
  MainFrame(AppState& state, wxConfigBase* config);
  ~MainFrame() override;

  // Documents.
  /// The new-document command: the next "TabloraD%d" document with its title rule, except
  /// that a new document is the design window "表视图" while none is open.
  DocumentFrame* NewDocument();
  /// Activates the document titled `title` (ignoring ASCII case) and returns it; when there
  /// is none, opens a new document with that title and returns it.
  DocumentFrame* FindView(const std::string& title);
  const std::vector<DocumentFrame*>& documents() const { return documents_; }
  DocumentFrame* ActiveDocument() const;
  /// Opens a script into the design, reopening the design window when it was closed.
  bool OpenDesignScript(const std::string& path);
  /// Shows the design's current tables in every design window.
  void RefreshDesignViews();
  /// The design's window side, for the design the session holds.
  FrameDesignView& designWindow() { return *designWindow_; }
  /// The commands of the table windows' menus.
  TableWindowCommands& tableCommands() { return *tableCommands_; }
  /// The work box trees with their menus.
  WorkBoxCommands& workBoxCommands() { return *workBoxCommands_; }
  /// The documents side by side while "平铺" is in force, else nullptr (tabs).
  TiledDocuments* tiles() const { return tiles_; }
  /// Arrange and the colour dialog.
  DesignLayoutCommands& layoutCommands() { return *layoutCommands_; }

  // Commands: ids are the program's command numbers (window ids: command_ids.h).
  bool IsCommandEnabled(int id) const;
  bool IsCommandChecked(int id) const;
  /// Handlers other subsystems register for commands of the menus.
  CommandRegistry& commandRegistry() override { return registry_; }

  // Parts and collaborators.
  AppState& appState() override { return state_; }
  /// The prompts dialogs and questions go through: the real dialogs, or the prompts
  /// SetPrompts put in force (also for objects that were given prompts() before).
  Prompts& prompts() override { return forwardingPrompts_; }
  /// Replaces the real dialogs (not owned); nullptr brings them back.
  void SetPrompts(Prompts* prompts) { prompts_ = prompts; }
  /// The design's file side; while none is set the file commands are disabled.
  void SetSession(std::unique_ptr<DesignSession> session);
  DesignSession* session() const override { return session_.get(); }
  /// How the help page is shown (default: the desktop's browser).
  void SetBrowserLauncher(std::function<bool(const wxString& url)> launcher) {
    launchBrowser_ = std::move(launcher);
  }
  WorkBox& workBox() { return *workBox_; }
  bool IsWorkBoxShown() const;
  wxFileHistory& fileHistory() { return fileHistory_; }
  /// The status bar text of the CAP, NUM and SCRL panes (1, 2, 3) as last updated.
  wxString IndicatorText(int pane) const;

 private:
  struct Route;
  static const std::vector<Route>& Routes();
  const Route* FindRoute(int id) const;

  DocumentFrame* CreateDocument(const std::string& title);
  void OnDocumentClosed(DocumentFrame* document);
  /// Numbers the windows of a document that has several ("title:1", "title:2").
  void NumberWindows(const std::string& title);
  void OnDocumentActivated();
  void UpdateMenusAndTitle();
  /// True when the title marks the design changed: a design window is active and the
  /// design changed since it was opened or saved.
  bool DesignChangedMark() const;
  void AddToRecentFiles(const std::string& path);
  void LayoutChildren();
  void UpdateIndicators();

  void OnCommand(wxCommandEvent& event);
  void OnUpdateCommand(wxUpdateUIEvent& event);
  void OnClose(wxCloseEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnDropFiles(wxDropFilesEvent& event);

  // One handler per command.
  void FileNew();
  void FileOpen();
  void FileSaveAs();
  void FileClose();
  void OpenRecentFile(int index);
  void Exit();
  void ToggleToolBar();
  void ToggleStatusBar();
  void ToggleWorkBox();
  /// Turns the relationship lines on or off in every design view and writes the choice to
  /// the settings file.
  void ToggleRelations();
  bool RelationsShown() const;
  void NextPane();
  void PreviousPane();
  void WindowNew();
  void WindowCascade();
  void WindowTile();
  void WindowArrange();
  void ShowAbout();
  void ShowHelp();

  bool HasSession() const { return session_ != nullptr; }
  bool HasActiveDocument() const { return ActiveDocument() != nullptr; }
  bool HasSeveralDocuments() const { return documents_.size() > 1; }
  bool IsTiled() const { return tiles_ != nullptr; }
  bool IsTabbed() const { return tiles_ == nullptr; }
  bool CanTile() const { return !IsTiled() && HasSeveralDocuments(); }
  bool TilesUneven() const;
  bool ToolBarShown() const;
  bool StatusBarShown() const;

  AppState& state_;
  wxConfigBase* config_;
  std::unique_ptr<Prompts> ownPrompts_;
  Prompts* prompts_ = nullptr;
  ForwardingPrompts forwardingPrompts_;
  std::unique_ptr<FrameDesignView> designWindow_;
  std::unique_ptr<TableWindowCommands> tableCommands_;
  std::unique_ptr<DesignSession> session_;
  CommandRegistry registry_;
  std::function<bool(const wxString&)> launchBrowser_;
  std::unique_ptr<WorkBox> workBox_;
  std::unique_ptr<WorkBoxCommands> workBoxCommands_;
  std::unique_ptr<DesignLayoutCommands> layoutCommands_;
  std::vector<DocumentFrame*> documents_;
  TiledDocuments* tiles_ = nullptr;  ///< a child window while the documents are tiled
  int untitledCounter_ = 0;
  wxMenuBar* emptyMenuBar_ = nullptr;     ///< menu 128; owned while not shown
  wxMenuBar* documentMenuBar_ = nullptr;  ///< menu 129; owned while not shown
  wxFileHistory fileHistory_;
  wxTimer indicatorTimer_;
  wxString indicators_[3];
  const DocumentFrame* lastActive_ = nullptr;  ///< the document the title was made for
  bool lastMarked_ = false;                    ///< the title's changed mark
  bool closing_ = false;
};

}  // namespace tablora
