#include "ui/gui/display_style_sheet.h"

#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/panel.h>
#include <wx/scrolwin.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/gbk_text.h"
#include "base/gui/wx_text.h"

namespace tablora {

namespace {
wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }
constexpr std::size_t kWidthTextLimit = 19;
}  // namespace

DisplayStyleSheet::DisplayStyleSheet(wxWindow* parent, Settings& settings) : settings_(settings) {
  Create(parent, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
         wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER);
  CreateButtons(wxOK | wxCANCEL);
  wxBookCtrlBase* book = GetBookCtrl();
  book->AddPage(BuildChoosePage(book), U(u8"选择样式"));
  book->AddPage(BuildWidthPage(book), U(u8"列宽度设置"));
  LayoutDialog();
  SetSize(wxSize(520, 460));
}

wxWindow* DisplayStyleSheet::BuildChoosePage(wxWindow* book) {
  auto* page = new wxPanel(book);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(new wxStaticText(page, wxID_ANY, U(u8"请选择显示的样式")), 0, wxALL, 10);
  const auto combo = [&](const char* label, const std::vector<std::string>& items, int current) {
    sizer->Add(new wxStaticText(page, wxID_ANY, U(label)), 0, wxLEFT | wxRIGHT | wxTOP, 10);
    auto* choice = new wxChoice(page, wxID_ANY);
    for (const std::string& item : items) choice->Append(to_wx(item));
    const int index = DisplayStyles::EffectiveIndex(current, items.size());
    if (index > 0) choice->SetSelection(index - 1);
    sizer->Add(choice, 0, wxEXPAND | wxALL, 10);
    return choice;
  };
  titles_ = combo(u8"表名样式:", settings_.headerStyles, settings_.currentHeaderStyle);
  fields_ = combo(u8"字段样式:", settings_.columnStyles, settings_.currentColumnStyle);
  titles_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { choice_.title = titles_->GetSelection(); });
  fields_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { choice_.field = fields_->GetSelection(); });
  fit_ = new wxCheckBox(page, wxID_ANY, U(u8"列宽适应内容"));
  fit_->SetValue(settings_.fitColumnWidths);
  fit_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { choice_.fitWidths = fit_->GetValue(); });
  sizer->Add(fit_, 0, wxALL, 10);
  page->SetSizer(sizer);
  return page;
}

wxWindow* DisplayStyleSheet::BuildWidthPage(wxWindow* book) {
  // Every keyword of the width map gets a row; the page scrolls when there are many.
  auto* page = new wxScrolledWindow(book);
  page->SetScrollRate(0, 10);
  auto* grid = new wxFlexGridSizer(2, 4, 8);
  grid->AddGrowableCol(1);
  for (const auto& [keyword, width] : settings_.columnWidths) {
    grid->Add(new wxStaticText(page, wxID_ANY, to_wx(keyword)), 0, wxALIGN_CENTER_VERTICAL);
    auto* box = new wxTextCtrl(page, wxID_ANY, to_wx(width));
    box->Disable();
    grid->Add(box, 1, wxEXPAND);
    widthBoxes_.push_back(box);
  }
  auto* apply = new wxButton(page, wxID_ANY, U(u8"确定(&A)"));
  auto* edit = new wxButton(page, wxID_ANY, U(u8"修改(&E)"));
  apply->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ApplyWidths(); });
  edit->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EnableWidthEdits(); });
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(apply, 0, wxRIGHT, 10);
  buttons->Add(edit);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(grid, 0, wxEXPAND | wxALL, 10);
  sizer->Add(buttons, 0, wxALL, 10);
  page->SetSizer(sizer);
  return page;
}

void DisplayStyleSheet::EnableWidthEdits() {
  for (wxTextCtrl* box : widthBoxes_) box->Enable();
}

void DisplayStyleSheet::ApplyWidths() {
  std::size_t n = 0;
  for (auto& [keyword, width] : settings_.columnWidths) {
    if (n >= widthBoxes_.size()) break;
    wxTextCtrl* box = widthBoxes_[n++];
    const std::string text = gbk::CutToWidth(from_wx(box->GetValue()), kWidthTextLimit + 1);
    box->Disable();
    if (text != width) width = text;
  }
}

}  // namespace tablora
