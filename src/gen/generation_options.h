#pragma once

namespace tablora {

/// The choices of the code generators' options dialog; all off when it opens except the
/// encoding, which starts as the settings say (`CodeFile`/`Encoding`).
struct GenerationOptions {
  bool prefix = false;     ///< put the type prefix before member names (Id -> nId)
  bool accessors = false;  ///< private members with Get/Set (get/set) methods
  bool skipTime = false;   ///< Java only: no field for columns of a datetime type
  bool utf8 = false;       ///< files in UTF-8 instead of code page 936
};

/// Which check boxes the options dialog shows; the prefix box is always shown.
struct OptionsDialogLayout {
  bool showAccessors = true;
  bool showSkipTime = false;
};

/// Asks the generator options. The program answers with the options dialog, tests with
/// fixed answers.
class OptionsPrompt {
 public:
  virtual ~OptionsPrompt() = default;
  /// False when the user cancelled; otherwise `options` holds the ticked boxes (hidden
  /// boxes stay off).
  virtual bool AskOptions(const OptionsDialogLayout& layout, GenerationOptions& options) = 0;
};

}  // namespace tablora
