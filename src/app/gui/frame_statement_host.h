#pragma once

#include <string>
#include <vector>

#include "gen/gui/statement_host.h"

namespace tablora {

class MainFrame;

/// The main window as the statement builders see it; statements run in a new query window.
class FrameStatementHost : public StatementHost {
 public:
  explicit FrameStatementHost(MainFrame& frame) : frame_(frame) {}
  wxWindow* DialogParent() override;
  const Settings& settings() override;
  const std::vector<TableDesign>& Definitions(bool refresh) override;
  Prompts& prompts() override;
  std::string LastDatabase() override;
  bool CanExecute(std::string& why) override;
  void Execute(const std::string& sql) override;

 private:
  MainFrame& frame_;
};

/// Registers the main menu's "SELECT语句(&S)" and "INSERT语句(&I)": each opens a builder on
/// the design's first table.
void RegisterStatementCommands(MainFrame& frame);

/// Opens a builder for table `table` from a table's menu; `command` is one of the six
/// statement commands (32784, 32801, 32829, 32830, 32832, 32831). A `modal` builder is shown
/// modally and is closed when this returns.
void OpenStatementBuilder(MainFrame& frame, int command, int table, bool modal = false);

}  // namespace tablora
