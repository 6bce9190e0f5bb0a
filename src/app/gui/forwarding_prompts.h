#pragma once

#include <functional>

#include "base/prompts.h"

namespace tablora {

/// Prompts that pass every question on to the prompts `target` names at the time of the
/// question, so that objects made early follow a later change of prompts.
class ForwardingPrompts : public Prompts {
 public:
  explicit ForwardingPrompts(std::function<Prompts&()> target) : target_(std::move(target)) {}

  bool AskYesNo(const std::string& text, const std::string& caption) override {
    return target_().AskYesNo(text, caption);
  }
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override {
    return target_().AskYesNoCancel(text, caption);
  }
  ConflictChoice ChooseConflict(const TableConflictQuestion& question, bool& forAll) override {
    return target_().ChooseConflict(question, forAll);
  }
  void ShowMessage(const std::string& text, const std::string& caption) override {
    target_().ShowMessage(text, caption);
  }
  bool Offer(const std::string& text, const std::string& caption,
             const std::string& action) override {
    return target_().Offer(text, caption, action);
  }
  std::string ChooseSaveFile(const FileDialogSpec& spec) override {
    return target_().ChooseSaveFile(spec);
  }
  std::string ChooseSaveFileWithEncoding(const FileDialogSpec& spec, int& encoding) override {
    return target_().ChooseSaveFileWithEncoding(spec, encoding);
  }
  std::string ChooseOpenFile(const FileDialogSpec& spec) override {
    return target_().ChooseOpenFile(spec);
  }
  std::string ChooseFolder(const std::string& startFolder) override {
    return target_().ChooseFolder(startFolder);
  }
  bool ChooseDatabaseKind(int& kind) override { return target_().ChooseDatabaseKind(kind); }

 private:
  std::function<Prompts&()> target_;
};

}  // namespace tablora
