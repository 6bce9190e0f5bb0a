#pragma once

#include <optional>

#include "gen/generation_options.h"

namespace tablora {

/// Answers the options dialog with preset choices, as if the user ticked them and pressed
/// OK (or Cancel when `cancel` is set). Boxes the dialog would hide stay off. For the
/// command line and for tests.
class FixedOptionsPrompt : public OptionsPrompt {
 public:
  explicit FixedOptionsPrompt(GenerationOptions answer = {}, bool cancel = false)
      : answer_(answer), cancel_(cancel) {}

  bool AskOptions(const OptionsDialogLayout& layout, GenerationOptions& options) override {
    ++asked_;
    lastLayout_ = layout;
    if (cancel_) return false;
    options.prefix = answer_.prefix;
    options.accessors = layout.showAccessors && answer_.accessors;
    options.skipTime = layout.showSkipTime && answer_.skipTime;
    if (utf8_) options.utf8 = *utf8_;
    return true;
  }
  /// Answers the encoding too; without it the encoding stays as the dialog would open.
  void setUtf8(bool utf8) { utf8_ = utf8; }

  int asked() const { return asked_; }
  const OptionsDialogLayout& lastLayout() const { return lastLayout_; }

 private:
  GenerationOptions answer_;
  bool cancel_;
  std::optional<bool> utf8_;
  int asked_ = 0;
  OptionsDialogLayout lastLayout_;
};

}  // namespace tablora
