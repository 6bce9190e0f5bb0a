#include "base/prompts.h"

#include <cstdio>

#include "base/text_codec.h"

namespace tablora {

ConflictChoice Prompts::ChooseConflict(const TableConflictQuestion& question, bool& forAll) {
  forAll = false;
  const std::string text = Cp936(u8"设计中已有表 ") + question.table +
                           Cp936(u8".\n是: 替换它;\n否: 两个都保留, 读入的表名为 ") +
                           question.freeName + Cp936(u8";\n取消: 跳过读入的这个表.");
  switch (AskYesNoCancel(text, "")) {
    case Answer::kYes:
      return ConflictChoice::kReplace;
    case Answer::kNo:
      return ConflictChoice::kRename;
    default:
      return ConflictChoice::kSkip;
  }
}

bool SilentPrompts::AskYesNo(const std::string& text, const std::string& caption) {
  return answerYes_;
}

void SilentPrompts::ShowMessage(const std::string& text, const std::string& caption) {
  lastMessage_ = text;
  if (echoMessages_) std::fprintf(stderr, "%s\n", TextCodec::Cp936ToUtf8(text).c_str());
}

}  // namespace tablora
