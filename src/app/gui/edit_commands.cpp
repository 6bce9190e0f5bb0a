#include "app/gui/edit_commands.h"

#include <wx/toolbar.h>

#include "app/command_table.h"
#include "app/design_history.h"
#include "app/gui/command_ids.h"
#include "app/gui/document_frame.h"
#include "app/gui/find_bar.h"
#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "base/gui/wx_text.h"
#include "ui/display_styles.h"
#include "ui/gui/design_canvas.h"

namespace tablora {

namespace {

DesignHistory* HistoryOf(MainFrame& frame) {
  return frame.session() != nullptr ? frame.session()->history() : nullptr;
}

DesignHistory::Styles StylesOf(const Settings& s) {
  return {s.currentHeaderStyle, s.currentColumnStyle, s.fitColumnWidths};
}

/// Undo (`forward` false) or redo; the windows follow, and display styles put back are
/// written to the settings file as a choice made in the style sheet is.
void Step(MainFrame& frame, bool forward) {
  DesignSession* session = frame.session();
  if (session == nullptr) return;
  Settings& settings = frame.appState().settings;
  const DesignHistory::Styles before = StylesOf(settings);
  const bool done = forward ? session->Redo() : session->Undo();
  if (!done) return;
  const DesignHistory::Styles after = StylesOf(settings);
  if (!(after == before)) {
    DisplayStyles::Choice choice;
    choice.title = after.header - 1;
    choice.field = after.column - 1;
    choice.fitWidths = after.fitWidths ? 1 : 0;
    DisplayStyles::ApplyChoice(settings, choice);
    for (DocumentFrame* document : frame.documents()) {
      if (document->tableView() != nullptr) document->tableView()->Restyle();
    }
  }
  frame.RefreshDesignViews();
}

FindBar* TheFindBar(MainFrame& frame) {
  DesignCanvas* canvas = frame.designWindow().Canvas();
  return canvas != nullptr ? FindBar::Of(frame, *canvas) : nullptr;
}

}  // namespace

wxString UndoMenuLabel(int commandId, const std::string& stepName) {
  const CommandInfo* info = CommandTable::Get().Find(commandId);
  if (info == nullptr) return {};
  std::string label = info->caption;
  if (!stepName.empty()) label += " " + stepName;
  label += "\t" + info->accelerator;
  return to_wx(label);
}

void RegisterEditCommands(MainFrame& frame) {
  CommandRegistry& registry = frame.commandRegistry();
  registry.Register(
      cmd::kUndo, [&frame] { Step(frame, false); },
      [&frame] {
        DesignHistory* h = HistoryOf(frame);
        return h != nullptr && h->CanUndo();
      });
  registry.Register(
      cmd::kRedo, [&frame] { Step(frame, true); },
      [&frame] {
        DesignHistory* h = HistoryOf(frame);
        return h != nullptr && h->CanRedo();
      });
  const auto hasDesign = [&frame] {
    return frame.session() != nullptr && frame.session()->design() != nullptr;
  };
  registry.Register(
      cmd::kFind,
      [&frame] {
        if (FindBar* bar = TheFindBar(frame)) bar->Open();
      },
      hasDesign);
  registry.Register(
      cmd::kFindNext,
      [&frame] {
        if (FindBar* bar = TheFindBar(frame)) bar->Step(1);
      },
      hasDesign);
  registry.Register(
      cmd::kFindPrevious,
      [&frame] {
        if (FindBar* bar = TheFindBar(frame)) bar->Step(-1);
      },
      hasDesign);
  // The menu items name the step; bound after the frame's own handler, this one runs first.
  for (const int id : {cmd::kUndo, cmd::kRedo}) {
    frame.Bind(
        wxEVT_UPDATE_UI,
        [&frame, id](wxUpdateUIEvent& event) {
          DesignHistory* h = HistoryOf(frame);
          const bool undo = id == cmd::kUndo;
          const bool enabled = h != nullptr && (undo ? h->CanUndo() : h->CanRedo());
          event.Enable(enabled);
          if (event.GetEventObject() != frame.GetToolBar()) {
            event.SetText(UndoMenuLabel(id, h == nullptr       ? std::string()
                                            : undo ? h->UndoName()
                                                   : h->RedoName()));
          }
        },
        ToWxId(id));
  }
}

}  // namespace tablora
