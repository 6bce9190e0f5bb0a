#include "gen/gui/join_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/gui/wx_text.h"
#include "base/text_codec.h"
#include "gen/gui/table_choice.h"
#include "gen/statement_builder.h"

namespace tablora {

JoinDialog::JoinDialog(wxWindow* parent, const std::vector<TableDesign>& tables, int initialTable,
                       AskCondition ask, Tell tell)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(u8"选择其他表")),
      model_(initialTable),
      ask_(std::move(ask)),
      tell_(std::move(tell)) {
  auto items = std::make_shared<wxArrayString>();
  items->Alloc(tables.size());
  for (const TableDesign& t : tables) {
    tableNames_.push_back(t.actualName);
    items->Add(to_wx(TreeText(t.actualName, t.displayName)));
    std::vector<std::pair<std::string, std::string>> names;
    names.reserve(t.columns.size());
    for (const ColumnDesign& c : t.columns) names.emplace_back(c.actualName, c.displayName);
    columns_.push_back(std::move(names));
  }
  auto* rows = new wxBoxSizer(wxVERTICAL);
  for (int box = 0; box < JoinWindowModel::kBoxes; ++box) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(
        new wxStaticText(this, wxID_ANY, wxString::Format(wxString::FromUTF8(u8"表%d"), box + 1)),
        0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    tables_[box] = new TableChoice(this, kTableId + box, 220, items, box > 0);
    row->Add(tables_[box], 0, wxRIGHT, 8);
    aliasBoxes_[box] = new wxCheckBox(this, kAliasBoxId + box, wxString::FromUTF8(u8"别名"));
    row->Add(aliasBoxes_[box], 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    aliases_[box] =
        new wxTextCtrl(this, kAliasId + box, wxEmptyString, wxDefaultPosition, wxSize(60, -1));
    aliases_[box]->Hide();
    row->Add(aliases_[box]);
    rows->Add(row, 0, wxBOTTOM, 2);
    if (box + 1 < JoinWindowModel::kBoxes) {
      auto* relation = new wxBoxSizer(wxHORIZONTAL);
      relations_[box] = new wxButton(this, kRelationId + box, wxString::FromUTF8(u8"关系"));
      onTexts_[box] = new wxStaticText(this, kOnTextId + box, wxEmptyString, wxDefaultPosition,
                                       wxSize(300, -1), wxST_NO_AUTORESIZE);
      relation->AddSpacer(40);
      relation->Add(relations_[box], 0, wxRIGHT, 8);
      relation->Add(onTexts_[box], 0, wxALIGN_CENTER_VERTICAL);
      rows->Add(relation, 0, wxBOTTOM, 2);
    }
    tables_[box]->Bind(wxEVT_COMBOBOX, [this, box](wxCommandEvent&) {
      model_.SetTable(box, tables_[box]->GetSelection());
    });
    aliasBoxes_[box]->Bind(wxEVT_CHECKBOX, [this, box](wxCommandEvent&) {
      model_.SetAlias(box, from_wx(aliases_[box]->GetValue()));
      model_.SetAliasTicked(box, aliasBoxes_[box]->GetValue());
      aliases_[box]->ChangeValue(to_wx(model_.alias(box)));
      aliases_[box]->Show(aliasBoxes_[box]->GetValue());
      Layout();
    });
    aliases_[box]->Bind(wxEVT_TEXT, [this, box](wxCommandEvent&) {
      model_.SetAlias(box, from_wx(aliases_[box]->GetValue()));
    });
    if (box + 1 < JoinWindowModel::kBoxes) {
      relations_[box]->Bind(wxEVT_BUTTON, [this, box](wxCommandEvent&) { OnRelation(box); });
    }
  }
  wxArrayString types;
  for (const std::string& t : JoinWindowModel::JoinTypes()) types.Add(to_wx(t));
  joinTypes_ = new wxListBox(this, kJoinTypesId, wxDefaultPosition, wxSize(240, 110), types);
  joinTypes_->Hide();
  joinTypes_->Bind(wxEVT_LISTBOX, [this](wxCommandEvent& e) {
    if (pendingPair_ >= 0) ChooseJoinType(pendingPair_, e.GetSelection());
  });
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* body = new wxBoxSizer(wxHORIZONTAL);
  body->Add(rows, 0, wxALL, 6);
  body->Add(joinTypes_, 0, wxALL, 6);
  top->Add(body);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 6);
  SetSizerAndFit(top);

  if (initialTable >= 0 && initialTable < static_cast<int>(items->size())) {
    tables_[0]->Choose(initialTable);
  }
  aliasBoxes_[0]->SetValue(true);
  aliases_[0]->ChangeValue(to_wx(model_.alias(0)));
  aliases_[0]->Show();
  Layout();
  Fit();
  CentreOnParent();
}

void JoinDialog::ChooseTable(int box, int tableIndex) {
  tables_[box]->Choose(tableIndex);
  model_.SetTable(box, tableIndex);
}

void JoinDialog::OnRelation(int pair) {
  std::string error;
  if (!model_.CanRelate(pair, error)) {
    tell_(error);
    return;
  }
  pendingPair_ = pair;
  joinTypes_->SetSelection(wxNOT_FOUND);
  joinTypes_->Show();
  Layout();
  Fit();
}

void JoinDialog::ChooseJoinType(int pair, int type) {
  joinTypes_->Hide();
  pendingPair_ = -1;
  const std::string& entry = JoinWindowModel::JoinTypes()[static_cast<std::size_t>(type)];
  relations_[pair]->SetLabel(to_wx(entry.substr(0, entry.find('('))));
  std::vector<std::string> fields;
  for (int box : {pair, pair + 1}) {
    const int table = model_.table(box);
    const std::string& name = model_.alias(box).empty()
                                  ? tableNames_[static_cast<std::size_t>(table)]
                                  : model_.alias(box);
    for (const auto& [actual, display] : columns_[static_cast<std::size_t>(table)]) {
      ColumnDesign c;
      c.actualName = actual;
      c.displayName = display;
      fields.push_back(StatementBuilder::EntryText(c, name, true));
    }
  }
  std::string condition;
  if (!ask_(fields, condition)) return;
  model_.SetRelation(pair, entry, condition);
  onTexts_[pair]->SetLabel(to_wx(model_.onText(pair)));
  Layout();
  Fit();
}

}  // namespace tablora
