#include <gtest/gtest.h>

#include <fstream>

#include "base/gbk_text.h"
#include "base/text_codec.h"
#include "db/access/recording_connection.h"
#include "db/access/value_rules.h"
#include "db/dialects/dialect.h"
#include "db/writeback/write_back_test_support.h"

namespace tablora {
namespace {

using testing::Col;
using testing::WriteBackBench;

std::string G(const char* utf8) { return Cp936(utf8); }

/// A catalog answer of SQLTables naming one table of `schema`.
ResultSet CatalogRow(const std::string& schema, const std::string& table) {
  ResultSet set;
  for (const char* name : {"TABLE_CAT", "TABLE_SCHEM", "TABLE_NAME", "TABLE_TYPE", "REMARKS"})
    set.columns.push_back({name, ado::kVarChar, 0, 0, false});
  set.rows.push_back({ResultCell{}, ResultCell{schema, false}, ResultCell{table, false},
                      ResultCell{"TABLE", false}, ResultCell{}});
  return set;
}

/// A table whose names need quoting everywhere: apostrophes, brackets and double quotes,
/// with a comment, a key, a foreign key and a CHECK.
TableDesign Awkward(const std::string& owner, const std::string& name) {
  return testing::Table(
      name, G(u8"名'称"), "c'm", "", owner,
      {Col("c'1", "int").Display(G(u8"列")).Note("n'1").Key(),
       Col("ref", "int").Refs("FK_ref", "p'q", "id"), Col("qty", "int").Check("qty > 0")});
}

enum class Command { kUpdateTable, kTableComments, kGroupComments, kAllComments };

struct Case {
  const char* name;
  int kind;
  const char* owner;
  const char* table;
  bool exists;
  bool failCreate;
  Command command;
  bool failRollback = false;  ///< the server ended the transaction itself
};

/// Everything `c` sent, then the messages it showed (UTF-8), as one text.
std::string Sent(const Case& c) {
  WriteBackBench bench(c.kind);
  bench.Add(Awkward(c.owner, c.table));
  bench.Add(testing::Table("plain", "", "", "", "", {Col("a", "int")}));
  auto& db = bench.Use(std::make_unique<RecordingConnection>());
  db.Open("DSN=recorded");
  bench.database.state().connected = true;
  db.ClearSent();
  const TableDesign& table = bench.design.definitions()[0];
  if (c.exists) {
    if (c.kind == kOracle) {
      db.Answer("SQLTables", CatalogRow(c.owner[0] ? c.owner : "SYSTEM", c.table));
    } else {
      ResultSet one;
      one.columns.push_back({"id", ado::kInteger, 0, 0, false});
      one.rows.push_back({ResultCell{"1", false}});
      db.Answer(Dialect::For(kSqlServer).ExistenceQuery(table), one);
    }
  }
  if (c.failRollback) db.Fail("ROLLBACK TRANSACTION");
  if (c.failCreate) db.Fail(gbk::ReplaceAll(bench.design.editor(0).tableText(), "\r\n", "\n"));
  bench.prompts.yesNoAnswers = {true};
  switch (c.command) {
    case Command::kUpdateTable:
      bench.writeBack.UpdateTable(0);
      break;
    case Command::kTableComments:
      bench.writeBack.UpdateComments(false, 0);
      break;
    case Command::kGroupComments:
      bench.writeBack.UpdateComments(true, -1);
      break;
    case Command::kAllComments:
      bench.writeBack.UpdateComments(false, -1);
      break;
  }
  std::string text = std::string("== ") + c.name + "\n";
  for (const std::string& q : bench.prompts.questions) text += "?? " + q + "\n";
  for (const std::string& sent : db.sent()) text += sent + "\n--\n";
  for (const std::string& m : bench.prompts.messages) text += "!! " + m + "\n";
  return TextCodec::Cp936ToUtf8(text);
}

TEST(WriteBackSql, EveryStatementOfEachKind) {
  const Case cases[] = {
      {"sql server: replace an existing table", kSqlServer, "a]b", "o'k]x", true, false,
       Command::kUpdateTable},
      {"sql server: a new table is created without a question", kSqlServer, "", "o'k]x", false,
       false, Command::kUpdateTable},
      {"sql server: a failed create is rolled back", kSqlServer, "a]b", "o'k]x", true, true,
       Command::kUpdateTable},
      {"sql server: a refused rollback looks whether the table is still there", kSqlServer, "a]b",
       "o'k]x", true, true, Command::kUpdateTable, true},
      {"sql server: group information of every table", kSqlServer, "a]b", "o'k]x", false, false,
       Command::kGroupComments},
      {"sql server: comments of one table", kSqlServer, "a]b", "o'k]x", false, false,
       Command::kTableComments},
      {"oracle: replace an existing table", kOracle, "sc\"h", "o'k\"x", true, false,
       Command::kUpdateTable},
      {"oracle: a failed create leaves the table dropped", kOracle, "", "o'k\"x", true, true,
       Command::kUpdateTable},
      {"oracle: every comment", kOracle, "", "o'k\"x", false, false, Command::kAllComments},
  };
  std::string all;
  for (const Case& c : cases) all += Sent(c) + "\n";
  std::ofstream(::testing::TempDir() + "writeback_sent.txt") << all;
  EXPECT_EQ(testing::ReadFixture("writeback_sent.txt"), all);
}

}  // namespace
}  // namespace tablora
