#include "app/design_session.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"
#include "support/scripted_prompts.h"

namespace tablora {
namespace {

class FakeSession : public DesignSession {
 public:
  bool isModified = true;
  std::string path;
  bool saveSucceeds = true;
  std::vector<std::string> saves;

  bool OpenScript(const std::string&) override { return false; }
  bool SaveScript(const std::string& target) override {
    saves.push_back(target);
    return saveSucceeds;
  }
  std::string currentPath() const override { return path; }
  bool modified() const override { return isModified; }
  std::vector<TableSummary> Tables() const override { return {}; }
};

std::string Utf8(const std::string& cp936) { return TextCodec::Cp936ToUtf8(cp936); }

TEST(DesignSessionClose, UnchangedDesignClosesWithoutAQuestion) {
  FakeSession session;
  session.isModified = false;
  testing::ScriptedPrompts prompts;
  EXPECT_TRUE(session.ConfirmDiscard(prompts));
  EXPECT_TRUE(prompts.questions.empty());
  EXPECT_TRUE(session.saves.empty());
}

TEST(DesignSessionClose, YesSavesToTheCurrentPath) {
  FakeSession session;
  session.path = "/tmp/a.sql";
  testing::ScriptedPrompts prompts;
  prompts.yesNoCancelAnswers = {Answer::kYes};
  EXPECT_TRUE(session.ConfirmDiscard(prompts));
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(Utf8(prompts.questions[0]), u8"将改动保存到 /tmp/a.sql？");
  EXPECT_EQ(session.saves, (std::vector<std::string>{"/tmp/a.sql"}));
}

TEST(DesignSessionClose, YesWithoutPathLetsTheSaveAskAndAFailedSaveKeepsItOpen) {
  FakeSession session;
  session.saveSucceeds = false;  // e.g. the save dialog was cancelled
  testing::ScriptedPrompts prompts;
  prompts.yesNoCancelAnswers = {Answer::kYes};
  EXPECT_FALSE(session.ConfirmDiscard(prompts));
  EXPECT_EQ(Utf8(prompts.questions.at(0)), u8"将改动保存到 表视图？");
  EXPECT_EQ(session.saves, (std::vector<std::string>{""}));
}

TEST(DesignSessionClose, NoDiscardsAndCancelKeepsOpen) {
  FakeSession session;
  testing::ScriptedPrompts prompts;
  prompts.yesNoCancelAnswers = {Answer::kNo, Answer::kCancel};
  EXPECT_TRUE(session.ConfirmDiscard(prompts));
  EXPECT_FALSE(session.ConfirmDiscard(prompts));
  EXPECT_TRUE(session.saves.empty());
  EXPECT_EQ(prompts.questions.size(), 2u);
}

TEST(DesignSessionClose, PromptsWithoutCancelAnswerYesOrNo) {
  // The default three-button question falls back to the two-button one.
  class TwoButtonPrompts : public testing::ScriptedPrompts {
   public:
    Answer AskYesNoCancel(const std::string& t, const std::string& c) override {
      return Prompts::AskYesNoCancel(t, c);
    }
  };
  FakeSession session;
  TwoButtonPrompts prompts;
  prompts.yesNoAnswers = {false};
  EXPECT_TRUE(session.ConfirmDiscard(prompts));
  EXPECT_TRUE(session.saves.empty());
}

}  // namespace
}  // namespace tablora
