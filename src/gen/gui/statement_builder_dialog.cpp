#include "gen/gui/statement_builder_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/clipbrd.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/gui/wx_text.h"
#include "base/ini_file.h"
#include "base/program_folder.h"
#include "base/text_codec.h"
#include "gen/gui/code_kind_dialog.h"
#include "gen/gui/condition_dialog.h"
#include "gen/gui/join_dialog.h"
#include "gen/gui/order_by_dialog.h"
#include "gen/gui/statement_host.h"
#include "gen/gui/table_choice.h"
#include "gen/gui/value_dialog.h"

namespace tablora {

namespace {

wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }

void CopyText(const wxString& text) {
  if (wxTheClipboard->Open()) {
    wxTheClipboard->SetData(new wxTextDataObject(text));
    wxTheClipboard->Close();
  }
}

}  // namespace

StatementBuilderDialog* StatementBuilderDialog::Open(std::shared_ptr<StatementHost> host,
                                                     StatementKind kind, int initialTable) {
  auto* dialog = new StatementBuilderDialog(std::move(host), kind, initialTable);
  dialog->Show();
  return dialog;
}

void StatementBuilderDialog::RunModal(std::shared_ptr<StatementHost> host, StatementKind kind,
                                      int initialTable) {
  auto* dialog = new StatementBuilderDialog(std::move(host), kind, initialTable);
  dialog->ShowModal();
  dialog->Destroy();
}

StatementBuilderDialog::StatementBuilderDialog(std::shared_ptr<StatementHost> host,
                                               StatementKind kind, int initialTable)
    : wxDialog(host->DialogParent(), wxID_ANY, "SQL-SELECT", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      host_(host),
      builder_(
          kind, (host->Definitions(true), initialTable),
          [h = host.get()]() -> const std::vector<TableDesign>& { return h->Definitions(false); }) {
  BuildControls();
  ShowKind();
  FillLists();
  ShowStatement();
  // "退出" and the close box end a modal builder (its opener destroys it), a modeless one goes.
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) {
    if (IsModal()) {
      EndModal(wxID_CANCEL);
    } else {
      Destroy();
    }
  });
}

void StatementBuilderDialog::BuildControls() {
  auto tables = std::make_shared<wxArrayString>();
  for (const std::string& item : builder_.TableBoxItems()) tables->Add(to_wx(item));
  table_ = new TableChoice(this, kTableId, 260, tables, false);
  if (builder_.currentTable() >= 0) table_->Choose(builder_.currentTable());
  const wxString tops[] = {U(u8"全部"), "1", "10", "100", "1000"};
  top_ = new wxComboBox(this, kTopId, tops[0], wxDefaultPosition, wxSize(90, -1), 5, tops,
                        wxCB_READONLY);
  auto* head = new wxBoxSizer(wxHORIZONTAL);
  head->Add(new wxStaticText(this, wxID_ANY, U(u8"选择表")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT,
            4);
  head->Add(table_, 1, wxRIGHT, 12);
  head->Add(new wxStaticText(this, wxID_ANY, U(u8"数量")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
  head->Add(top_);

  available_ = new wxListBox(this, kAvailableId, wxDefaultPosition, wxSize(220, 180));
  chosen_ = new wxListBox(this, kChosenId, wxDefaultPosition, wxSize(220, 180));
  auto* moves = new wxBoxSizer(wxVERTICAL);
  const std::pair<int, const char*> moveButtons[] = {
      {kChooseId, ">"}, {kUnchooseId, "<"}, {kChooseAllId, ">>"}, {kUnchooseAllId, "<<"}};
  for (const auto& [id, caption] : moveButtons) {
    moves->Add(new wxButton(this, id, caption, wxDefaultPosition, wxSize(40, -1)), 0, wxBOTTOM, 4);
  }
  auto* lists = new wxBoxSizer(wxHORIZONTAL);
  lists->Add(available_, 1, wxEXPAND);
  lists->Add(moves, 0, wxLEFT | wxRIGHT, 6);
  lists->Add(chosen_, 1, wxEXPAND);

  parameters_ = new wxCheckBox(this, kParametersId, U(u8"加入参数"));
  noBreaks_ = new wxCheckBox(this, kNoBreaksId, U(u8"去换行符"));
  procedure_ = new wxCheckBox(this, kProcedureId, U(u8"加入存储过程头"));
  auto* options = new wxBoxSizer(wxHORIZONTAL);
  for (wxWindow* w : std::initializer_list<wxWindow*>{
           parameters_, noBreaks_, procedure_, new wxButton(this, kJoinsId, U(u8"两表以上查询...")),
           new wxButton(this, kOrderId, U(u8"排序(&O)")),
           new wxButton(this, kConditionId, U(u8"条件(&W)...")),
           new wxStaticText(this, kValueHintId, U(u8"双击设置默认值"))}) {
    options->Add(w, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  }
  // What runs is what the box shows: the box is read-only, its text can still be copied.
  statement_ = new wxTextCtrl(this, kStatementId, wxEmptyString, wxDefaultPosition, wxSize(-1, 140),
                              wxTE_MULTILINE | wxTE_READONLY);
  execute_ = new wxButton(this, kExecuteId, U(u8"执行(&E)"));
  auto* commands = new wxBoxSizer(wxHORIZONTAL);
  for (wxWindow* w :
       std::initializer_list<wxWindow*>{new wxButton(this, kCopyId, U(u8"复制(&C)")), execute_,
                                        new wxButton(this, kResetId, U(u8"重置(&R)")),
                                        new wxButton(this, kGenerateId, U(u8"生成代码(&G)")),
                                        new wxButton(this, kQuitId, U(u8"退出"))}) {
    commands->Add(w, 0, wxRIGHT, 6);
  }
  execute_->SetDefault();
  SetEscapeId(kQuitId);

  auto* panel = new wxPanel(this);
  codePanel_ = panel;
  auto* fields = new wxFlexGridSizer(2, wxSize(6, 4));
  const std::pair<int, const char*> boxes[] = {{kClassId, u8"类名"},
                                               {kPrefixId, u8"函数前缀"},
                                               {kSuffixId, u8"函数后缀"},
                                               {kVariableId, u8"表结构变量"},
                                               {kDatabaseId, u8"数据库名"}};
  for (int i = 0; i < 5; ++i) {
    fields->Add(new wxStaticText(panel, wxID_ANY, U(boxes[i].second)), 0, wxALIGN_CENTER_VERTICAL);
    boxes_[i] =
        new wxTextCtrl(panel, boxes[i].first, wxEmptyString, wxDefaultPosition, wxSize(140, -1));
    fields->Add(boxes_[i]);
  }
  boxes_[1]->ChangeValue(FunctionPrefixDefault(builder_.kind()));
  boxes_[4]->ChangeValue(to_wx(host_->LastDatabase()));
  code_ = new wxTextCtrl(panel, kCodeId, wxEmptyString, wxDefaultPosition, wxSize(420, 260),
                         wxTE_MULTILINE | wxTE_READONLY | wxHSCROLL);
  auto* codeSizer = new wxBoxSizer(wxHORIZONTAL);
  auto* left = new wxBoxSizer(wxVERTICAL);
  left->Add(fields);
  left->Add(new wxButton(panel, kCopyCodeId, U(u8"复制(&A)")), 0, wxTOP, 6);
  codeSizer->Add(left, 0, wxRIGHT, 6);
  codeSizer->Add(code_, 1, wxEXPAND);
  panel->SetSizer(codeSizer);
  panel->Hide();

  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* main = new wxBoxSizer(wxVERTICAL);
  main->Add(head, 0, wxEXPAND | wxBOTTOM, 6);
  main->Add(new wxStaticText(this, wxID_ANY, U(u8"选择字段")), 0, wxBOTTOM, 2);
  main->Add(lists, 1, wxEXPAND | wxBOTTOM, 6);
  main->Add(options, 0, wxBOTTOM, 6);
  main->Add(statement_, 0, wxEXPAND | wxBOTTOM, 6);
  main->Add(commands);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(main, 1, wxEXPAND | wxALL, 8);
  row->Add(panel, 0, wxEXPAND | wxALL, 8);
  top->Add(row, 1, wxEXPAND);
  SetSizerAndFit(top);

  std::string why;
  if (!host_->CanExecute(why)) {
    execute_->Disable();
    execute_->SetToolTip(to_wx(why));
  }

  auto rebuild = [this] {
    builder_.Rebuild();
    ShowStatement();
  };
  table_->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) { ChooseTable(table_->GetSelection()); });
  auto selected = [](wxListBox* list) { return static_cast<std::size_t>(list->GetSelection()); };
  Bind(
      wxEVT_BUTTON,
      [this, selected](wxCommandEvent&) {
        const int pos = available_->GetSelection();
        if (pos == wxNOT_FOUND) return;
        builder_.Choose(selected(available_));
        FillLists();
        if (pos < static_cast<int>(available_->GetCount())) available_->SetSelection(pos);
        ShowStatement();
      },
      kChooseId);
  Bind(
      wxEVT_BUTTON,
      [this, selected](wxCommandEvent&) {
        const int pos = chosen_->GetSelection();
        if (pos == wxNOT_FOUND) return;
        builder_.Unchoose(selected(chosen_));
        FillLists();
        if (pos < static_cast<int>(chosen_->GetCount())) chosen_->SetSelection(pos);
        ShowStatement();
      },
      kUnchooseId);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        builder_.ChooseAll();
        FillLists();
        ShowStatement();
      },
      kChooseAllId);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        builder_.RefillAvailable();
        FillLists();
        ShowStatement();
      },
      kUnchooseAllId);
  top_->Bind(wxEVT_COMBOBOX, [this, rebuild](wxCommandEvent&) {
    long n = 0;
    builder_.setTop(top_->GetValue().ToLong(&n) ? static_cast<int>(n) : 0);
    rebuild();
  });
  parameters_->Bind(wxEVT_CHECKBOX, [this, rebuild](wxCommandEvent&) {
    builder_.setParameters(parameters_->GetValue());
    rebuild();
  });
  noBreaks_->Bind(wxEVT_CHECKBOX, [this, rebuild](wxCommandEvent&) {
    builder_.setNoLineBreaks(noBreaks_->GetValue());
    rebuild();
  });
  procedure_->Bind(wxEVT_CHECKBOX, [this, rebuild](wxCommandEvent&) {
    builder_.setProcedureHeader(procedure_->GetValue());
    rebuild();
  });
  boxes_[4]->Bind(wxEVT_TEXT, [this, rebuild](wxCommandEvent&) {
    if (!codePanel_->IsShown()) return;
    builder_.setDatabaseName(from_wx(boxes_[4]->GetValue()));
    rebuild();
  });
  chosen_->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) {
    if (chosen_->GetSelection() != wxNOT_FOUND) RunValue(chosen_->GetSelection());
  });
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { RunJoins(); }, kJoinsId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { RunOrderBy(); }, kOrderId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { RunCondition(); }, kConditionId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { CopyText(statement_->GetValue()); }, kCopyId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { CopyText(code_->GetValue()); }, kCopyCodeId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { RunExecute(); }, kExecuteId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { RunGenerateCode(); }, kGenerateId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { Close(); }, kQuitId);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        builder_.Reset();
        top_->SetSelection(0);
        FillLists();
        ShowStatement();
      },
      kResetId);
}

void StatementBuilderDialog::ShowKind() {
  const StatementKind kind = builder_.kind();
  const bool select = kind == StatementKind::kSelect;
  const bool write = kind == StatementKind::kInsert || kind == StatementKind::kUpdate;
  for (int id : {kAvailableId, kChosenId, kChooseId, kUnchooseId, kChooseAllId, kUnchooseAllId,
                 kParametersId, kNoBreaksId, kProcedureId}) {
    FindWindow(id)->Show(select || write);
  }
  for (int id : {kTopId, kJoinsId, kOrderId}) FindWindow(id)->Show(select);
  FindWindow(kValueHintId)->Show(write);
  Layout();
  Fit();
}

void StatementBuilderDialog::FillLists() {
  available_->Clear();
  for (const FieldEntry& e : builder_.available()) available_->Append(to_wx(e.text));
  chosen_->Clear();
  for (const FieldEntry& e : builder_.chosen()) chosen_->Append(to_wx(e.text));
}

void StatementBuilderDialog::ShowStatement() {
  statement_->ChangeValue(to_wx(builder_.statement()));
}

std::string StatementBuilderDialog::shownStatement() const {
  return from_wx(statement_->GetValue());
}

std::string StatementBuilderDialog::shownCode() const { return from_wx(code_->GetValue()); }

void StatementBuilderDialog::ChooseTable(int index) {
  builder_.SelectTable(index);
  if (table_->GetSelection() != index) table_->Choose(index);
  FillLists();
  ShowStatement();
}

void StatementBuilderDialog::RunCondition() {
  // Cancel keeps the WHERE text the statement shows.
  ConditionDialog dialog(this, builder_.ConditionFieldTexts(), builder_.statement());
  if (dialog.ShowModal() != wxID_OK) return;
  builder_.setWhere(dialog.result());
  builder_.Rebuild();
  ShowStatement();
}

void StatementBuilderDialog::RunOrderBy() {
  OrderByDialog dialog(this, builder_.AllFieldTexts(), builder_.ChosenFieldTexts());
  if (dialog.ShowModal() != wxID_OK) return;
  builder_.setOrderBy(dialog.result());
  builder_.Rebuild();
  ShowStatement();
}

void StatementBuilderDialog::RunJoins() {
  const std::string statement = builder_.statement();
  JoinDialog dialog(
      this, host_->Definitions(false), builder_.currentTable(),
      [this, statement](const std::vector<std::string>& fields, std::string& condition) {
        ConditionDialog ask(this, fields, statement);
        if (ask.ShowModal() != wxID_OK) return false;
        condition = ask.result();
        return true;
      },
      [this](const std::string& message) { host_->prompts().ShowMessage(message, "SQL-SELECT"); });
  if (dialog.ShowModal() != wxID_OK) return;
  builder_.ApplyJoins(dialog.result());
  if (builder_.currentTable() >= 0) table_->Choose(builder_.currentTable());
  FillLists();
  ShowStatement();
}

void StatementBuilderDialog::RunValue(int pos) {
  const StatementKind kind = builder_.kind();
  if (kind != StatementKind::kInsert && kind != StatementKind::kUpdate) return;
  ValueDialog dialog(this, host_->prompts());
  if (dialog.ShowModal() != wxID_OK) return;
  builder_.SetValue(static_cast<std::size_t>(pos), dialog.value());
  FillLists();
  chosen_->SetSelection(pos);
  ShowStatement();
}

void StatementBuilderDialog::RunExecute() {
  std::string why;
  if (!host_->CanExecute(why)) {
    host_->prompts().ShowMessage(why, "SQL-SELECT");
    return;
  }
  parameters_->SetValue(false);
  builder_.setParameters(false);
  builder_.Rebuild();
  ShowStatement();
  if (builder_.Input().tables.empty() || builder_.statement().empty()) return;
  const std::string question = builder_.ExecuteQuestion();
  if (!question.empty() && !host_->prompts().AskYesNo(question, "SQL-SELECT")) return;
  host_->Execute(builder_.statement());
}

void StatementBuilderDialog::ShowCodeControls() {
  if (codePanel_->IsShown()) return;
  codePanel_->Show();
  builder_.setDatabaseName(from_wx(boxes_[4]->GetValue()));
  Layout();
  Fit();
}

void StatementBuilderDialog::RunGenerateCode() {
  Prompts& prompts = host_->prompts();
  const std::string root = ProgramFolder::Join(host_->settings().programFolder, "sqltemplate");
  const std::string folder = ProgramFolder::Join(root, TemplateFolder(builder_.kind()));
  std::vector<CodeKindFile> kinds;
  std::string error;
  if (!TemplateEngine::ListCodeKinds(folder, kinds, error)) {
    prompts.ShowMessage(error, "SQL-SELECT");
    return;
  }
  CodeKindDialog chooser(this, kinds, prompts);
  if (chooser.ShowModal() != wxID_OK) return;
  ShowCodeControls();
  builder_.Rebuild();
  ShowStatement();
  bool iniOk = false;
  const IniFile ini = IniFile::Load(ProgramFolder::Join(root, "template.ini"), &iniOk);
  std::string text;
  if (!iniOk) {
    prompts.ShowMessage(
        Cp936(u8"无法读取代码模板设置: ") + ProgramFolder::Join(root, "template.ini"),
        "SQL-SELECT");
    return;
  }
  if (!TemplateEngine::ReadTemplate(ProgramFolder::Join(folder, chooser.chosen().file), text,
                                    error)) {
    prompts.ShowMessage(error, "SQL-SELECT");
    return;
  }
  TemplateInput input;
  if (!builder_.ForTemplate(input, TemplateEngine::LanguageOf(chooser.chosen().name))) return;
  TemplateMarkers markers = TemplateMarkers::FromIni(ini);
  TemplateBoxes boxes{from_wx(boxes_[0]->GetValue()), from_wx(boxes_[1]->GetValue()),
                      from_wx(boxes_[2]->GetValue()), from_wx(boxes_[3]->GetValue()),
                      from_wx(boxes_[4]->GetValue())};
  const std::string code = TemplateEngine::Expand(text, markers, input, boxes, host_->settings());
  const std::string* filled[] = {&boxes.className, &boxes.functionPrefix, &boxes.functionSuffix,
                                 &boxes.tableVariable, &boxes.databaseName};
  for (int i = 0; i < 5; ++i) boxes_[i]->ChangeValue(to_wx(*filled[i]));
  code_->ChangeValue(to_wx(code));
}

}  // namespace tablora
