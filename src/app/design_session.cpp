#include "app/design_session.h"

#include "base/document_titles.h"
#include "base/text_codec.h"

namespace tablora {

bool DesignSession::ConfirmDiscard(Prompts& prompts) {
  if (!modified()) return true;
  const std::string path = currentPath();
  const std::string name = path.empty() ? DocumentTitles::DesignView() : path;
  // A file with views, procedures and the like is never written over from here.
  const bool holdsMore = !path.empty() && currentFileHoldsMore();
  std::string question = DocumentTitles::SaveQuestion(name);
  if (holdsMore) {
    static const std::string kLoses =
        Cp936(u8"\n此文件含有本程序不保存的内容(视图、存储过程等), 保存将丢失它们\n"
              u8"选择“是”将改动另存为新的文件。");
    question += kLoses;
  }
  switch (prompts.AskYesNoCancel(question, DocumentTitles::kProgramName)) {
    case Answer::kYes:
      return SaveScript(holdsMore ? std::string() : path);
    case Answer::kNo:
      return true;
    case Answer::kCancel:
      return false;
  }
  return false;
}

}  // namespace tablora
