#include "app/gui/write_back_commands.h"

#include "app/command_table.h"
#include "app/design_session.h"
#include "app/gui/main_frame.h"
#include "db/connect/database_session.h"
#include "db/writeback/write_back.h"
#include "ui/table_commands.h"

namespace tablora {

namespace {

/// The write-back of the frame's design, or nothing when no design is open.
template <typename Action>
void WithWriteBack(MainFrame& frame, Action action) {
  DesignSession* session = frame.session();
  if (session == nullptr || session->design() == nullptr || session->database() == nullptr) return;
  WriteBack writeBack(*session->design(), *session->database(), frame.prompts());
  action(writeBack);
}

}  // namespace

void RegisterWriteBackCommands(MainFrame& frame) {
  const auto hasDatabase = [&frame] {
    return frame.session() != nullptr && frame.session()->database() != nullptr;
  };
  CommandRegistry& registry = frame.commandRegistry();
  registry.Register(
      cmd::kGroupCommentScript,
      [&frame] { WithWriteBack(frame, [](WriteBack& w) { w.WriteCommentScript(true); }); },
      hasDatabase);
  registry.Register(
      cmd::kAllCommentScript,
      [&frame] { WithWriteBack(frame, [](WriteBack& w) { w.WriteCommentScript(false); }); },
      hasDatabase);
  registry.Register(
      cmd::kGroupCommentToDb,
      [&frame] { WithWriteBack(frame, [](WriteBack& w) { w.UpdateComments(true, -1); }); },
      hasDatabase);
  registry.Register(
      cmd::kAllCommentToDb,
      [&frame] { WithWriteBack(frame, [](WriteBack& w) { w.UpdateComments(false, -1); }); },
      hasDatabase);
}

void RunWriteBackCommand(MainFrame& frame, int id, int table) {
  WithWriteBack(frame, [id, table](WriteBack& w) {
    switch (id) {
      case table_cmd::kReloadFromDatabase:
        w.RefreshTable(table);
        break;
      case table_cmd::kWriteToDatabase:
        w.UpdateTable(table);
        break;
      case table_cmd::kWriteCommentsToDatabase:
        w.UpdateComments(false, table);
        break;
      default:
        break;
    }
  });
}

}  // namespace tablora
