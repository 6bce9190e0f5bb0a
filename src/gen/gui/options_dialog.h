#pragma once

#include <wx/dialog.h>

#include "gen/generation_options.h"

class wxCheckBox;

namespace tablora {

/// The code generators' options dialog "选项": three check boxes, all unticked when it
/// opens, and the encoding box "产生UTF-8编码的文件"; the layout hides the accessor and
/// skip-time boxes a generator does not use.
class OptionsDialog : public wxDialog {
 public:
  enum { kPrefixId = 1006, kAccessorsId = 1007, kSkipTimeId = 1158, kUtf8Id = 1159 };

  /// The encoding box starts as `utf8` says.
  OptionsDialog(wxWindow* parent, const OptionsDialogLayout& layout, bool utf8 = false);

  /// The ticked boxes; a hidden box counts as unticked.
  GenerationOptions options() const;

 private:
  wxCheckBox* prefix_;
  wxCheckBox* accessors_;
  wxCheckBox* skipTime_;
  wxCheckBox* utf8_;
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
