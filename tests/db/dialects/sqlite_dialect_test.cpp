#include <gtest/gtest.h>

#include "db/dialects/sqlite_dialect.h"
#include "db/writeback/table_replacement.h"

namespace tablora {
namespace {

TEST(SqliteDialect, ServerTextsBecomeSqliteTexts) {
  struct Case {
    const char* in;
    const char* adapted;
  };
  const Case cases[] = {
      {"CREATE TABLE [dbo].[t] (\t\t\t--x\n[id] [int] IDENTITY (1,1) NOT NULL   --n\n) ON "
       "[PRIMARY]",
       "CREATE TABLE [t] (\t\t\t--x\n[id] [int] NOT NULL   --n\n)"},
      {"drop table [a]]b].[o'k]]x]", "drop table \"o'k]x\""},
      // The second byte of a double-byte character is no "]".
      {"drop table [\x81\x5D].[t]", "drop table [t]"},
      // SQLite reads no "]" inside brackets: such names go in double quotes; literals and
      // comments keep theirs.
      {"CREATE TABLE [dbo].[o]]k\"] (\t\t\t--[x]]y]\n[c]]1] [int] DEFAULT ('[a]]b]') NOT NULL \n)",
       "CREATE TABLE \"o]k\"\"\" (\t\t\t--[x]]y]\n\"c]1\" [int] DEFAULT ('[a]]b]') NOT NULL \n)"},
      {"ALTER TABLE [dbo].[t] WITH NOCHECK ADD\nCONSTRAINT [PK_T] PRIMARY KEY  "
       "CLUSTERED\n(\n[id]\n)\n"
       "ON [PRIMARY]",
       "ALTER TABLE [t] ADD\nCONSTRAINT [PK_T] PRIMARY KEY\n(\n[id]\n)"},
      {"CONSTRAINT [FK] FOREIGN KEY\n(\n[r]\n) REFERENCES [x].[p] (\n[id]\n)",
       "CONSTRAINT [FK] FOREIGN KEY\n(\n[r]\n) REFERENCES [p] (\n[id]\n)"},
      // A table without an owner and a column called IDENTITY are left alone.
      {"CREATE TABLE [t] ([IDENTITY] int)", "CREATE TABLE [t] ([IDENTITY] int)"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.adapted, SqliteDialect::Adapt(c.in)) << c.in;
}

TEST(SqliteDialect, AddedConstraintsMoveIntoTheCreate) {
  struct Case {
    const char* batch;
    bool constraint;
    const char* list;
  };
  const Case cases[] = {
      {"ALTER TABLE [t] ADD\nCONSTRAINT [PK_T] PRIMARY KEY\n(\n[id]\n)", true,
       "CONSTRAINT [PK_T] PRIMARY KEY\n(\n[id]\n)"},
      {"alter table t with check add check (a > 0)", true, "check (a > 0)"},
      {"ALTER TABLE \"o]k\" ADD CONSTRAINT \"PK_O]K\" PRIMARY KEY (\"c]1\")", true,
       "CONSTRAINT \"PK_O]K\" PRIMARY KEY (\"c]1\")"},
      {"ALTER TABLE [t] ADD [c] int", false, ""},
      {"CREATE INDEX i ON t (a)", false, ""},
  };
  for (const Case& c : cases) {
    std::string list;
    EXPECT_EQ(c.constraint, SqliteDialect::ConstraintList(c.batch, list)) << c.batch;
    if (c.constraint) {
      EXPECT_EQ(c.list, list);
    }
  }
  EXPECT_EQ("CREATE TABLE [t] (\n[a] int  --n)\n,\nA\n,\nB\n)",
            SqliteDialect::WithConstraints("CREATE TABLE [t] (\n[a] int  --n)\n)", {"A", "B"}));
  EXPECT_TRUE(SqliteDialect::IsSqlite("SQLite"));
  EXPECT_FALSE(SqliteDialect::IsSqlite("Microsoft SQL Server"));
}

TEST(TableReplacement, BatchesSplitAtGoLinesOnly) {
  using Batches = std::vector<std::string>;
  struct Case {
    const char* text;
    Batches batches;
  };
  const Case cases[] = {
      {"\n\nALTER a\nGO\n\n\nALTER b\nGO\n\n", {"ALTER a", "ALTER b"}},
      {"a\n  go  \nb\nGo", {"a", "b"}},
      // GOTO and a GO inside a line are no separators.
      {"a\nGOTO x\nb GO\nGO", {"a\nGOTO x\nb GO"}},
      {"\nGO\nGO\n", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.batches, TableReplacement::Batches(c.text)) << c.text;
}

}  // namespace
}  // namespace tablora
