#include "model/table_conflicts.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"
#include "support/scripted_prompts.h"

namespace tablora {
namespace {

using Kind = TableConflicts::Placement::Kind;

TableDesign Named(const char* owner, const char* name) {
  TableDesign t;
  t.owner = owner;
  t.actualName = name;
  return t;
}

/// Answers the conflict question from a queue (answer, for all); records each question.
class ConflictAnswers : public testing::ScriptedPrompts {
 public:
  std::deque<std::pair<ConflictChoice, bool>> answers;
  std::vector<std::string> asked;  ///< "table -> free name (+more)"
  ConflictChoice ChooseConflict(const TableConflictQuestion& q, bool& forAll) override {
    asked.push_back(q.table + " -> " + q.freeName + " (+" + std::to_string(q.more) + ")");
    const auto [choice, all] = answers.front();
    answers.pop_front();
    forAll = all;
    return choice;
  }
};

TEST(TableConflicts, ATableTheDesignHoldsIsReplacedRenamedOrSkipped) {
  // The design: dbo.Customer, Sales.Order, dbo.Customer_1, and a new table not built yet.
  const std::vector<TableDesign> existing = {Named("dbo", "Customer"), Named("Sales", "Order"),
                                             Named("", "Customer_1"), Named("", "")};
  // Coming in: CUSTOMER under the default owner, Sales.Customer (new), sales.order.
  const std::vector<TableDesign> incoming = {Named("", "CUSTOMER"), Named("Sales", "Customer"),
                                             Named("sales", "order")};
  struct Case {
    const char* name;
    ConflictPolicy policy;
    std::deque<std::pair<ConflictChoice, bool>> answers;
    std::vector<std::pair<Kind, int>> placed;
    std::vector<std::string> names;
    std::vector<std::string> asked;
  };
  const Case cases[] = {
      {"replace",
       ConflictPolicy::kReplace,
       {},
       {{Kind::kReplace, 0}, {Kind::kAppend, -1}, {Kind::kReplace, 1}},
       {"CUSTOMER", "Customer", "order"},
       {}},
      {"rename",
       ConflictPolicy::kRename,
       {},
       {{Kind::kAppend, -1}, {Kind::kAppend, -1}, {Kind::kAppend, -1}},
       {"CUSTOMER_2", "Customer", "order_1"},
       {}},
      {"skip",
       ConflictPolicy::kSkip,
       {},
       {{Kind::kSkip, -1}, {Kind::kAppend, -1}, {Kind::kSkip, -1}},
       {"CUSTOMER", "Customer", "order"},
       {}},
      {"asked one by one",
       ConflictPolicy::kAsk,
       {{ConflictChoice::kRename, false}, {ConflictChoice::kReplace, false}},
       {{Kind::kAppend, -1}, {Kind::kAppend, -1}, {Kind::kReplace, 1}},
       {"CUSTOMER_2", "Customer", "order"},
       {"dbo.Customer -> CUSTOMER_2 (+1)", "Sales.Order -> order_1 (+0)"}},
      {"asked once for all",
       ConflictPolicy::kAsk,
       {{ConflictChoice::kSkip, true}},
       {{Kind::kSkip, -1}, {Kind::kAppend, -1}, {Kind::kSkip, -1}},
       {"CUSTOMER", "Customer", "order"},
       {"dbo.Customer -> CUSTOMER_2 (+1)"}},
  };
  for (const Case& c : cases) {
    ConflictAnswers prompts;
    prompts.answers = c.answers;
    std::vector<TableDesign> tables = incoming;
    const auto placements = TableConflicts::Resolve(existing, tables, c.policy, prompts);
    ASSERT_EQ(placements.size(), 3u) << c.name;
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(placements[i].kind, c.placed[i].first) << c.name << " " << i;
      EXPECT_EQ(placements[i].index, c.placed[i].second) << c.name << " " << i;
      EXPECT_EQ(tables[i].actualName, c.names[i]) << c.name << " " << i;
    }
    EXPECT_EQ(prompts.asked, c.asked) << c.name;
  }
}

TEST(TableConflicts, TheDefaultQuestionIsYesNoCancelAndAFreeNameFitsTheField) {
  testing::ScriptedPrompts prompts;
  prompts.yesNoCancelAnswers = {Answer::kNo};
  const std::string longName(127, 'n');
  std::vector<TableDesign> tables = {Named("", longName.c_str())};
  const auto placements = TableConflicts::Resolve({Named("dbo", longName.c_str())}, tables,
                                                  ConflictPolicy::kAsk, prompts);
  EXPECT_EQ(placements[0].kind, Kind::kAppend);
  EXPECT_EQ(tables[0].actualName, std::string(125, 'n') + "_1");
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(TextCodec::Cp936ToUtf8(prompts.questions[0]),
            u8"设计中已有表 dbo." + longName + u8".\n是: 替换它;\n否: 两个都保留, 读入的表名为 " +
                std::string(125, 'n') + u8"_1;\n取消: 跳过读入的这个表.");
  EXPECT_EQ(TableConflicts::ParsePolicy("rename"), ConflictPolicy::kRename);
  EXPECT_EQ(TableConflicts::ParsePolicy("Rename"), std::nullopt);
}

}  // namespace
}  // namespace tablora
