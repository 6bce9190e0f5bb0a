#include "app/design_session.h"

#include "base/document_titles.h"

namespace tablora {

bool DesignSession::ConfirmDiscard(Prompts& prompts) {
  if (!modified()) return true;
  const std::string path = currentPath();
  const std::string name = path.empty() ? DocumentTitles::DesignView() : path;
  switch (
      prompts.AskYesNoCancel(DocumentTitles::SaveQuestion(name), DocumentTitles::kProgramName)) {
    case Answer::kYes:
      return SaveScript(path);
    case Answer::kNo:
      return true;
    case Answer::kCancel:
      return false;
  }
  return false;
}

}  // namespace tablora
