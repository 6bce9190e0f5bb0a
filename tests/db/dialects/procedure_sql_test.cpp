// The SQL that stored procedure import and update send to MS SQL Server, word for word,
// through a connection that records it.
#include <gtest/gtest.h>

#include "base/text_codec.h"
#include "db/access/recording_connection.h"
#include "db/access/value_rules.h"
#include "db/db_test_support.h"
#include "db/dialects/procedure_sql.h"
#include "db/import/procedure_import.h"
#include "db/procedures/procedure_update.h"

namespace tablora {
namespace {

using testing::Rows;

std::string Parameters(const std::string& object) {
  return "select\t'Parameter_name'= name,\t'Type'\t= type_name(xusertype), 'Length' = length, "
         "'Prec'= case when type_name(xtype) = 'uniqueidentifier' then xprec else "
         "OdbcPrec(xtype, length, xprec) end from syscolumns where id in (select id from "
         "sysobjects where id = object_id('" +
         object + "')) ";
}

TEST(ProcedureSqlTest, NamesGoInBracketedAndQuoted) {
  struct Case {
    std::string owner, name, object, text, drop;
  };
  const std::vector<Case> cases = {
      {"dbo", "p_x", "[dbo].[p_x]", "exec sp_helptext '[dbo].[p_x]'",
       "IF EXISTS (SELECT name FROM sysobjects WHERE id = object_id('[dbo].[p_x]') AND type = "
       "'P') DROP PROCEDURE [dbo].[p_x]"},
      {"sales", "it's]x", "[sales].[it's]]x]", "exec sp_helptext '[sales].[it''s]]x]'",
       "IF EXISTS (SELECT name FROM sysobjects WHERE id = object_id('[sales].[it''s]]x]') AND "
       "type = 'P') DROP PROCEDURE [sales].[it's]]x]"},
      {"", "p", "[p]", "exec sp_helptext '[p]'",
       "IF EXISTS (SELECT name FROM sysobjects WHERE id = object_id('[p]') AND type = 'P') "
       "DROP PROCEDURE [p]"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProcedureSql::ObjectName(c.owner, c.name), c.object);
    EXPECT_EQ(ProcedureSql::TextQuery(c.owner, c.name), c.text);
    EXPECT_EQ(ProcedureSql::DropIfExists(c.owner, c.name), c.drop);
  }
  EXPECT_EQ(ProcedureSql::ParameterQuery("sales", "it's]x"), Parameters("[sales].[it''s]]x]"));
}

class ProcedureImportTest : public ::testing::Test {
 protected:
  ProcedureImportTest() { db.Open("recording"); }
  RecordingConnection db;
};

TEST_F(ProcedureImportTest, ReadsNamesTextsAndParametersAndSkipsOnlyWhatFails) {
  db.Answer("SQLProcedures", Rows({"PROCEDURE_CAT", "PROCEDURE_SCHEM", "PROCEDURE_NAME"},
                                  {{"shop", "dbo", "p_orders;1"},
                                   {"shop", "dbo", "dt_addtosourcecontrol;1"},
                                   {"shop", "sales", "it's]x;1"},
                                   {"shop", "dbo", "p_secret;1"},
                                   {"shop", nullptr, u8"查询"}}));
  const std::vector<std::string> text = {"Text"};
  db.Answer(
      "exec sp_helptext '[dbo].[p_orders]'",
      Rows(text, {{"CREATE PROCEDURE p_orders @name nvarchar(50)\r\n"}, {"AS select 1\r\n"}}));
  db.Answer("exec sp_helptext '[sales].[it''s]]x]'", Rows(text, {{"create proc x as select 2"}}));
  db.Fail("exec sp_helptext '[dbo].[p_secret]'");  // WITH ENCRYPTION
  db.Answer("exec sp_helptext '[" + Cp936(u8"查询") + "]'", Rows(text, {{"create proc q\r\n"}}));
  const std::vector<std::string> columns = {"Parameter_name", "Type", "Length", "Prec"};
  db.Answer(Parameters("[dbo].[p_orders]"),
            Rows(columns, {{"@name", "nvarchar", "100", "50"}, {"@code", "varchar", "50", "50"}}));
  db.Fail(Parameters("[sales].[it''s]]x]"));
  db.Answer(Parameters("[dbo].[p_secret]"), Rows(columns, {{"@id", "int", "4", "10"}}));

  std::vector<ProcedureDesign> procedures(1);  // procedures accumulate
  EXPECT_EQ(ProcedureImport(db).Run(procedures), 4);
  const std::vector<std::string> expectedSent = {
      "OPEN recording",
      "SQLProcedures",
      "exec sp_helptext '[dbo].[p_orders]'",
      "exec sp_helptext '[sales].[it''s]]x]'",
      "exec sp_helptext '[dbo].[p_secret]'",
      "exec sp_helptext '[" + Cp936(u8"查询") + "]'",
      Parameters("[dbo].[p_orders]"),
      Parameters("[sales].[it''s]]x]"),
      Parameters("[dbo].[p_secret]"),
      Parameters("[" + Cp936(u8"查询") + "]"),
  };
  EXPECT_EQ(db.sent(), expectedSent);

  ASSERT_EQ(procedures.size(), 5u);
  struct Expected {
    std::string name, owner, text, parameters;
  };
  const std::vector<Expected> expected = {
      {"p_orders", "dbo", "CREATE PROCEDURE p_orders @name nvarchar(50)\nAS select 1\n",
       "@name nvarchar 50;@code varchar 50;"},
      {"it's]x", "sales", "create proc x as select 2", ""},
      {"p_secret", "dbo", "", "@id int 4;"},
      {Cp936(u8"查询"), "", "create proc q\n", ""},
  };
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const ProcedureDesign& p = procedures[i + 1];
    std::string parameters;
    for (const ColumnDesign& c : p.parameters)
      parameters += c.actualName + " " + c.typeName + " " + std::to_string(c.length) + ";";
    EXPECT_EQ(p.name, expected[i].name) << i;
    EXPECT_EQ(p.owner, expected[i].owner) << i;
    EXPECT_EQ(p.text, expected[i].text) << i;
    EXPECT_EQ(parameters, expected[i].parameters) << i;
  }
}

TEST_F(ProcedureImportTest, AFailingCatalogCallImportsNothing) {
  db.Fail("SQLProcedures");
  std::vector<ProcedureDesign> procedures;
  EXPECT_EQ(ProcedureImport(db).Run(procedures), 0);
  EXPECT_TRUE(procedures.empty());
}

const char* const kDropX =
    "IF EXISTS (SELECT name FROM sysobjects WHERE id = object_id('[dbo].[it''s]]x]') AND type = "
    "'P') DROP PROCEDURE [dbo].[it's]]x]";

TEST_F(ProcedureImportTest, UpdateDropsAndCreatesInOneTransactionBatchByBatch) {
  // SSMS-style text: settings batches before the procedure, a label jump inside it, a GO
  // line in lower case with blanks, and a grant after it.
  const std::string text =
      "-- Create date: today\nSET ANSI_NULLS ON\nGO\nCREATE PROCEDURE [dbo].[it's]]x] @n int\n"
      "AS\ngoto done\ndone:\nselect @n\n  go  \nGRANT EXECUTE ON [dbo].[it's]]x] TO public\n";
  ProcedureUpdate update(db);
  db.ClearSent();
  EXPECT_EQ(update.Run(text), ProcedureUpdate::Outcome::kDone);
  const std::vector<std::string> expected = {
      "BEGIN TRANSACTION",
      kDropX,
      "-- Create date: today\r\nSET ANSI_NULLS ON\r\n",
      "CREATE PROCEDURE [dbo].[it's]]x] @n int\r\nAS\r\ngoto done\r\ndone:\r\nselect @n\r\n",
      "GRANT EXECUTE ON [dbo].[it's]]x] TO public\r\n",
      "COMMIT TRANSACTION",
  };
  EXPECT_EQ(db.sent(), expected);
}

TEST_F(ProcedureImportTest, AFailedCreateRollsBackAndReportsTheServersError) {
  const std::string create = "create proc p_y as selec 1";
  db.Fail(create);
  ProcedureUpdate update(db);
  db.ClearSent();
  EXPECT_EQ(update.Run(create), ProcedureUpdate::Outcome::kFailed);
  const std::vector<std::string> expected = {
      "BEGIN TRANSACTION",
      "IF EXISTS (SELECT name FROM sysobjects WHERE id = object_id('[p_y]') AND type = 'P') "
      "DROP PROCEDURE [p_y]",
      create, "ROLLBACK TRANSACTION"};
  EXPECT_EQ(db.sent(), expected);
  EXPECT_EQ(update.error(),
            "Description: recorded failure\r\nState: 42000, Native: 0, Source: [Recording]\r\n");
}

TEST(ProcedureUpdateTest, SendsNothingForATextThatCreatesNoProcedure) {
  using O = ProcedureUpdate::Outcome;
  const std::vector<std::pair<std::string, O>> cases = {
      {"select 1", O::kNoCreate},
      {"-- create proc p\nselect 'create proc q'", O::kNoCreate},
      {"create table t (a int)", O::kNoProcedureCreate},
      {"create procedure", O::kNoProcedureCreate},
      {"CREATE OR ALTER PROCEDURE sales.p AS select 1", O::kDone},
  };
  for (const auto& [text, outcome] : cases) {
    RecordingConnection db;
    db.Open("x");
    db.ClearSent();
    O got;
    ProcedureUpdate::Statements(text, &got);
    EXPECT_EQ(got, outcome) << text;
    EXPECT_EQ(ProcedureUpdate(db).Run(text), outcome) << text;
    EXPECT_EQ(db.sent().empty(), outcome != O::kDone) << text;
  }
}

}  // namespace
}  // namespace tablora
