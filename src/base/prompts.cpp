#include "base/prompts.h"

#include <cstdio>

#include "base/text_codec.h"

namespace tablora {

bool SilentPrompts::AskYesNo(const std::string& text, const std::string& caption) {
  return answerYes_;
}

void SilentPrompts::ShowMessage(const std::string& text, const std::string& caption) {
  lastMessage_ = text;
  if (echoMessages_) std::fprintf(stderr, "%s\n", TextCodec::Cp936ToUtf8(text).c_str());
}

}  // namespace tablora
