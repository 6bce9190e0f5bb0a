#include "db/procedures/procedure_commands.h"

#include "base/prompts.h"
#include "base/settings.h"
#include "base/text_codec.h"
#include "db/connect/database_session.h"
#include "db/procedures/procedure_update.h"
#include "db/writeback/write_back.h"
#include "model/design.h"

namespace tablora {

const std::vector<ProcedureMenuEntry>& ProcedureMenuCommands() {
  static const std::vector<ProcedureMenuEntry> commands = {
      {procedure_cmd::kCopyAll, u8"复制全部内容(&A)"},
      {procedure_cmd::kSave, u8"保存内容(&B)"},
      {procedure_cmd::kUpdate, u8"更新到数据库(&C)"},
  };
  return commands;
}

bool ProcedureCommands::Save(int index, const std::string& text) {
  std::vector<ProcedureDesign>& procedures = design_.procedures();
  if (index < 0 || index >= static_cast<int>(procedures.size())) return false;
  procedures[index].text = text;
  return true;
}

bool ProcedureCommands::UpdateToDatabase(int index, const std::string& text) {
  Save(index, text);
  ProcedureUpdate::Outcome outcome;
  ProcedureUpdate::Statements(text, &outcome);
  if (outcome != ProcedureUpdate::Outcome::kDone) {
    prompts_.ShowMessage(outcome == ProcedureUpdate::Outcome::kNoCreate
                             ? Cp936(u8"语法错误(找不到create语句)!更新失败")
                             : Cp936(u8"语法错误(找不到create procedure语句)!更新失败"),
                         "");
    return false;
  }
  const int kind = design_.app().databaseKind;
  if (kind == kAccess) {
    prompts_.ShowMessage(WriteBack::ReadOnlyMessage(), "");
    return false;
  }
  if (kind != kSqlServer) {
    prompts_.ShowMessage(Cp936(u8"只能把存储过程更新到MS SQL Server数据库。"), "");
    return false;
  }
  if (database_ == nullptr || !database_->EnsureConnected()) return false;
  ProcedureUpdate update(*database_->state().sharedConnection);
  if (update.Run(text) != ProcedureUpdate::Outcome::kDone) {
    prompts_.ShowMessage(
        Cp936(u8"更新失败!") + (update.error().empty() ? "" : "\r\n") + update.error(), "");
    return false;
  }
  prompts_.ShowMessage("OK!", "");
  return true;
}

}  // namespace tablora
