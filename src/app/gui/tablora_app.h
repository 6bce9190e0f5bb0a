#pragma once

#include <wx/app.h>

#include <memory>
#include <string>

#include "app/gui/dialog_colours.h"
#include "base/app_state.h"
#include "doc/dictionary_export.h"

class wxFileConfig;

namespace tablora {

class MainFrame;

/// The application object: owns the settings and the process-wide state, applies the
/// dialog colours to every dialog, and opens the main window with the design window.
class TabloraApp : public wxApp {
 public:
  TabloraApp();
  ~TabloraApp() override;

  bool OnInit() override;
  /// With --export the picture was written in OnInit: the exit code, no event loop.
  int OnRun() override;
  int OnExit() override;
  void OnInitCmdLine(wxCmdLineParser& parser) override;
  bool OnCmdLineParsed(wxCmdLineParser& parser) override;
  /// Gives every dialog the dialog colours as it opens.
  int FilterEvent(wxEvent& event) override;

  AppState& state() { return state_; }
  /// The main window, or nullptr once it is gone.
  MainFrame* mainFrame() const;
  const DialogColours& dialogColours() const { return colours_; }
  /// Opens the script at `path` once the main window is on screen (so that its messages
  /// have the window behind them), with the wait cursor: the command line's script.
  void OpenWhenShown(const wxString& path);

 private:
  void OnIdleUntilShown(wxIdleEvent& event);
  void OnIdleOpen(wxIdleEvent& event);
  /// Opens the script and writes its picture (or its data dictionary) to exportPath_; the
  /// process's exit code.
  int ExportPicture();

  AppState state_;
  DialogColours colours_;
  std::unique_ptr<wxFileConfig> config_;
  MainFrame* frame_ = nullptr;
  bool exitWhenShown_ = false;
  bool noRelations_ = false;  ///< --no-relations: the exported picture has no lines
  wxString fileToOpen_;
  wxString pendingOpen_;
  wxString exportPath_;  ///< --export FILE: write the design's picture and exit
  bool exportDocument_ = false;  ///< --export-doc FILE: the data dictionary instead
  DictionaryOptions dictionary_;  ///< --group and --title of --export-doc
  int exportExitCode_ = -1;
  wxLongLong startMillis_;
};

}  // namespace tablora

wxDECLARE_APP(tablora::TabloraApp);
