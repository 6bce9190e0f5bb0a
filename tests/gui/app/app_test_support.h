#pragma once

#include <wx/string.h>

#include <functional>
#include <string>
#include <vector>

#include "app/design_session.h"
#include "support/gui_test_support.h"

namespace tablora {
class MainFrame;
class Prompts;
}  // namespace tablora

namespace tablora::testing {

/// The program's main window as the real application object made it.
MainFrame& Frame();
/// Runs `action` on the next pass of whatever event loop runs (a modal dialog's too).
void Later(std::function<void()> action, int delayMilliseconds = 100);

/// Closes every document window (a test fails when one will not close).
void CloseAllDocuments();
/// Leaves exactly one document open: the design window.
void ResetToOneDesignWindow();
/// One design window over a new, empty design that asks `prompts`, with the work box
/// shown and the frame laid out and raised.
void OpenEmptyDesign(Prompts& prompts);

/// A design whose file side records what the window asked of it.
class RecordingSession : public DesignSession {
 public:
  std::vector<std::string> opened;  ///< every OpenScript path, "" for "let the user choose"
  std::vector<std::string> saved;
  std::vector<TableSummary> tables;
  std::string path;
  bool isModified = false;
  bool openSucceeds = true;
  bool saveSucceeds = true;
  std::string chosenOpenPath = "/tmp/chosen.sql";  ///< what "the user" picks for ""
  std::string chosenSavePath = "/tmp/saved.sql";
  std::vector<std::string>* saveLog = nullptr;  ///< also records saves; outlives the session

  bool OpenScript(const std::string& target) override;
  bool SaveScript(const std::string& target) override;
  std::string currentPath() const override { return path; }
  bool modified() const override { return isModified; }
  std::vector<TableSummary> Tables() const override { return tables; }
};

}  // namespace tablora::testing
