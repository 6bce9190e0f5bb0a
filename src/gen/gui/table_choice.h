#pragma once

#include <wx/arrstr.h>
#include <wx/odcombo.h>

#include <memory>

namespace tablora {

/// A read-only drop-down list of tables with a fixed size. The native list measures every
/// entry whenever its size is asked, which takes seconds on a design of thousands of
/// tables; this one draws only the entries it shows, and a list made with `fillOnOpen`
/// receives its entries only when it is first opened (or a table is chosen through
/// Choose). Selection changes send wxEVT_COMBOBOX.
class TableChoice : public wxOwnerDrawnComboBox {
 public:
  TableChoice(wxWindow* parent, int id, int width, std::shared_ptr<const wxArrayString> items,
              bool fillOnOpen);
  /// Selects entry `index` (-1: none) without sending an event.
  void Choose(int index);
  void OnButtonClick() override;

 private:
  void Fill();

  std::shared_ptr<const wxArrayString> items_;
  bool filled_ = false;
};

}  // namespace tablora
