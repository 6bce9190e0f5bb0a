#include "app/gui/tablora_app.h"

#include <wx/cmdline.h>
#include <wx/dialog.h>
#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/stdpaths.h>

#include <cstdio>

#include "app/gui/dialog_keys.h"
#include "app/gui/dictionary_commands.h"
#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "app/gui/subsystem_hooks.h"
#include "base/gui/button_pictures.h"
#include "base/gui/wx_text.h"
#include "base/program_folder.h"
#include "base/settings_loader.h"
#include "base/text_codec.h"
#include "ui/gui/design_canvas.h"
#include "ui/gui/design_picture.h"

namespace tablora {

TabloraApp::TabloraApp() { SetAppName("Tablora"); }

TabloraApp::~TabloraApp() = default;

void TabloraApp::OnInitCmdLine(wxCmdLineParser& parser) {
  parser.AddSwitch("", "exit-when-shown", "quit as soon as the main window is shown");
  parser.AddOption("", "export", "write the design's picture (.png, .pdf or .svg) and quit");
  parser.AddSwitch("", "no-relations", "leave the relationship lines out of the exported picture");
  parser.AddOption("", "export-doc",
                   "write the design's data dictionary (.html, .md, .xlsx or .pdf) and quit");
  parser.AddOption("", "group", "with --export-doc: only the tables of this group");
  parser.AddOption("", "title", "with --export-doc: the dictionary's title");
  parser.AddParam("script", wxCMD_LINE_VAL_STRING, wxCMD_LINE_PARAM_OPTIONAL);
}

bool TabloraApp::OnCmdLineParsed(wxCmdLineParser& parser) {
  exitWhenShown_ = parser.Found("exit-when-shown");
  noRelations_ = parser.Found("no-relations");
  wxString exportPath;
  if (parser.Found("export", &exportPath)) {
    wxFileName file(exportPath);
    file.MakeAbsolute();
    exportPath_ = file.GetFullPath();
  }
  if (parser.Found("export-doc", &exportPath)) {
    wxFileName file(exportPath);
    file.MakeAbsolute();
    exportPath_ = file.GetFullPath();
    exportDocument_ = true;
    wxString text;
    if (parser.Found("group", &text)) dictionary_.group = from_wx(text);
    if (parser.Found("title", &text)) dictionary_.title = from_wx(text);
  }
  if (parser.GetParamCount() > 0) {
    wxFileName file(parser.GetParam(0));
    file.MakeAbsolute();
    fileToOpen_ = file.GetFullPath();
  }
  return true;
}

bool TabloraApp::OnInit() {
  startMillis_ = wxGetLocalTimeMillis();
  if (!wxApp::OnInit()) return false;

  // The program folder, then the settings read from it.
  const wxFileName executable(wxStandardPaths::Get().GetExecutablePath());
  const std::string folder =
      ProgramFolder::Choose(path_from_wx(executable.GetPath()), path_from_wx(wxGetCwd()));
  wxSetWorkingDirectory(path_to_wx(folder));
  state_.settings = LoadSettingsFile(folder);
  state_.settings.programFolder = folder;
  // Without the grid's columns and the data types no design can be opened or saved safely.
  const std::string problem = EssentialSettingsProblem(state_.settings);
  if (!problem.empty()) {
    wxMessageBox(to_wx(problem), "Tablora", wxOK | wxICON_ERROR);
    return false;
  }

  ButtonPictures::SetFolder(ProgramFolder::Join(folder, "icons"));
  // The dialog colours, applied to each of our dialogs as it opens.
  colours_ = DialogColours::FromSettings(state_.settings);

  // The recent-file list lives in the user's configuration under the program's name.
  config_ = std::make_unique<wxFileConfig>(GetAppName(), wxEmptyString, wxEmptyString,
                                           wxEmptyString, wxCONFIG_USE_LOCAL_FILE);

  frame_ = new MainFrame(state_, config_.get());
  frame_->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
    if (event.GetEventObject() == frame_) frame_ = nullptr;
    event.Skip();
  });
  frame_->SetSession(CreateDesignSession(*frame_));
  InstallSubsystemCommands(*frame_);
  SetTopWindow(frame_);
  frame_->NewDocument();
  if (!exportPath_.empty()) {
    exportExitCode_ = ExportPicture();
    return true;
  }
  frame_->Show();
  if (!fileToOpen_.empty()) OpenWhenShown(fileToOpen_);
  if (exitWhenShown_) Bind(wxEVT_IDLE, &TabloraApp::OnIdleUntilShown, this);
  return true;
}

int TabloraApp::ExportPicture() {
  // Nothing may wait for an answer: messages go to standard error.
  SilentPrompts prompts;
  frame_->SetPrompts(&prompts);
  int code = 0;
  if (fileToOpen_.empty()) {
    std::fprintf(stderr, "tablora --export FILE DESIGN.sql: no design given\n");
    code = 2;
  } else if (!frame_->OpenDesignScript(path_from_wx(fileToOpen_))) {
    code = 1;
  } else {
    DesignCanvas* canvas = frame_->designWindow().Canvas();
    std::string error;
    if (exportDocument_) {
      DictionaryOptions options = dictionary_;
      const std::string extension = from_wx(wxFileName(exportPath_).GetExt().Lower());
      if (options.title.empty()) {
        options.title = DataDictionary::DefaultTitle(path_from_wx(fileToOpen_));
      }
      if (!DictionaryExport::ParseFormat(extension == "htm" ? "html" : extension, options.format)) {
        error = Cp936(u8"数据字典文件的扩展名应为 .html, .md, .xlsx 或 .pdf");
      } else {
        ExportDictionary(*frame_, options, path_from_wx(exportPath_), &error);
      }
      if (!error.empty()) {
        std::fprintf(stderr, "tablora: %s\n", TextCodec::Cp936ToUtf8(error).c_str());
        code = 1;
      }
    } else if (canvas == nullptr || canvas->surface() == nullptr ||
               !DesignPicture::Export(path_from_wx(exportPath_), *canvas->surface(), state_, &error,
                                      state_.settings.showRelations && !noRelations_)) {
      std::fprintf(stderr, "tablora: %s\n", TextCodec::Cp936ToUtf8(error).c_str());
      code = 1;
    }
  }
  frame_->SetPrompts(nullptr);
  frame_->Destroy();
  frame_ = nullptr;
  return code;
}

int TabloraApp::OnRun() {
  if (exportExitCode_ >= 0) return exportExitCode_;
  return wxApp::OnRun();
}

int TabloraApp::OnExit() {
  frame_ = nullptr;
  config_.reset();
  return wxApp::OnExit();
}

MainFrame* TabloraApp::mainFrame() const { return frame_; }

int TabloraApp::FilterEvent(wxEvent& event) {
  // A dialog handles its own initialisation event, so the application sees it only here.
  if (event.GetEventType() == wxEVT_INIT_DIALOG) {
    auto* dialog = wxDynamicCast(event.GetEventObject(), wxDialog);
    if (DialogColours::IsOwnDialog(dialog)) colours_.Apply(dialog);
  }
  // Seen here before the focused control takes the key for itself.
  if (event.GetEventType() == wxEVT_CHAR_HOOK &&
      DialogKeys::PressDefault(static_cast<wxKeyEvent&>(event))) {
    return Event_Processed;
  }
  return Event_Skip;
}

void TabloraApp::OpenWhenShown(const wxString& path) {
  if (pendingOpen_.empty()) Bind(wxEVT_IDLE, &TabloraApp::OnIdleOpen, this);
  pendingOpen_ = path;
}

void TabloraApp::OnIdleOpen(wxIdleEvent& event) {
  event.Skip();
  if (frame_ != nullptr && !frame_->IsShownOnScreen()) {
    event.RequestMore();
    return;
  }
  Unbind(wxEVT_IDLE, &TabloraApp::OnIdleOpen, this);
  const wxString path = pendingOpen_;
  pendingOpen_.clear();
  if (frame_ == nullptr) return;
  frame_->Update();
  frame_->OpenDesignScript(path_from_wx(path));
}

void TabloraApp::OnIdleUntilShown(wxIdleEvent& event) {
  event.Skip();
  if (frame_ == nullptr || !frame_->IsShownOnScreen()) {
    event.RequestMore();
    return;
  }
  Unbind(wxEVT_IDLE, &TabloraApp::OnIdleUntilShown, this);
  std::printf("shown after %lld ms\n", (wxGetLocalTimeMillis() - startMillis_).GetValue());
  std::fflush(stdout);
  frame_->Close(true);
}

}  // namespace tablora
