#include "db/gui/database_windows.h"

#include <memory>

#include "db/connect/database_session.h"
#include "db/gui/import_progress_dialog.h"
#include "db/gui/wx_database_dialogs.h"

namespace tablora {

void AttachDatabaseWindows(DatabaseSession& session, wxWindow* parent, Prompts& prompts,
                           const std::vector<std::string>& kindNames) {
  session.setDialogs(std::make_unique<WxDatabaseDialogs>(parent, prompts, kindNames));
  session.setObserver(std::make_unique<ImportProgressDialog>(parent));
}

}  // namespace tablora
