#include "app/gui/table_conflict_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "base/gui/wx_text.h"

namespace tablora {

TableConflictDialog::TableConflictDialog(wxWindow* parent, const TableConflictQuestion& question)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(u8"表已存在"), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxCLOSE_BOX | wxSYSTEM_MENU) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  const wxString text = wxString::FromUTF8(u8"设计中已有表 ") + to_wx(question.table) +
                        wxString::FromUTF8(
                            u8", 要怎样处理读入的同名表?\n\n替换: "
                            u8"用读入的表替换设计中的表;\n都保留: 读入的表改名为 ") +
                        to_wx(question.freeName) +
                        wxString::FromUTF8(u8";\n跳过: 不要读入的这个表.");
  auto* label = new wxStaticText(this, wxID_ANY, text);
  label->Wrap(FromDIP(440));
  top->Add(label, 0, wxALL, 12);
  if (question.more > 0) {
    forAll_ = new wxCheckBox(
        this, wxID_ANY,
        wxString::Format(wxString::FromUTF8(u8"其余 %d 个同名的表也这样处理"), question.more));
    top->Add(forAll_, 0, wxLEFT | wxRIGHT | wxBOTTOM, 12);
  }
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  const auto add = [&](int id, const char* caption, ConflictChoice choice) {
    auto* button = new wxButton(this, id, wxString::FromUTF8(caption));
    button->Bind(wxEVT_BUTTON, [this, choice, id](wxCommandEvent&) {
      choice_ = choice;
      EndModal(id);
    });
    buttons->Add(button, 0, wxLEFT | wxRIGHT, 6);
    return button;
  };
  add(kReplaceId, u8"替换(&R)", ConflictChoice::kReplace);
  wxButton* keep = add(kRenameId, u8"都保留(&K)", ConflictChoice::kRename);
  add(kSkipId, u8"跳过(&S)", ConflictChoice::kSkip);
  // Escape and the close box skip: the design stays as it is.
  SetEscapeId(kSkipId);
  keep->SetDefault();
  keep->SetFocus();
  top->Add(buttons, 0, wxALIGN_CENTER | wxBOTTOM, 12);
  SetSizerAndFit(top);
  CentreOnParent();
}

bool TableConflictDialog::forAll() const { return forAll_ != nullptr && forAll_->GetValue(); }

}  // namespace tablora
