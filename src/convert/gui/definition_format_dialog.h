#pragma once

#include <wx/dialog.h>

#include <string>
#include <vector>

#include "convert/format_folder.h"

class wxChoice;
class wxTextCtrl;

namespace tablora {

class Prompts;

/// Dialog 166 "格式转换": a source format (a script of two tables) and an output format
/// from the folder tableformat, the source text, and the result of "转换(&C)", which
/// leaves the dialog open. Control ids are the resource's.
class DefinitionFormatDialog : public wxDialog {
 public:
  enum {
    kSourceFormatText = 1146,
    kSourceText = 1147,
    kResultText = 1148,
    kOutputFormatText = 1149,
    kCopySource = 1150,
    kPasteSource = 1151,
    kCopyResult = 1152,
    kSourceFormats = 1153,
    kOutputFormats = 1154,
  };

  DefinitionFormatDialog(wxWindow* parent, const std::string& programFolder, Prompts& prompts);

  /// The convert button: the result box gets the converted lines, or a message is shown.
  void Convert();

 private:
  void SelectSourceFormat(int index);
  void SelectOutputFormat(int index);
  static void CopyToClipboard(const wxString& text);

  std::string programFolder_;
  Prompts& prompts_;
  FormatFolder folder_;
  std::vector<OutputFormat> outputFormats_;
  std::vector<std::string> sourceFormats_;
  wxChoice* sourceFormatsBox_ = nullptr;
  wxChoice* outputFormatsBox_ = nullptr;
  wxTextCtrl* sourceFormatText_ = nullptr;
  wxTextCtrl* outputFormatText_ = nullptr;
  wxTextCtrl* sourceText_ = nullptr;
  wxTextCtrl* resultText_ = nullptr;
};

}  // namespace tablora
