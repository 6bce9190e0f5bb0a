#include "app/gui/table_window_commands.h"

#include "app/command_table.h"
#include "app/design_history.h"
#include "base/text_codec.h"
#include "app/gui/command_ids.h"
#include "app/gui/design_layout_commands.h"
#include "app/gui/document_frame.h"
#include "app/gui/frame_design_view.h"
#include "app/gui/frame_statement_host.h"
#include "app/gui/main_frame.h"
#include "app/gui/query_window.h"
#include "app/gui/write_back_commands.h"
#include "base/document_titles.h"
#include "base/file_dialogs.h"
#include "gen/gui/generator_commands.h"
#include "model/design.h"
#include "ui/gui/design_canvas.h"
#include "ui/gui/design_picture.h"
#include "ui/gui/design_printout.h"
#include "ui/gui/display_style_sheet.h"
#include "ui/gui/print_setup_dialog.h"

#include <wx/print.h>
#include <wx/printdlg.h>

#include "base/text_codec.h"

namespace tablora {

Design* TableWindowCommands::design() const {
  return frame_.session() != nullptr ? frame_.session()->design() : nullptr;
}

bool TableWindowCommands::IsTableCommandEnabled(int id, int table) const {
  Design* d = design();
  if (d == nullptr || table < 0 || table >= d->tableCount()) return false;
  switch (id) {
    case table_cmd::kProperties:
    case table_cmd::kWholeBox:
    case table_cmd::kDisplayStyles:
    case table_cmd::kGenCStruct:
    case table_cmd::kGenJavaClass:
    case table_cmd::kGenCppClass:
    case table_cmd::kSaveTableScript:
    case table_cmd::kTextColour:
    case table_cmd::kBackColour:
    case table_cmd::kSelectStatement:
    case table_cmd::kInsertStatement:
    case table_cmd::kUpdateStatement:
    case table_cmd::kDeleteStatement:
    case table_cmd::kBackupStatement:
    case table_cmd::kDropStatement:
    case table_cmd::kSelectOne:
    case table_cmd::kSelectTen:
    case table_cmd::kSelectAll:
    case table_cmd::kRemoveTable:
      return true;
    case table_cmd::kReloadFromDatabase:
    case table_cmd::kWriteToDatabase:
    case table_cmd::kWriteCommentsToDatabase:
      return frame_.session()->database() != nullptr;
    default:
      return false;
  }
}

void TableWindowCommands::RunTableCommand(int id, int table) {
  if (!IsTableCommandEnabled(id, table)) return;
  switch (id) {
    case table_cmd::kProperties:
      frame_.designWindow().ShowSheet(table);
      break;
    case table_cmd::kWholeBox:
      if (DesignCanvas* canvas = frame_.designWindow().Canvas()) canvas->ToggleWholeBox(table);
      break;
    case table_cmd::kDisplayStyles:
      ChooseDisplayStyles(table);
      break;
    case table_cmd::kGenCStruct:
    case table_cmd::kGenJavaClass:
    case table_cmd::kGenCppClass:
      RunGeneratorForTable(frame_, &frame_, id, table);
      break;
    case table_cmd::kSaveTableScript:
      frame_.session()->SaveTableScript(table);
      break;
    case table_cmd::kTextColour:
      frame_.layoutCommands().ChooseColour(table, ColourChoice::kText);
      break;
    case table_cmd::kBackColour:
      frame_.layoutCommands().ChooseColour(table, ColourChoice::kBackground);
      break;
    case table_cmd::kSelectStatement:
    case table_cmd::kInsertStatement:
    case table_cmd::kUpdateStatement:
    case table_cmd::kDeleteStatement:
    case table_cmd::kBackupStatement:
    case table_cmd::kDropStatement:
      OpenStatementBuilder(frame_, id, table);
      break;
    case table_cmd::kSelectOne:
      QueryWindow::Open(&frame_, frame_)->ShowTableRows(1, table);
      break;
    case table_cmd::kSelectTen:
      QueryWindow::Open(&frame_, frame_)->ShowTableRows(10, table);
      break;
    case table_cmd::kSelectAll:
      QueryWindow::Open(&frame_, frame_)->ShowTableRows(-1, table);
      break;
    case table_cmd::kReloadFromDatabase:
    case table_cmd::kWriteToDatabase:
    case table_cmd::kWriteCommentsToDatabase:
      RunWriteBackCommand(frame_, id, table);
      break;
    case table_cmd::kRemoveTable:
      RemoveTables(table);
      break;
    default:
      break;
  }
}

void TableWindowCommands::RegisterMainCommands() {
  CommandRegistry& registry = frame_.commandRegistry();
  const auto hasDesign = [this] { return design() != nullptr; };
  registry.Register(
      cmd::kNewTable, [this] { NewTable(); }, hasDesign);
  registry.Register(
      cmd::kDisplayStyles, [this] { ChooseDisplayStyles(-1); }, hasDesign);
  registry.Register(
      cmd::kPrintPreview, [this] { ShowPrintPreview(); }, hasDesign);
  registry.Register(
      cmd::kPrint, [this] { Print(); }, hasDesign);
  registry.Register(
      cmd::kPrintSetup, [this] { PageSetup(); }, hasDesign);
  registry.Register(
      cmd::kExportPicture, [this] { ExportPicture(); }, hasDesign);
  // The zoom commands scale the design window in front.
  const auto shown = [this]() -> DesignCanvas* {
    DocumentFrame* document = frame_.ActiveDocument();
    return document != nullptr && design() != nullptr && frame_.appState().designHasContent
               ? document->tableView()
               : nullptr;
  };
  const auto canZoom = [shown] { return shown() != nullptr; };
  const auto zoom = [shown](void (*change)(DesignCanvas&)) {
    return [shown, change] {
      if (DesignCanvas* canvas = shown()) change(*canvas);
    };
  };
  registry.Register(cmd::kZoomIn, zoom([](DesignCanvas& c) { c.ZoomIn(); }), canZoom);
  registry.Register(cmd::kZoomOut, zoom([](DesignCanvas& c) { c.ZoomOut(); }), canZoom);
  registry.Register(cmd::kZoomActual, zoom([](DesignCanvas& c) { c.SetZoom(ZoomLevels::kActual); }),
                    canZoom);
  registry.Register(cmd::kZoomFit, zoom([](DesignCanvas& c) { c.ZoomToFit(); }), canZoom);
}

TableSurface* TableWindowCommands::surface() const {
  DesignCanvas* canvas = frame_.designWindow().Canvas();
  return canvas != nullptr ? canvas->surface() : nullptr;
}

namespace {
/// The paper, the printer and the scale chosen last, for the whole run.
PrintChoice& Printing() {
  static PrintChoice choice;
  return choice;
}
}  // namespace

wxPrintPreview* TableWindowCommands::ShowPrintPreview() {
  wxPrintDialogData data(Printing().paper);
  const bool fit = Printing().fitToPage;
  auto* preview = new wxPrintPreview(new DesignPrintout(surface(), frame_.appState(), fit),
                                     new DesignPrintout(surface(), frame_.appState(), fit), &data);
  if (!preview->IsOk()) {
    delete preview;
    return nullptr;
  }
  auto* window = new wxPreviewFrame(preview, &frame_, wxString::FromUTF8(u8"打印预览"),
                                    wxDefaultPosition, wxSize(900, 700));
  window->Initialize();
  window->Show();
  return preview;
}

void TableWindowCommands::Print() {
  wxPrintDialogData data(Printing().paper);
  wxPrinter printer(&data);
  DesignPrintout printout(surface(), frame_.appState(), Printing().fitToPage);
  if (printer.Print(&frame_, &printout, true)) {
    Printing().paper = printer.GetPrintDialogData().GetPrintData();
  }
}

void TableWindowCommands::PageSetup() {
  PrintSetupDialog dialog(&frame_, Printing());
  if (dialog.ShowModal() == wxID_OK) Printing() = dialog.choice();
}

void TableWindowCommands::ExportPicture() {
  TableSurface* s = surface();
  if (s == nullptr) return;
  const std::string path = frame_.prompts().ChooseSaveFile(
      FileDialogs::ExportPicture(frame_.session() != nullptr ? frame_.session()->currentPath() : ""));
  if (path.empty()) return;
  std::string error;
  if (!DesignPicture::Export(path, *s, frame_.appState(), &error)) {
    frame_.prompts().ShowMessage(error, "Tablora");
  }
}

void TableWindowCommands::RemoveTables(int table) {
  DesignCanvas* canvas = frame_.designWindow().Canvas();
  const std::vector<int> tables = canvas != nullptr ? canvas->TablesWith(table) : std::vector<int>{table};
  if (tables.size() <= 1) {
    design()->AskRemoveTable(table);
    return;
  }
  const std::string count = std::to_string(tables.size());
  if (!frame_.prompts().AskYesNo(Cp936(u8"要从设计中删除选中的 ") + count +
                                     Cp936(u8" 个表吗?\n(只删除设计中的表, 数据库中的表不受影响)"),
                                 "")) {
    return;
  }
  // The last first: the indexes of the others stay as they were.
  design()->BeginChanges(Cp936(u8"删除 ") + count + Cp936(u8" 个表"));
  for (auto it = tables.rbegin(); it != tables.rend(); ++it) design()->RemoveTable(*it);
  design()->EndChanges();
}

void TableWindowCommands::NewTable() {
  Design* d = design();
  if (d == nullptr) return;
  frame_.FindView(DocumentTitles::DesignView());
  if (d->AddTable(true, -1) < 0) return;
  frame_.appState().designHasContent = true;
  frame_.RefreshDesignViews();
}

void TableWindowCommands::ChooseDisplayStyles(int table) {
  DisplayStyleSheet sheet(&frame_, frame_.appState().settings);
  if (sheet.ShowModal() != wxID_OK) return;
  DisplayStyles::ApplyChoice(frame_.appState().settings, sheet.choice());
  if (DesignHistory* history = frame_.session() != nullptr ? frame_.session()->history() : nullptr)
    history->StylesChanged();
  for (DocumentFrame* document : frame_.documents()) {
    if (document->tableView() != nullptr) document->tableView()->Restyle(table);
  }
}

}  // namespace tablora
