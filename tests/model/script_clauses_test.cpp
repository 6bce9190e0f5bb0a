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
