#include "support/scripted_prompts.h"

namespace tablora::testing {

namespace {
template <typename T>
T Take(std::deque<T>& queue, T fallback) {
  if (queue.empty()) return fallback;
  T value = queue.front();
  queue.pop_front();
  return value;
}
}  // namespace

bool ScriptedPrompts::AskYesNo(const std::string& text, const std::string& caption) {
  questions.push_back(text);
  return Take(yesNoAnswers, false);
}

Answer ScriptedPrompts::AskYesNoCancel(const std::string& text, const std::string& caption) {
  questions.push_back(text);
  return Take(yesNoCancelAnswers, Answer::kCancel);
}

void ScriptedPrompts::ShowMessage(const std::string& text, const std::string& caption) {
  messages.push_back(text);
}

std::string ScriptedPrompts::ChooseSaveFile(const FileDialogSpec& spec) {
  fileDialogs.push_back(spec);
  return Take(saveFiles, std::string());
}

std::string ScriptedPrompts::ChooseSaveFileWithEncoding(const FileDialogSpec& spec,
                                                       int& encoding) {
  encoding = Take(saveEncodings, 0);
  return ChooseSaveFile(spec);
}

std::string ScriptedPrompts::ChooseOpenFile(const FileDialogSpec& spec) {
  fileDialogs.push_back(spec);
  return Take(openFiles, std::string());
}

std::string ScriptedPrompts::ChooseFolder(const std::string& startFolder) {
  return Take(folders, std::string());
}

bool ScriptedPrompts::ChooseDatabaseKind(int& kind) {
  ++databaseKindDialogs;
  const int answer = Take(databaseKinds, -1);
  if (answer < 0) return false;
  kind = answer;
  return true;
}

}  // namespace tablora::testing
