#pragma once

#include <wx/dialog.h>

#include <string>
#include <vector>

#include "ui/group_edit_lists.h"

class wxListBox;
class wxTextCtrl;

namespace tablora {

/// "编辑分组": the group's name and the tables in it, moved between the list of the
/// other tables (left) and the group's list (right).
class GroupEditDialog : public wxDialog {
 public:
  enum Id {
    kNameId = 1019,
    kLeftId = 1020,
    kRightId = 1021,
    kMoveRightId = 1012,
    kMoveLeftId = 1013,
    kAllRightId = 1014,
    kAllLeftId = 1015,
  };

  /// `name` (code page 936) and `members` (table indexes) are the group as it is.
  GroupEditDialog(wxWindow* parent, const Design& design, const std::string& name,
                  const std::vector<int>& members);

  /// After OK: the name typed (code page 936) and the right list's tables in order.
  const std::string& name() const { return name_; }
  const std::vector<int>& tables() const { return tables_; }
  wxListBox* leftList() const { return left_; }
  wxListBox* rightList() const { return right_; }
  wxTextCtrl* nameEdit() const { return nameEdit_; }

 private:
  void Fill(wxListBox* list, const std::vector<int>& tables, int select);
  void ShowLists(int selectLeft, int selectRight);
  void OnOk(wxCommandEvent& event);

  GroupEditLists lists_;
  wxTextCtrl* nameEdit_ = nullptr;
  wxListBox* left_ = nullptr;
  wxListBox* right_ = nullptr;
  std::string name_;
  std::vector<int> tables_;
};

}  // namespace tablora
