// The one-pass keyword search against the one-word search it replaces.
#include "model/script_clauses.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/text_file.h"

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

}  // namespace
}  // namespace tablora
