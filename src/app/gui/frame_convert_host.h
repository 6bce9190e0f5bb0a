#pragma once

#include "convert/gui/convert_host.h"

namespace tablora {

class MainFrame;

/// The conversion tools' view of the main window: its prompts, the program folder, and
/// the design view opened the frame's way ("表视图" through FindView).
class FrameConvertHost : public ConvertHost {
 public:
  explicit FrameConvertHost(MainFrame& frame) : frame_(frame) {}

  wxWindow* DialogParent() override;
  Prompts& prompts() override;
  std::string programFolder() override;
  Design* OpenDesignView() override;

 private:
  MainFrame& frame_;
};

/// Registers 32821 "C++宏转成Java定义(&A)" (always enabled) and 32828 "C++结构转成表结构(&B)"
/// (enabled while a design stands behind the window) with the frame's command registry.
void RegisterConvertCommands(MainFrame& frame);

}  // namespace tablora
