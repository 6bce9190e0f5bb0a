#include "ui/gui/colour_dialog.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/colordlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "base/gui/button_pictures.h"
#include "base/gui/wx_text.h"

namespace tablora {

namespace {
wxColour FromColorRef(std::uint32_t c) {
  return wxColour(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
std::uint32_t ToColorRef(const wxColour& c) {
  return static_cast<std::uint32_t>(c.Red()) | (static_cast<std::uint32_t>(c.Green()) << 8) |
         (static_cast<std::uint32_t>(c.Blue()) << 16);
}
}  // namespace

bool ColourDialog::ChooseSystemColour(wxWindow*, std::uint32_t& colour) {
  wxColourData data;
  data.SetChooseFull(true);
  if (colour != ColourChoice::kNone) data.SetColour(FromColorRef(colour));
  wxColourDialog dialog(nullptr, &data);
  if (dialog.ShowModal() != wxID_OK) return false;
  colour = ToColorRef(dialog.GetColourData().GetColour());
  return true;
}

ColourDialog::ColourDialog(wxWindow* parent, Design& design, int preselected, int mode)
    : wxDialog(parent, wxID_ANY, wxEmptyString),
      choice_(design, preselected, mode),
      chooser_(&ColourDialog::ChooseSystemColour) {
  SetTitle(to_wx(choice_.Caption()));
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"请选择表")), 0,
           wxLEFT | wxRIGHT | wxTOP, 8);
  wxArrayString items;
  for (const std::string& item : choice_.Items()) items.Add(to_wx(item));
  tables_ = new wxChoice(this, kTableId, wxDefaultPosition, FromDIP(wxSize(260, -1)), items);
  tables_->SetSelection(choice_.selection());
  top->Add(tables_, 0, wxEXPAND | wxALL, 8);

  auto* chooseRow = new wxBoxSizer(wxHORIZONTAL);
  choose_ = new wxButton(this, kChooseId, wxString::FromUTF8(u8"选择颜色(&C)..."));
  chooseRow->Add(choose_);
  // The swatch: as large as the button, 10 pixels to its right.
  swatch_ =
      new wxWindow(this, wxID_ANY, wxDefaultPosition, choose_->GetBestSize(), wxBORDER_SIMPLE);
  chooseRow->Add(swatch_, 0, wxLEFT, 10);
  top->Add(chooseRow, 0, wxALL, 8);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->AddStretchSpacer();
  auto* ok = new wxButton(this, wxID_OK, wxString::FromUTF8(u8"确定"));
  ok->SetDefault();
  buttons->Add(ok, 0, wxRIGHT, 8);
  buttons->Add(new wxButton(this, wxID_CANCEL, wxString::FromUTF8(u8"退出")));
  top->Add(buttons, 0, wxEXPAND | wxALL, 8);
  ButtonPictures::Put(
      this, {{wxID_OK, "ok.png"}, {kChooseId, "choose_colour.png"}, {wxID_CANCEL, "cancel.png"}});
  SetSizerAndFit(top);
  ShowSwatch();

  tables_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) {
    choice_.Select(tables_->GetSelection());
    ShowSwatch();
  });
  choose_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    std::uint32_t colour = choice_.colour();
    if (chooser_ && chooser_(this, colour)) {
      choice_.SetColour(colour);
      ShowSwatch();
    }
  });
  // "确定" colours and leaves the dialog open for the next table.
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        const std::vector<int> changed = choice_.Apply();
        if (onApplied_) onApplied_(changed);
      },
      wxID_OK);
}

void ColourDialog::ShowSwatch() {
  if (choice_.ShowsSwatch()) {
    swatch_->SetBackgroundColour(FromColorRef(choice_.colour()));
    swatch_->Show();
    swatch_->Refresh();
  } else {
    swatch_->Hide();
  }
  Layout();
}

}  // namespace tablora
