#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/prompts.h"

namespace tablora::testing {

/// Prompts that answer from queues set up by a test and record every question and
/// message. An unexpected question (empty queue) answers no / cancel and is recorded.
class ScriptedPrompts : public Prompts {
 public:
  std::deque<bool> yesNoAnswers;
  std::deque<std::string> saveFiles;
  std::deque<int> saveEncodings;  ///< index into the dialog's encodings; empty: the first
  std::deque<std::string> openFiles;
  std::deque<std::string> folders;
  std::deque<int> databaseKinds;          ///< -1 means cancel
  std::deque<Answer> yesNoCancelAnswers;  ///< an empty queue answers cancel

  std::vector<std::string> questions;  ///< every AskYesNo text, in order
  std::vector<std::string> messages;   ///< every ShowMessage text, in order
  std::vector<FileDialogSpec> fileDialogs;
  int databaseKindDialogs = 0;

  bool AskYesNo(const std::string& text, const std::string& caption) override;
  /// Recorded in `questions` like AskYesNo.
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override;
  void ShowMessage(const std::string& text, const std::string& caption) override;
  std::string ChooseSaveFile(const FileDialogSpec& spec) override;
  std::string ChooseSaveFileWithEncoding(const FileDialogSpec& spec, int& encoding) override;
  std::string ChooseOpenFile(const FileDialogSpec& spec) override;
  std::string ChooseFolder(const std::string& startFolder) override;
  bool ChooseDatabaseKind(int& kind) override;
};

}  // namespace tablora::testing
