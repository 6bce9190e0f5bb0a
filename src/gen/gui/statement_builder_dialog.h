#pragma once

#include <wx/dialog.h>

#include <memory>
#include <string>

#include "gen/statement_builder.h"
#include "gen/template_engine.h"

class wxButton;
class wxCheckBox;
class wxComboBox;
class wxListBox;
class wxStaticText;
class wxTextCtrl;

namespace tablora {

class TableChoice;

class StatementHost;

/// The statement builder window "SQL-SELECT" for one statement kind: a table, its fields and
/// options give a statement that is rebuilt after every change; joins, conditions, order,
/// set values and code generation open their own dialogs. Modeless; it destroys itself when
/// closed.
class StatementBuilderDialog : public wxDialog {
 public:
  enum {
    kQuitId = 2,
    kTableId = 1009,
    kAvailableId = 1010,
    kChosenId = 1011,
    kChooseId = 1012,
    kUnchooseId = 1013,
    kChooseAllId = 1014,
    kUnchooseAllId = 1015,
    kStatementId = 1016,
    kResetId = 1017,
    kTopId = 1018,
    kParametersId = 1038,
    kProcedureId = 1039,
    kCopyId = 1081,
    kNoBreaksId = 1082,
    kExecuteId = 1087,
    kJoinsId = 1100,
    kConditionId = 1114,
    kGenerateId = 1133,
    kCodeId = 1135,
    kCopyCodeId = 1136,
    kClassId = 1137,
    kPrefixId = 1138,
    kSuffixId = 1139,
    kVariableId = 1140,
    kDatabaseId = 1141,
    kOrderId = 1143,
    kValueHintId = 1169
  };

  /// Creates and shows a builder over the host's design, starting on `initialTable`.
  static StatementBuilderDialog* Open(std::shared_ptr<StatementHost> host, StatementKind kind,
                                      int initialTable);
  /// The same builder shown modally: returns once it is closed, and is gone then.
  static void RunModal(std::shared_ptr<StatementHost> host, StatementKind kind, int initialTable);

  StatementBuilder& builder() { return builder_; }
  /// The text the statement box shows.
  std::string shownStatement() const;
  /// The code box's text.
  std::string shownCode() const;

  // The commands behind the buttons, as clicking them runs them.
  void ChooseTable(int index);
  void RunCondition();
  void RunOrderBy();
  void RunJoins();
  void RunValue(int chosenPos);
  void RunExecute();
  void RunGenerateCode();

 private:
  StatementBuilderDialog(std::shared_ptr<StatementHost> host, StatementKind kind, int initialTable);
  void BuildControls();
  void ShowKind();
  void FillLists();
  void ShowStatement();
  void ShowCodeControls();

  std::shared_ptr<StatementHost> host_;
  StatementBuilder builder_;
  TableChoice* table_ = nullptr;
  wxListBox* available_ = nullptr;
  wxListBox* chosen_ = nullptr;
  wxComboBox* top_ = nullptr;
  wxCheckBox* parameters_ = nullptr;
  wxCheckBox* noBreaks_ = nullptr;
  wxCheckBox* procedure_ = nullptr;
  wxTextCtrl* statement_ = nullptr;
  wxButton* execute_ = nullptr;
  wxTextCtrl* code_ = nullptr;
  wxTextCtrl* boxes_[5] = {};
  wxWindow* codePanel_ = nullptr;
};

}  // namespace tablora
