// The one-pass keyword search against the one-word search it replaces.
#include "model/script_clauses.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/text_file.h"
#include "model/table_design.h"

namespace tablora {
namespace {

TEST(ScriptClausesTest, OnePassFindsWhatEachWordSearchFinds) {
  std::vector<std::string> texts = {
      "create table a (x int) -- create table b\n/* alter table c */ ALTER  TABLE d\n"
      "'sp_addtype ''e''' exec sp_addtype f, 'int'\nCreate Type g from int\n"
      "xcreate table h; [create table] \"create type\" create tablex\n/* unclosed create table",
      "exec sp_addextendedproperty N'MS_Description', 'it''s -- no comment', create table t",
  };
  for (const auto& entry : std::filesystem::directory_iterator(TABLORA_TEST_DATA)) {
    if (entry.path().extension() != ".sql") continue;
    std::string bytes;
    ASSERT_TRUE(TextFile::ReadBytes(entry.path().string(), bytes));
    texts.push_back(std::move(bytes));
  }
  for (const std::string& text : texts) {
    const ScriptClauses::Keywords found = ScriptClauses::FindKeywords(text);
    const std::pair<const std::vector<std::size_t>*, const char*> words[] = {
        {&found.createTable, "create table"},
        {&found.createType, "create type"},
        {&found.addType, "sp_addtype"},
        {&found.alterTable, "alter table"},
        {&found.addProperty, "sp_addextendedproperty"}};
    for (const auto& [list, word] : words) {
      EXPECT_EQ(*list, ScriptClauses::FindCodeWords(text, word)) << word << "\n" << text;
    }
    const std::vector<std::size_t> creates = ScriptClauses::FindCodeWords(text, "create");
    EXPECT_EQ(ScriptClauses::FindFirstCodeWord(text, "create"),
              creates.empty() ? std::string::npos : creates.front());
  }
  // The hand-made text holds each kind both as code and where it is not.
  const ScriptClauses::Keywords first = ScriptClauses::FindKeywords(texts[0]);
  for (const auto* list :
       {&first.createTable, &first.createType, &first.addType, &first.alterTable}) {
    EXPECT_FALSE(list->empty());
  }
}

TEST(ScriptClausesTest, FindsTheStatementsTheDesignDoesNotKeep) {
  const std::pair<const char*, std::size_t> cases[] = {
      // Kept, or not content: tables, types, constraints, descriptions, session settings.
      {"USE [Trade]\nGO\nSET ANSI_NULLS ON\nGO\nCREATE TABLE [t] ([a] int)\nGO\n"
       "create type [n] from int\nexec sp_addtype m, 'int'\n"
       "ALTER TABLE [t] ADD CONSTRAINT [f] FOREIGN KEY ([a]) REFERENCES [u] ([a]) "
       "ON DELETE CASCADE ON  UPDATE NO ACTION\nALTER TABLE [t] ALTER COLUMN [a] bigint\n"
       "EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', N'x'\n"
       "exec sp_dropextendedproperty N'MS_Description'\n"
       "-- insert into t values (1)\n/* create view v as select 1 */\n"
       "select [update], \"delete\", t.insert, [last update] from t where a = 'grant x'",
       0},
      // Each of these is one statement the design does not keep.
      {"create view v as select 1", 1},
      {"CREATE PROCEDURE p AS SELECT 1", 1},
      {"create function f() returns int as begin return 1 end", 1},
      {"CREATE TRIGGER tr ON t AFTER INSERT AS SELECT 1", 2},  // and its INSERT
      {"CREATE UNIQUE NONCLUSTERED INDEX ix ON t (a)", 1},
      {"ALTER VIEW v AS SELECT 2", 1},
      {"INSERT INTO t VALUES (1)", 1},
      {"BULK INSERT t FROM 'x.csv'", 1},
      {"update t set a = 1", 1},
      {"DELETE FROM t", 1},
      {"MERGE t USING u ON 1 = 1", 1},
      {"truncate table t", 1},
      {"GRANT SELECT ON t TO public", 1},
      {"DENY SELECT ON t TO public", 1},
      {"REVOKE SELECT ON t FROM public", 1},
      {"EXEC dbo.sp_executesql N'CREATE VIEW v AS SELECT 1'", 1},
      {"EXECUTE sp_bindrule 'r', 't.a'", 1},
  };
  for (const auto& [text, count] : cases) {
    EXPECT_EQ(ScriptClauses::FindKeywords(text, true).unkept.size(), count) << text;
    EXPECT_TRUE(ScriptClauses::FindKeywords(text).unkept.empty()) << "looked for only when asked";
  }
  // The program's own scripts and a server's table script hold nothing else; a procedure
  // script and a server's script of a whole database do.
  for (const auto& entry : std::filesystem::directory_iterator(TABLORA_TEST_DATA)) {
    if (entry.path().extension() != ".sql") continue;
    std::string bytes;
    ASSERT_TRUE(TextFile::ReadBytes(entry.path().string(), bytes));
    const bool more = entry.path().filename() == "procedures_sample.sql" ||
                      entry.path().filename() == "reader_server_objects.sql";
    EXPECT_EQ(ScriptClauses::FindKeywords(bytes, true).unkept.empty(), !more)
        << entry.path().filename();
  }
}

TEST(ScriptClausesTest, AColumnKeepsEveryCheckOfItsOwnJoinedWithAnd) {
  const struct {
    const char* held;
    const char* clause;
    const char* joined;
  } cases[] = {
      {"", "CONSTRAINT [CK_a] CHECK ([a]>0)", "[a]>0"},
      {"([a]>0)", "CONSTRAINT [CK_t_a2] CHECK (([a]<9))", "([a]>0) AND ([a]<9)"},
      {"([a]>0) AND ([a]<9)", "CHECK (([a]<>5))", "([a]>0) AND ([a]<9) AND ([a]<>5)"},
      // Each side keeps its meaning: OR binds looser than AND, BETWEEN holds an AND.
      {"[a]=1 OR [a]=2", "CHECK ([a]<>[b])", "([a]=1 OR [a]=2) AND ([a]<>[b])"},
      {"[a] BETWEEN 1 AND 5", "CHECK ([a]<>3 OR [b]=0)",
       "([a] BETWEEN 1 AND 5) AND ([a]<>3 OR [b]=0)"},
      {"(([a]>0))", "CHECK ([a]<>')(')", "(([a]>0)) AND ([a]<>')(')"},
      // The same CHECK read twice is one CHECK.
      {"([a]>0)", "CHECK (([a]>0))", "([a]>0)"},
      {"[a]>0", "CHECK ([a]>0)", "[a]>0"},
      {"([a]>0) AND ([a]<9)", "CHECK (([a]<9))", "([a]>0) AND ([a]<9)"},
  };
  for (const auto& c : cases) {
    TableDesign table;
    table.actualName = "t";
    table.columns.resize(2);
    table.columns[0].actualName = "a";
    table.columns[1].actualName = "b";
    table.columns[0].checkExpression = c.held;
    ScriptClauses::ApplyConstraint(table, c.clause);
    EXPECT_EQ(table.columns[0].checkExpression, c.joined) << c.held << " + " << c.clause;
    EXPECT_EQ(table.columns[1].checkExpression, "") << c.clause;
  }
}

}  // namespace
}  // namespace tablora
