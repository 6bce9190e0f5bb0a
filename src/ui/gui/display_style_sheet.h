#pragma once

#include <vector>

#include <wx/propdlg.h>

#include "base/settings.h"
#include "ui/display_styles.h"

class wxButton;
class wxCheckBox;
class wxChoice;
class wxTextCtrl;

namespace tablora {

/// The display-style sheet: page "选择样式" chooses the title and field style, page
/// "列宽度设置" edits the keyword widths (applied to the settings in memory by "确定(&A)").
class DisplayStyleSheet : public wxPropertySheetDialog {
 public:
  /// `settings` (not owned) supplies the lists and receives the width edits.
  DisplayStyleSheet(wxWindow* parent, Settings& settings);

  /// The styles the user chose (-1 where the combo was not changed).
  DisplayStyles::Choice choice() const { return choice_; }
  wxChoice* titleChoice() const { return titles_; }
  wxChoice* fieldChoice() const { return fields_; }
  /// "列宽适应内容".
  wxCheckBox* fitCheck() const { return fit_; }
  const std::vector<wxTextCtrl*>& widthBoxes() const { return widthBoxes_; }
  /// "修改(&E)": the width boxes become editable.
  void EnableWidthEdits();
  /// "确定(&A)": takes the widths (at most 19 characters each) and locks the boxes.
  void ApplyWidths();

 private:
  wxWindow* BuildChoosePage(wxWindow* book);
  wxWindow* BuildWidthPage(wxWindow* book);

  Settings& settings_;
  DisplayStyles::Choice choice_;
  wxChoice* titles_ = nullptr;
  wxChoice* fields_ = nullptr;
  wxCheckBox* fit_ = nullptr;
  std::vector<wxTextCtrl*> widthBoxes_;
};

}  // namespace tablora
