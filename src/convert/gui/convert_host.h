#pragma once

#include <string>

class wxWindow;

namespace tablora {

class Design;
class Prompts;

/// What the two conversion tools need of the main window. The window program implements
/// it over its frame; tests may stand in.
class ConvertHost {
 public:
  virtual ~ConvertHost() = default;
  /// The window the dialogs are modal over.
  virtual wxWindow* DialogParent() = 0;
  /// Messages and questions go through these prompts.
  virtual Prompts& prompts() = 0;
  /// The program folder (holds tableformat/ and setting/).
  virtual std::string programFolder() = 0;
  /// Opens the design view "表视图" (or brings it to the front) and returns the design
  /// whose tables it shows; nullptr when there is none.
  virtual Design* OpenDesignView() = 0;
};

/// Dialog 166 "格式转换", modal over the host's window.
void RunDefinitionFormatDialog(ConvertHost& host);
/// Dialog 167 "C++结构转成表结构设置"; on "转换" the structures become new tables of the
/// design, whose view is opened first.
void RunStructToTableDialog(ConvertHost& host);

}  // namespace tablora
