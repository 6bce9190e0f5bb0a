#include "app/gui/message_dialog.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace tablora {

MessageDialog::MessageDialog(wxWindow* parent, const wxString& text, const wxString& caption,
                             Buttons buttons, const wxString& action)
    : wxDialog(parent, wxID_ANY, caption.empty() ? wxString("Tablora") : caption, wxDefaultPosition,
               wxDefaultSize, wxCAPTION | wxCLOSE_BOX | wxSYSTEM_MENU) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  const wxArtID art = buttons == kOk || buttons == kOffer ? wxART_INFORMATION : wxART_QUESTION;
  row->Add(new wxStaticBitmap(this, wxID_ANY, wxArtProvider::GetBitmap(art, wxART_MESSAGE_BOX)), 0,
           wxALL | wxALIGN_TOP, 12);
  auto* label = new wxStaticText(this, wxID_ANY, text);
  label->Wrap(FromDIP(420));
  row->Add(label, 1, wxTOP | wxRIGHT | wxBOTTOM | wxALIGN_CENTER_VERTICAL, 12);
  top->Add(row, 1, wxEXPAND);

  auto* buttonRow = new wxBoxSizer(wxHORIZONTAL);
  const auto addButton = [&](wxWindowID id, const wxString& label) {
    auto* button = new wxButton(this, id, label);
    button->Bind(wxEVT_BUTTON, &MessageDialog::OnButton, this);
    buttonRow->Add(button, 0, wxLEFT | wxRIGHT, 6);
    return button;
  };
  wxButton* first = nullptr;
  if (buttons == kOk) {
    first = addButton(wxID_OK, wxString::FromUTF8(u8"确定"));
    SetEscapeId(wxID_OK);
  } else if (buttons == kOffer) {
    first = addButton(wxID_YES, action);
    addButton(wxID_NO, wxString::FromUTF8(u8"关闭"));
    SetEscapeId(wxID_NO);
  } else {
    first = addButton(wxID_YES, wxString::FromUTF8(u8"是(&Y)"));
    addButton(wxID_NO, wxString::FromUTF8(u8"否(&N)"));
    if (buttons == kYesNoCancel) {
      addButton(wxID_CANCEL, wxString::FromUTF8(u8"取消"));
      SetEscapeId(wxID_CANCEL);
    } else {
      SetEscapeId(wxID_NONE);  // a yes/no question has to be answered
    }
  }
  first->SetDefault();
  first->SetFocus();
  top->Add(buttonRow, 0, wxALIGN_CENTER | wxBOTTOM, 12);
  SetSizerAndFit(top);
  SetMinSize(wxSize(FromDIP(260), -1));
  Fit();
  CentreOnParent();
}

void MessageDialog::OnButton(wxCommandEvent& event) { EndModal(event.GetId()); }

}  // namespace tablora
