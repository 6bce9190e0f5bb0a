#include "app/gui/frame_convert_host.h"

#include <memory>

#include "app/command_table.h"
#include "app/design_history.h"
#include "base/text_codec.h"
#include "app/design_session.h"
#include "app/gui/main_frame.h"
#include "base/app_state.h"
#include "base/document_titles.h"

namespace tablora {

wxWindow* FrameConvertHost::DialogParent() { return &frame_; }

Prompts& FrameConvertHost::prompts() { return frame_.prompts(); }

std::string FrameConvertHost::programFolder() { return frame_.appState().settings.programFolder; }

Design* FrameConvertHost::OpenDesignView() {
  if (frame_.session() == nullptr || frame_.FindView(DocumentTitles::DesignView()) == nullptr) {
    return nullptr;
  }
  return frame_.session()->design();
}

void RegisterConvertCommands(MainFrame& frame) {
  auto host = std::make_shared<FrameConvertHost>(frame);
  CommandRegistry& registry = frame.commandRegistry();
  registry.Register(cmd::kMacroToJava, [host] { RunDefinitionFormatDialog(*host); });
  registry.Register(
      cmd::kStructToTable,
      [host, &frame] {
        HistoryStep step(frame.session() != nullptr ? frame.session()->history() : nullptr,
                         Cp936(u8"结构转成表"));
        RunStructToTableDialog(*host);
      },
      [&frame] { return frame.session() != nullptr && frame.session()->design() != nullptr; });
}

}  // namespace tablora
