#include "app/gui/frame_statement_host.h"

#include <memory>

#include "app/command_table.h"
#include "app/design_session.h"
#include "app/gui/main_frame.h"
#include "app/gui/query_window.h"
#include "gen/gui/statement_builder_dialog.h"
#include "model/design.h"
#include "ui/table_commands.h"

namespace tablora {

wxWindow* FrameStatementHost::DialogParent() { return &frame_; }

const Settings& FrameStatementHost::settings() { return frame_.appState().settings; }

const std::vector<TableDesign>& FrameStatementHost::Definitions(bool refresh) {
  static const std::vector<TableDesign> kNoTables;
  Design* design = frame_.session() != nullptr ? frame_.session()->design() : nullptr;
  if (design == nullptr) return kNoTables;
  return refresh ? design->RefreshTableDefinitions() : design->definitions();
}

Prompts& FrameStatementHost::prompts() { return frame_.prompts(); }

std::string FrameStatementHost::LastDatabase() { return frame_.appState().lastDatabase; }

bool FrameStatementHost::CanExecute(std::string& why) {
  why.clear();
  return true;
}

void FrameStatementHost::Execute(const std::string& sql) {
  QueryWindow* window = QueryWindow::Open(&frame_, frame_);
  if (!Definitions(false).empty()) window->RunQuery(sql);
}

void OpenStatementBuilder(MainFrame& frame, int command, int table, bool modal) {
  const std::pair<int, StatementKind> kinds[] = {
      {table_cmd::kSelectStatement, StatementKind::kSelect},
      {table_cmd::kInsertStatement, StatementKind::kInsert},
      {table_cmd::kUpdateStatement, StatementKind::kUpdate},
      {table_cmd::kDeleteStatement, StatementKind::kDelete},
      {table_cmd::kBackupStatement, StatementKind::kBackup},
      {table_cmd::kDropStatement, StatementKind::kDrop}};
  for (const auto& [id, kind] : kinds) {
    if (id != command) continue;
    auto host = std::make_shared<FrameStatementHost>(frame);
    if (modal) {
      StatementBuilderDialog::RunModal(std::move(host), kind, table);
    } else {
      StatementBuilderDialog::Open(std::move(host), kind, table);
    }
  }
}

void RegisterStatementCommands(MainFrame& frame) {
  auto host = std::make_shared<FrameStatementHost>(frame);
  const auto hasDesign = [&frame] {
    return frame.session() != nullptr && frame.session()->design() != nullptr;
  };
  frame.commandRegistry().Register(
      cmd::kSelectStatement,
      [host] { StatementBuilderDialog::Open(host, StatementKind::kSelect, 0); }, hasDesign);
  frame.commandRegistry().Register(
      cmd::kInsertStatement,
      [host] { StatementBuilderDialog::Open(host, StatementKind::kInsert, 0); }, hasDesign);
}

}  // namespace tablora
