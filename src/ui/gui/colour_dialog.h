#pragma once

#include <wx/dialog.h>

#include <cstdint>
#include <functional>

#include "ui/colour_choice.h"

class wxButton;
class wxChoice;

namespace tablora {

/// The colour dialog: a table (or "<<全部表>>"), a colour from the system chooser shown
/// as a swatch, and "确定" that colours the table windows while the dialog stays open.
class ColourDialog : public wxDialog {
 public:
  enum Id { kTableId = 1009, kChooseId = 1039 };
  /// Asks the user for a colour starting at `colour` (COLORREF; ColourChoice::kNone for
  /// none); false when cancelled.
  using Chooser = std::function<bool(wxWindow* parent, std::uint32_t& colour)>;

  ColourDialog(wxWindow* parent, Design& design, int preselected, int mode);

  /// Replaces the system colour chooser (tests).
  void SetChooser(Chooser chooser) { chooser_ = std::move(chooser); }
  /// Called after "确定" with the tables whose windows changed.
  void SetOnApplied(std::function<void(const std::vector<int>&)> onApplied) {
    onApplied_ = std::move(onApplied);
  }
  const ColourChoice& choice() const { return choice_; }
  wxChoice* tableList() const { return tables_; }
  wxButton* chooseButton() const { return choose_; }
  /// The swatch beside the chooser button (hidden while no colour is chosen).
  wxWindow* swatch() const { return swatch_; }

  /// The system colour chooser, opened with its full panel.
  static bool ChooseSystemColour(wxWindow* parent, std::uint32_t& colour);

 private:
  void ShowSwatch();

  ColourChoice choice_;
  Chooser chooser_;
  std::function<void(const std::vector<int>&)> onApplied_;
  wxChoice* tables_ = nullptr;
  wxButton* choose_ = nullptr;
  wxWindow* swatch_ = nullptr;
};

}  // namespace tablora
