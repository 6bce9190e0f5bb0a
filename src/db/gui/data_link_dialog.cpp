#include "db/gui/data_link_dialog.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/gui/wx_text.h"

namespace tablora {

DataLinkDialog::DataLinkDialog(wxWindow* parent, const std::vector<std::string>& drivers,
                               const std::vector<std::string>& sources, const std::string& previous)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(u8"ODBC连接"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* lists = new wxBoxSizer(wxHORIZONTAL);
  auto column = [this, lists](const char* caption, int id, const std::vector<std::string>& items) {
    auto* box = new wxBoxSizer(wxVERTICAL);
    box->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(caption)), 0, wxBOTTOM, 4);
    auto* list = new wxListBox(this, id, wxDefaultPosition, wxSize(FromDIP(220), FromDIP(140)));
    for (const std::string& item : items) list->Append(to_wx(item));
    box->Add(list, 1, wxEXPAND);
    lists->Add(box, 1, wxEXPAND | wxALL, 6);
    return list;
  };
  drivers_ = column(u8"驱动程序:", kDriversId, drivers);
  sources_ = column(u8"数据源:", kSourcesId, sources);
  top->Add(lists, 1, wxEXPAND | wxALL, 4);
  top->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"连接字符串:")), 0,
           wxLEFT | wxRIGHT, 10);
  text_ =
      new wxTextCtrl(this, kStringId, to_wx(previous), wxDefaultPosition, wxSize(FromDIP(460), -1));
  top->Add(text_, 0, wxEXPAND | wxALL, 10);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  auto* ok = new wxButton(this, wxID_OK, wxString::FromUTF8(u8"确定"));
  buttons->Add(ok, 0, wxRIGHT, 6);
  buttons->Add(new wxButton(this, wxID_CANCEL, wxString::FromUTF8(u8"取消")));
  ok->SetDefault();
  top->Add(buttons, 0, wxALIGN_CENTER | wxALL, 10);

  drivers_->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) {
    text_->SetValue("Driver={" + drivers_->GetStringSelection() + "};");
    text_->SetInsertionPointEnd();
  });
  sources_->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) {
    wxString name = sources_->GetStringSelection();
    const size_t open = name.rfind(" (");
    if (open != wxString::npos) name = name.Left(open);
    text_->SetValue("DSN=" + name + ";");
    text_->SetInsertionPointEnd();
  });
  SetSizerAndFit(top);
  CentreOnParent();
}

std::string DataLinkDialog::connectionString() const { return from_wx(text_->GetValue()); }

}  // namespace tablora
