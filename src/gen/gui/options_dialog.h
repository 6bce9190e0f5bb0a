#pragma once

#include <wx/dialog.h>

#include "gen/generation_options.h"

class wxCheckBox;

namespace tablora {

/// The code generators' options dialog "选项": three check boxes, all unticked when it
/// opens; the layout hides the accessor and skip-time boxes a generator does not use.
class OptionsDialog : public wxDialog {
 public:
  enum { kPrefixId = 1006, kAccessorsId = 1007, kSkipTimeId = 1158 };

  OptionsDialog(wxWindow* parent, const OptionsDialogLayout& layout);

  /// The ticked boxes; a hidden box counts as unticked.
  GenerationOptions options() const;

 private:
  wxCheckBox* prefix_;
  wxCheckBox* accessors_;
  wxCheckBox* skipTime_;
};

/// Asks the options with the real dialog, modal over `parent`.
class WxOptionsPrompt : public OptionsPrompt {
 public:
  explicit WxOptionsPrompt(wxWindow* parent) : parent_(parent) {}
  bool AskOptions(const OptionsDialogLayout& layout, GenerationOptions& options) override;

 private:
  wxWindow* parent_;
};

}  // namespace tablora
