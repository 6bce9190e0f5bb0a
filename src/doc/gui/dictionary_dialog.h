#pragma once

#include <wx/dialog.h>

#include <string>
#include <vector>

#include "doc/dictionary_export.h"

class wxChoice;
class wxTextCtrl;

namespace tablora {

/// "导出数据字典": the format, the group (or every group) and the title of a data
/// dictionary.
class DictionaryDialog : public wxDialog {
 public:
  enum Id { kFormatId = 1101, kGroupId = 1102, kTitleId = 1103 };

  /// `groups` are the design's group names (code page 936) in group-tree order; `preset`
  /// gives the format, group and title shown first.
  DictionaryDialog(wxWindow* parent, const std::vector<std::string>& groups,
                   const DictionaryOptions& preset);

  /// The options taken by OK.
  const DictionaryOptions& options() const { return options_; }

 private:
  void OnOk(wxCommandEvent& event);

  std::vector<std::string> groups_;
  DictionaryOptions options_;
  wxChoice* format_ = nullptr;
  wxChoice* group_ = nullptr;
  wxTextCtrl* title_ = nullptr;
};

}  // namespace tablora
