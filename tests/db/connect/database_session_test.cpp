#include "db/connect/database_session.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <tuple>

#include "app/script_design_session.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "db/connect/connect_form.h"
#include "db/connect/database_dialogs.h"
#include "db/db_test_support.h"
#include "support/shared_fixtures.h"

namespace tablora {
namespace {

std::string G(const char* utf8) { return Cp936(utf8); }

/// Dialogs that answer from queues; an empty queue cancels.
class ScriptedDialogs : public DatabaseDialogs {
 public:
  std::deque<std::function<bool(ConnectForm&)>> connects;
  std::deque<std::pair<int, std::string>> passwords;  ///< kind -1 cancels
  std::vector<int> preselectedKinds;

  bool Connect(ConnectForm& form) override {
    if (connects.empty()) return false;
    auto answer = connects.front();
    connects.pop_front();
    return answer(form);
  }
  bool AskPassword(int& kind, std::string& password) override {
    preselectedKinds.push_back(kind);
    if (passwords.empty()) return false;
    const auto [answerKind, answerPassword] = passwords.front();
    passwords.pop_front();
    if (answerKind < 0) return false;
    kind = answerKind;
    password = answerPassword;
    return true;
  }
  bool BrowseServers(ServerChoice& choice) override { return false; }
};

std::string FreshLogins(const char* name) {
  const std::string path = ::testing::TempDir() + name;
  std::remove(path.c_str());
  return path;
}

TEST(ConnectForm, ConfirmRulesAndWhichEntryIsWritten) {
  const std::string path = FreshLogins("form_logins.ini");
  ConnectForm form(path);
  ASSERT_TRUE(form.Load());
  EXPECT_EQ(0, form.selectedEntry);
  EXPECT_EQ("(local)", form.host);
  EXPECT_FALSE(form.savePassword);

  struct Case {
    int kind;
    const char* host;
    const char* database;
    const char* user;
    const char* message;
  };
  const Case refused[] = {{0, "", "d", "u", u8"请输入主机地址!"},
                          {0, "h", "", "u", u8"请输入数据库名!"},
                          {1, "", "", "", u8"请选择数据库路径!"},
                          {0, "h", "d", "", u8"请输入用户名!"}};
  for (const Case& c : refused) {
    form.kind = c.kind;
    form.host = c.host;
    form.database = c.database;
    form.user = c.user;
    EXPECT_EQ(G(c.message), form.ConfirmDirect());
  }
  std::string untouched;
  TextFile::ReadBytes(path, untouched);
  EXPECT_EQ(SavedLogins::kDefaultText, untouched);

  // A typed host (no entry selected) overwrites entry 1; Count stays 2.
  form.kind = 0;
  form.selectedEntry = -1;
  form.host = "10.1.1.1";
  form.database = "shop";
  form.user = "u1";
  form.password = "abc";
  form.savePassword = true;
  EXPECT_EQ("", form.ConfirmDirect());
  // The second entry chosen and confirmed without saving its password.
  form.SelectEntry(1);
  form.password = "secret";
  form.savePassword = false;
  EXPECT_EQ("", form.ConfirmDirect());
  // MS Access files are never written.
  form.kind = 1;
  form.database = "/x.mdb";
  EXPECT_EQ("", form.ConfirmDirect());

  ConnectForm again(path);
  ASSERT_TRUE(again.Load());
  ASSERT_EQ(2u, again.entries().size());
  EXPECT_EQ("10.1.1.1", again.entries()[0].host);
  EXPECT_EQ("abc", again.entries()[0].password);
  EXPECT_TRUE(again.savePassword);
  EXPECT_EQ("(local)", again.entries()[1].host);
  EXPECT_EQ("", again.entries()[1].password);
}

TEST(ConnectForm, DataLinkKinds) {
  // The password dialog starts at the kind the driver implies, else where the kind stood.
  const std::tuple<const char*, int, int> preselected[] = {
      {"Provider=MSDAORA;Data Source=x", kAccess, kOracle},
      {"Driver=SQLite3;Database=/tmp/a.db", kSqlServer, kSqlServer},
      {"Driver=SQLite3;Database=/tmp/a.db", kAccess, kSqlServer},
      {"Driver=MDBTools;DBQ=/tmp/a.mdb", kSqlServer, kAccess},
      {"DSN=no_such_source", kSqlServer, kSqlServer},
      {"DSN=no_such_source", kAccess, kAccess},
  };
  for (const auto& [text, current, expected] : preselected)
    EXPECT_EQ(expected, ConnectForm::PreselectedKind(text, current)) << text << " " << current;
  int kind = kSqlServer;
  bool clientCursor = true;
  EXPECT_EQ(
      "Provider=MSDAORA;Data Source=x;PWD={p}",
      ConnectForm::CompleteDataLink("Provider=MSDAORA;Data Source=x", "p", kind, clientCursor));
  EXPECT_EQ(kOracle, kind);
  EXPECT_TRUE(clientCursor);
  kind = kSqlServer;
  EXPECT_EQ("DSN=x", ConnectForm::CompleteDataLink("DSN=x", "", kind, clientCursor));
  EXPECT_EQ(kSqlServer, kind);
  EXPECT_FALSE(clientCursor);
}

TEST(DatabaseSession, OpeningAnMdbAsksThePasswordAndImportsItDirectly) {
  TABLORA_SHARED_FIXTURE(nwind, "nwind.mdb");
  AppState app;
  app.settings = testing::EditorSettings();
  app.settings.programFolder = testing::ResourceFolder();
  testing::ScriptedPrompts prompts;
  ScriptDesignSession session(app, prompts);
  ScriptedDialogs dialogs;
  DatabaseSession& database = *session.database();
  database.setDialogs(&dialogs);
  // A data-link connection before must not be what the file import opens.
  database.state().connectionMode = ConnectionState::kDataLink;
  database.state().sharedConnection->setConnectionString("Driver=SQLite3;Database=/nonexistent");

  dialogs.passwords.push_back({-1, ""});
  EXPECT_FALSE(session.OpenScript(nwind));
  EXPECT_EQ(0, session.design()->tableCount());

  dialogs.passwords.push_back({kAccess, ""});
  ASSERT_TRUE(session.OpenScript(nwind));
  EXPECT_EQ((std::vector<int>{kAccess, kAccess}), dialogs.preselectedKinds);
  EXPECT_EQ(9, session.design()->tableCount());  // Umsätze too
  EXPECT_EQ(kAccess, app.databaseKind);
  EXPECT_TRUE(database.state().IsConnected());
  EXPECT_EQ(ConnectionState::kDirect, database.state().connectionMode);
  EXPECT_EQ("", session.currentPath());  // saving must never write over the database file
  EXPECT_TRUE(prompts.messages.empty());
}

TEST(DatabaseSession, OpeningAnMdbOverAnOpenScriptAsksAsAScriptOpenAndLeavesNoPath) {
  TABLORA_SHARED_FIXTURE(nwind, "nwind.mdb");
  AppState app;
  app.settings = testing::EditorSettings();
  app.settings.programFolder = testing::ResourceFolder();
  const std::string script = ::testing::TempDir() + "mdb_over_script.sql";
  ASSERT_TRUE(TextFile::WriteBytes(script, "CREATE TABLE [dbo].[mine] (\n[id] [int] NOT NULL\n)\n"));
  // Answer to "delete the old tables?": yes replaces them, no keeps them beside the file's.
  for (const bool replace : {true, false}) {
    SCOPED_TRACE(replace ? "replace" : "merge");
    testing::ScriptedPrompts prompts;
    ScriptDesignSession session(app, prompts);
    ScriptedDialogs dialogs;
    session.database()->setDialogs(&dialogs);
    ASSERT_TRUE(session.OpenScript(script));
    // A cancelled password dialog asks nothing and changes nothing.
    dialogs.passwords = {{-1, ""}, {kAccess, ""}};
    EXPECT_FALSE(session.OpenScript(nwind));
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_EQ(session.currentPath(), script);

    prompts.yesNoAnswers = {replace};
    ASSERT_TRUE(session.OpenScript(nwind));
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0], G(u8"严重警告---请把程序关闭, 再重新打开!!\n\t要删除原来的表吗?"));
    EXPECT_EQ(session.design()->tableCount(), replace ? 9 : 10);
    // The script no longer holds the design: a save asks for a file.
    EXPECT_EQ(session.currentPath(), "");
    EXPECT_EQ(session.modified(), !replace);
  }
}

TEST(DatabaseSession, ConnectThroughDataLinkAndEnsureConnected) {
  testing::ImportBench bench;
  const std::string connection = testing::MakeSqliteDatabase(
      "session.db", {"CREATE TABLE a (x int)", "CREATE TABLE b (y int)"});
  DatabaseSession database(bench.design, bench.prompts, "");
  database.setLoginsPath(FreshLogins("session_logins.ini"));
  ScriptedDialogs dialogs;
  database.setDialogs(&dialogs);

  bench.design.setCurrentPath("/somewhere/else.sql");
  dialogs.connects.push_back([&](ConnectForm& form) {
    form.dataLink = true;
    form.kind = kSqlServer;
    form.connectionString = connection;
    form.importProcedures = true;
    return true;
  });
  ASSERT_TRUE(database.Connect());
  EXPECT_EQ(2, bench.design.tableCount());
  EXPECT_EQ("", bench.design.currentPath()) << "an imported design belongs to no file";
  EXPECT_EQ(ConnectionState::kDataLink, database.state().connectionMode);
  EXPECT_TRUE(database.state().importProcedures);

  // Already open: no dialog.
  EXPECT_TRUE(database.EnsureConnected());
  // A failed open clears the flag, so later commands ask again instead of failing silently.
  database.state().sharedConnection->Close();
  dialogs.connects.push_back([](ConnectForm& form) {
    form.kind = kAccess;
    form.database = "/no/such.mdb";
    return true;
  });
  EXPECT_FALSE(database.EnsureConnected());
  EXPECT_FALSE(database.state().connected);
  EXPECT_EQ(2u, bench.prompts.messages.size());
  EXPECT_FALSE(database.EnsureConnected());  // cancelled dialog
}

}  // namespace
}  // namespace tablora
