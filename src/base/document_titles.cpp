#include "base/document_titles.h"

#include "base/gbk_text.h"
#include "base/text_codec.h"

namespace tablora {

const std::string& DocumentTitles::DesignView() {
  static const std::string title = Cp936(u8"表视图");
  return title;
}

const std::string& DocumentTitles::ProcedureView() {
  static const std::string title = Cp936(u8"存储过程视图");
  return title;
}

std::string DocumentTitles::UntitledName(int counter) {
  return kBaseName + std::to_string(counter);
}

std::string DocumentTitles::TitleOfNewDocument(const std::string& untitledName) {
  if (untitledName == UntitledName(1)) return DesignView();
  if (untitledName == UntitledName(2)) return ProcedureView();
  return untitledName;
}

std::string DocumentTitles::FrameTitle(const std::string& activeDocumentTitle, bool changed) {
  if (activeDocumentTitle.empty()) return kProgramName;
  return std::string(kProgramName) + " - " + activeDocumentTitle + (changed ? " *" : "");
}

bool DocumentTitles::SameTitle(const std::string& a, const std::string& b) {
  return gbk::EqualsIgnoreCase(a, b);
}

std::string DocumentTitles::SaveQuestion(const std::string& name) {
  static const std::string pattern = Cp936(u8"将改动保存到 %1？");
  return gbk::ReplaceAll(pattern, "%1", name);
}

}  // namespace tablora
