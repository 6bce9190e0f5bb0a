#pragma once

#include <string>

#include "base/prompts.h"

class wxWindow;

namespace tablora {

struct Settings;

/// The Prompts of the program: our own message box, the desktop's file and folder
/// dialogs, and the database kind chooser. Dialogs open over `parent`; a file dialog
/// without a folder of its own opens where the last one was left.
class WxPrompts : public Prompts {
 public:
  WxPrompts(wxWindow* parent, const Settings& settings) : parent_(parent), settings_(settings) {}

  bool AskYesNo(const std::string& text, const std::string& caption) override;
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override;
  ConflictChoice ChooseConflict(const TableConflictQuestion& question, bool& forAll) override;
  void ShowMessage(const std::string& text, const std::string& caption) override;
  bool Offer(const std::string& text, const std::string& caption,
             const std::string& action) override;
  std::string ChooseSaveFile(const FileDialogSpec& spec) override;
  /// The dialog shows the encodings in a drop-down list ("编码:") below the file list.
  std::string ChooseSaveFileWithEncoding(const FileDialogSpec& spec, int& encoding) override;
  std::string ChooseOpenFile(const FileDialogSpec& spec) override;
  std::string ChooseFolder(const std::string& startFolder) override;
  bool ChooseDatabaseKind(int& kind) override;

 private:
  std::string ChooseFile(const FileDialogSpec& spec, bool save, int* encoding = nullptr);

  wxWindow* parent_;
  const Settings& settings_;
  std::string lastFolder_;  ///< the folder of the file last chosen
};

}  // namespace tablora
