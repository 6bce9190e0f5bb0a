#pragma once

#include <wx/dialog.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gen/join_window_model.h"
#include "model/table_design.h"

class wxButton;
class wxCheckBox;
class wxListBox;
class wxStaticText;
class wxTextCtrl;

namespace tablora {

class TableChoice;

/// Dialog "选择其他表": up to six tables with aliases and the joins between neighbours.
class JoinDialog : public wxDialog {
 public:
  enum {
    kTableId = 1101,     ///< 1101-1106
    kAliasBoxId = 1107,  ///< 1107-1112
    kAliasId = 1113,     ///< 1113-1118
    kRelationId = 1126,  ///< 1126-1130
    kJoinTypesId = 1131,
    kOnTextId = 1132  ///< 1132-1136
  };
  /// `tables`: the design's tables (copied: names and columns for the lists shown);
  /// `ask` runs the condition builder over the given field entries and returns its result,
  /// or false when it was cancelled; `tell` shows a message.
  using AskCondition = std::function<bool(const std::vector<std::string>& fields, std::string&)>;
  using Tell = std::function<void(const std::string&)>;
  JoinDialog(wxWindow* parent, const std::vector<TableDesign>& tables, int initialTable,
             AskCondition ask, Tell tell);

  JoinChoice result() const { return model_.Result(); }
  JoinWindowModel& model() { return model_; }
  /// Chooses join type `type` for the relation between boxes `pair` and `pair` + 1, as
  /// picking it from the list does.
  void ChooseJoinType(int pair, int type);
  /// Chooses table `tableIndex` in box `box` (0-5), as picking it from the list does.
  void ChooseTable(int box, int tableIndex);

 private:
  void OnRelation(int pair);

  std::vector<std::string> tableNames_;
  /// Per table: each column's actual and display name.
  std::vector<std::vector<std::pair<std::string, std::string>>> columns_;
  JoinWindowModel model_;
  AskCondition ask_;
  Tell tell_;
  std::array<TableChoice*, 6> tables_{};
  std::array<wxCheckBox*, 6> aliasBoxes_{};
  std::array<wxTextCtrl*, 6> aliases_{};
  std::array<wxButton*, 5> relations_{};
  std::array<wxStaticText*, 5> onTexts_{};
  wxListBox* joinTypes_ = nullptr;
  int pendingPair_ = -1;
};

}  // namespace tablora
