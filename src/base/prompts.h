#pragma once

#include <string>
#include <vector>

namespace tablora {

/// What a file dialog shows (FileDialogs makes the program's ones). Paths are
/// file-system paths (UTF-8 on this platform); every other text is code page 936.
struct FileDialogSpec {
  std::string title;
  /// Extensions (without the dot) offered in this order, the first chosen at the start;
  /// "all files" always follows them.
  std::vector<std::string> filters;
  std::string startFolder;       ///< empty: the folder last used, else the home folder
  std::string proposedName;      ///< the file name the dialog starts with
  std::string defaultExtension;  ///< for a saved name without one under "all files"
  /// The encodings a save dialog offers (captions), the first chosen at the start; empty
  /// when the dialog offers none.
  std::vector<std::string> encodings;
};

/// The answer to a question with yes, no and cancel.
enum class Answer { kYes, kNo, kCancel };

/// A table being added has the owner and name of a table the design already holds.
struct TableConflictQuestion {
  std::string table;     ///< "owner.name" of the table the design holds
  std::string freeName;  ///< the name the added table gets when both are kept
  int more = 0;          ///< how many such tables follow this one
};
/// What becomes of that table: it replaces the design's, both are kept (the added one
/// under the free name), or it is not added.
enum class ConflictChoice { kReplace, kRename, kSkip };

/// The questions and messages the core puts to the user. The program answers with real
/// dialogs; tests answer with scripted ones. Texts are code page 936 bytes.
class Prompts {
 public:
  virtual ~Prompts() = default;

  /// A question with the buttons yes and no; true for yes.
  virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
  /// A question with the buttons yes, no and cancel. Prompts that cannot cancel answer
  /// as AskYesNo does.
  virtual Answer AskYesNoCancel(const std::string& text, const std::string& caption) {
    return AskYesNo(text, caption) ? Answer::kYes : Answer::kNo;
  }
  /// Asks what becomes of a table being added whose owner and name the design holds;
  /// `forAll` true takes the answer for the `more` tables after it as well. By default a
  /// yes/no/cancel question: yes replaces, no keeps both, cancel skips, one table at a time.
  virtual ConflictChoice ChooseConflict(const TableConflictQuestion& question, bool& forAll);
  /// A message with an OK button.
  virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
  /// A message that offers one way on: the buttons `action` and "关闭"; true when the user
  /// chose `action`. By default a yes/no question ending in `action` + "?".
  virtual bool Offer(const std::string& text, const std::string& caption,
                     const std::string& action) {
    return AskYesNo(text + "\n\n" + action + "?", caption);
  }
  /// The path the user chose to save to, or empty when cancelled.
  virtual std::string ChooseSaveFile(const FileDialogSpec& spec) = 0;
  /// As ChooseSaveFile, with `encoding` set to the index of the chosen entry of
  /// `spec.encodings` (0 when the prompts offer no choice).
  virtual std::string ChooseSaveFileWithEncoding(const FileDialogSpec& spec, int& encoding) {
    encoding = 0;
    return ChooseSaveFile(spec);
  }
  /// The path the user chose to open, or empty when cancelled.
  virtual std::string ChooseOpenFile(const FileDialogSpec& spec) = 0;
  /// The folder the user chose, or empty when cancelled.
  virtual std::string ChooseFolder(const std::string& startFolder) = 0;
  /// The database kind chooser ("请选择数据库类型"): false when cancelled; otherwise
  /// `kind` holds the chosen kind. `kind` comes in as the current kind.
  virtual bool ChooseDatabaseKind(int& kind) = 0;
};

/// Cancels every dialog and answers questions with a fixed answer (no by default);
/// messages go to standard error unless told to stay quiet. For headless runs where no
/// question may block.
class SilentPrompts : public Prompts {
 public:
  explicit SilentPrompts(bool answerYes = false, bool echoMessages = true)
      : answerYes_(answerYes), echoMessages_(echoMessages) {}
  bool AskYesNo(const std::string& text, const std::string& caption) override;
  void ShowMessage(const std::string& text, const std::string& caption) override;
  std::string ChooseSaveFile(const FileDialogSpec& spec) override { return {}; }
  std::string ChooseOpenFile(const FileDialogSpec& spec) override { return {}; }
  std::string ChooseFolder(const std::string& startFolder) override { return {}; }
  bool ChooseDatabaseKind(int& kind) override { return false; }

  /// The last message shown, code page 936.
  const std::string& lastMessage() const { return lastMessage_; }

 private:
  bool answerYes_;
  bool echoMessages_;
  std::string lastMessage_;
};

}  // namespace tablora
