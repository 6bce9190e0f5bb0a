#pragma once

#include <wx/dialog.h>

#include <string>
#include <vector>

#include "gen/template_engine.h"

class wxChoice;

namespace tablora {

class Prompts;

/// Dialog "生成代码类型": chooses one template of a kind folder. The choice made last is
/// remembered for the whole run and offered first next time.
class CodeKindDialog : public wxDialog {
 public:
  enum { kListId = 1167 };
  /// Messages go through `prompts`.
  CodeKindDialog(wxWindow* parent, const std::vector<CodeKindFile>& kinds, Prompts& prompts);
  /// The chosen template, valid after OK.
  const CodeKindFile& chosen() const { return kinds_[static_cast<std::size_t>(chosen_)]; }
  /// The code kind chosen last in this run ("" at first).
  static std::string& Remembered();

 private:
  void OnOk(wxCommandEvent& event);

  std::vector<CodeKindFile> kinds_;
  Prompts& prompts_;
  wxChoice* list_;
  int chosen_ = -1;
};

}  // namespace tablora
