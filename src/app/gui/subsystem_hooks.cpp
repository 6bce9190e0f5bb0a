#include "app/gui/subsystem_hooks.h"

#include "app/command_table.h"
#include "app/gui/design_layout_commands.h"
#include "app/gui/dictionary_commands.h"
#include "app/gui/edit_commands.h"
#include "app/gui/frame_convert_host.h"
#include "app/gui/frame_design_view.h"
#include "app/gui/frame_statement_host.h"
#include "app/gui/main_frame.h"
#include "app/gui/table_window_commands.h"
#include "app/gui/write_back_commands.h"
#include "app/script_design_session.h"
#include "base/text_codec.h"
#include "db/connect/database_session.h"
#include "db/gui/database_windows.h"
#include "gen/gui/generator_commands.h"

namespace tablora {

void InstallSubsystemCommands(MainFrame& frame) {
  // Subsystems register here, one line each.
  RegisterGeneratorCommands(frame, &frame);
  frame.tableCommands().RegisterMainCommands();
  frame.layoutCommands().RegisterMainCommands();
  RegisterEditCommands(frame);
  RegisterConvertCommands(frame);
  RegisterStatementCommands(frame);
  RegisterDatabaseCommands(frame);
  RegisterWriteBackCommands(frame);
  RegisterDictionaryCommands(frame);
}

void RegisterDatabaseCommands(MainFrame& frame) {
  auto database = [&frame]() -> DatabaseSession* {
    return frame.session() != nullptr ? frame.session()->database() : nullptr;
  };
  frame.commandRegistry().Register(
      cmd::kConnect,
      [database, &frame]() {
        // The tables an import appends are one step.
        HistoryStep step(frame.session() != nullptr ? frame.session()->history() : nullptr,
                         Cp936(u8"导入表"));
        if (DatabaseSession* db = database()) db->Connect();
      },
      [database]() { return database() != nullptr; });
  frame.commandRegistry().Register(
      cmd::kBrowseServers,
      [database]() {
        if (DatabaseSession* db = database()) db->BrowseServers();
      },
      [database]() { return database() != nullptr; });
}

std::unique_ptr<DesignSession> CreateDesignSession(MainFrame& frame) {
  auto session = std::make_unique<ScriptDesignSession>(frame.appState(), frame.prompts(),
                                                       &frame.designWindow());
  AttachDatabaseWindows(*session->database(), &frame, frame.prompts(),
                        frame.appState().settings.databaseKindNames);
  return session;
}

}  // namespace tablora
