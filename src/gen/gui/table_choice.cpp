#include "gen/gui/table_choice.h"

#include <wx/choice.h>

namespace tablora {

namespace {

/// The height of a native drop-down list, measured once.
int ListHeight(wxWindow* parent) {
  static int height = 0;
  if (height == 0) {
    auto* probe = new wxChoice(parent, wxID_ANY);
    height = probe->GetBestSize().y;
    probe->Destroy();
  }
  return height;
}

}  // namespace

TableChoice::TableChoice(wxWindow* parent, int id, int width,
                         std::shared_ptr<const wxArrayString> items, bool fillOnOpen)
    : wxOwnerDrawnComboBox(parent, id, wxEmptyString, wxDefaultPosition,
                           wxSize(width, ListHeight(parent)), 0, nullptr, wxCB_READONLY),
      items_(std::move(items)) {
  SetMinSize(wxSize(width, ListHeight(parent)));
  if (!fillOnOpen) Fill();
}

void TableChoice::Fill() {
  if (filled_) return;
  filled_ = true;
  Append(*items_);
}

void TableChoice::Choose(int index) {
  Fill();
  SetSelection(index < 0 ? wxNOT_FOUND : index);
}

void TableChoice::OnButtonClick() {
  Fill();
  wxOwnerDrawnComboBox::OnButtonClick();
}

}  // namespace tablora
