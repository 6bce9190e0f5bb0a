#include "db/connect/database_session.h"

#include "base/prompts.h"
#include "db/access/odbc_connection.h"
#include "db/connect/connect_form.h"
#include "db/connect/database_dialogs.h"
#include "db/connect/saved_logins.h"
#include "db/import/schema_import.h"
#include "model/design.h"

namespace tablora {

DatabaseSession::DatabaseSession(Design& design, Prompts& prompts, std::string programFolder)
    : design_(design), prompts_(prompts), programFolder_(std::move(programFolder)) {
  state_.sharedConnection = std::make_unique<OdbcConnection>(&prompts_);
}

DatabaseSession::~DatabaseSession() = default;

void DatabaseSession::setDialogs(std::unique_ptr<DatabaseDialogs> dialogs) {
  ownedDialogs_ = std::move(dialogs);
  dialogs_ = ownedDialogs_.get();
}

void DatabaseSession::setObserver(std::unique_ptr<ImportObserver> observer) {
  ownedObserver_ = std::move(observer);
  observer_ = ownedObserver_.get();
}

const std::string& DatabaseSession::loginsPath() {
  if (loginsPath_.empty()) loginsPath_ = SavedLogins::FilePath(programFolder_);
  return loginsPath_;
}

bool DatabaseSession::RunConnectDialog() {
  if (dialogs_ == nullptr) return false;
  ConnectForm form(loginsPath());
  std::string error;
  if (!form.Load(&error)) prompts_.ShowMessage(error, "");
  form.kind = design_.app().databaseKind == kAccess ? kAccess : kSqlServer;
  if (!dialogs_->Connect(form)) return false;
  state_.importProcedures = form.importProcedures;
  AppState& app = design_.app();
  if (form.dataLink) {
    state_.connectionMode = ConnectionState::kDataLink;
    state_.sharedConnection->setConnectionString(form.connectionString);
    state_.useClientCursor = form.useClientCursor;
    app.databaseKind = form.kind;
    app.lastHost.clear();
    app.lastDatabase.clear();
  } else {
    state_.connectionMode = ConnectionState::kDirect;
    app.databaseKind = form.kind;
    app.lastHost = form.kind == kSqlServer ? form.host : "";
    app.lastDatabase = form.database;
  }
  last_ = {form.host, form.database, form.user, form.password};
  return true;
}

bool DatabaseSession::Import(const ImportRequest& request) {
  SchemaImport import(design_, state_, observer_);
  if (import.Run(request)) {
    design_.setCurrentPath("");
    return true;
  }
  if (!import.error().empty()) prompts_.ShowMessage(import.error(), "");
  return false;
}

bool DatabaseSession::Connect() {
  if (!RunConnectDialog()) return false;
  ImportRequest request;
  request.kind = design_.app().databaseKind;
  request.host = last_.host;
  request.database = last_.database;
  request.user = last_.user;
  request.password = last_.password;
  return Import(request);
}

bool DatabaseSession::BrowseServers() {
  if (dialogs_ == nullptr) return false;
  ServerChoice choice;
  if (!dialogs_->BrowseServers(choice)) return false;
  AppState& app = design_.app();
  app.lastHost = choice.server;
  app.lastDatabase = choice.database;
  state_.importProcedures = choice.importProcedures;
  state_.connectionMode = ConnectionState::kDirect;
  ImportRequest request;
  request.kind = kSqlServer;
  request.host = choice.server;
  request.database = choice.database;
  request.user = choice.user;
  request.password = choice.password;
  request.integrated = choice.integrated;
  return Import(request);
}

bool DatabaseSession::OpenAccessFile(const std::string& path,
                                     const std::function<void()>& beforeAdding) {
  AppState& app = design_.app();
  app.databaseKind = kAccess;
  int kind = kAccess;
  std::string password;
  if (dialogs_ == nullptr || !dialogs_->AskPassword(kind, password)) return false;
  // The file is opened directly even after a data-link connection.
  state_.connectionMode = ConnectionState::kDirect;
  ImportRequest request;
  request.kind = kAccess;
  request.database = path;
  request.password = password;
  request.beforeAdding = beforeAdding;
  return Import(request);
}

bool DatabaseSession::OpenShared() {
  AdoConnection& db = *state_.sharedConnection;
  const int kind = design_.app().databaseKind;
  bool opened = false;
  if (state_.connectionMode == ConnectionState::kDataLink)
    opened = db.Open("");
  else if (kind == kSqlServer)
    opened = db.OpenSqlServer(last_.host, last_.database, last_.user, last_.password, -1, false);
  else if (kind == kAccess)
    opened = db.OpenAccess(last_.database, last_.password, -1);
  state_.connected = opened;
  return opened;
}

bool DatabaseSession::EnsureConnected() {
  if (state_.IsConnected()) return true;
  if (!RunConnectDialog()) return false;
  return OpenShared();
}

}  // namespace tablora
