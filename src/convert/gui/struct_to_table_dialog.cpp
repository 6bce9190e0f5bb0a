#include "convert/gui/struct_to_table_dialog.h"

#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/gui/wx_text.h"
#include "convert/gui/convert_host.h"
#include "convert/struct_conversion.h"

namespace tablora {

StructToTableDialog::StructToTableDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(u8"C++结构转成表结构设置"), wxDefaultPosition,
               wxSize(560, 460), wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
  auto* head = new wxBoxSizer(wxHORIZONTAL);
  head->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"请粘贴进C++的结构体代码")), 1,
            wxALIGN_CENTER_VERTICAL | wxALL, 4);
  head->Add(new wxButton(this, kPaste, wxString::FromUTF8(u8"粘贴(&V)")), 0, wxALL, 4);
  code_ = new wxTextCtrl(this, kCode, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                         wxTE_MULTILINE | wxTE_RICH2 | wxHSCROLL);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->AddStretchSpacer();
  auto* convert = new wxButton(this, wxID_OK, wxString::FromUTF8(u8"转换"));
  convert->SetDefault();
  buttons->Add(convert, 0, wxALL, 4);
  buttons->Add(new wxButton(this, wxID_CANCEL, wxString::FromUTF8(u8"退出")), 0, wxALL, 4);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(head, 0, wxEXPAND | wxALL, 4);
  top->Add(code_, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
  top->Add(buttons, 0, wxEXPAND | wxALL, 4);
  SetSizer(top);
  Layout();

  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        if (!wxTheClipboard->Open()) return;
        wxTextDataObject data;
        if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT) && wxTheClipboard->GetData(data)) {
          code_->ChangeValue(data.GetText());
        }
        wxTheClipboard->Close();
      },
      kPaste);
  code_->SetFocus();  // ready for Ctrl+V
  CentreOnParent();
}

std::string StructToTableDialog::code() const {
  wxString text = code_->GetValue();
  text.Replace("\r\n", "\n");
  text.Replace("\n", "\r\n");
  return from_wx(text);
}

void RunStructToTableDialog(ConvertHost& host) {
  StructToTableDialog dialog(host.DialogParent());
  if (dialog.ShowModal() != wxID_OK) return;
  // The tables go to the design view: open it first, so each table gets its window.
  if (Design* design = host.OpenDesignView()) StructConversion::AddToDesign(*design, dialog.code());
}

}  // namespace tablora
