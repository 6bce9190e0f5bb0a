#include "app/gui/frame_design_view.h"

#include <algorithm>

#include "app/gui/design_layout_commands.h"
#include "app/gui/document_frame.h"
#include "app/gui/main_frame.h"
#include "app/gui/work_box.h"
#include "app/gui/work_box_commands.h"
#include "base/document_titles.h"
#include "model/design.h"
#include "ui/gui/design_canvas.h"
#include "ui/gui/table_editor_sheet.h"

namespace tablora {

namespace {
template <typename F>
void ForEachCanvas(MainFrame& frame, F f) {
  for (DocumentFrame* document : frame.documents()) {
    if (document->tableView() != nullptr) f(*document->tableView());
  }
}
}  // namespace

FrameDesignView::~FrameDesignView() = default;

DesignCanvas* FrameDesignView::Canvas() const {
  DocumentFrame* document = frame_.FindView(DocumentTitles::DesignView());
  return document != nullptr ? document->tableView() : nullptr;
}

bool FrameDesignView::IsOpen() const { return Canvas() != nullptr; }

wxSize FrameDesignView::ClientSize() const {
  DesignCanvas* view = Canvas();
  if (view == nullptr) return {HeadlessDesignView::kClientWidth, HeadlessDesignView::kClientHeight};
  if (view->IsShownOnScreen()) return view->GetClientSize();
  // Not laid out yet (a design opened before the window is shown, or a picture exported
  // without showing it): the frame's client area beside the work box, less the frame GTK's
  // tab book draws around its page, is what the view will get; tables are then placed as
  // in a shown window of that size.
  wxSize size = frame_.workBox().DocumentArea(wxRect(frame_.GetClientSize())).GetSize();
  size.x -= kTabBookFrame;
  return wxSize(std::max(size.x, view->GetClientSize().x),
                std::max(size.y, view->GetClientSize().y));
}

int FrameDesignView::ClientWidth() const { return ClientSize().x; }

int FrameDesignView::ClientHeight() const { return ClientSize().y; }

void FrameDesignView::SetScrollHeight(int totalHeight) {
  scrollHeight_ = totalHeight;
  ForEachCanvas(frame_,
                [totalHeight](DesignCanvas& canvas) { canvas.SetScrollHeight(totalHeight); });
}

void FrameDesignView::ScrollToOrigin() {
  if (DesignCanvas* view = Canvas()) view->Scroll(0, 0);
  RefreshSoon();
}

void FrameDesignView::TableAdded(int index, bool show) {
  frame_.workBoxCommands().TableAdded(index, show);
  RefreshSoon();
  if (show) ShowSheet(index);
}

void FrameDesignView::TableChanged(int index) {
  frame_.workBoxCommands().TableChanged(index);
  ForEachCanvas(frame_, [index](DesignCanvas& canvas) { canvas.TableChanged(index); });
  if (TableEditorSheet* sheet = Sheet(index)) sheet->ShowEditorData();
}

void FrameDesignView::TableTreeTextChanged(int index, const std::string& treeText) {
  frame_.workBoxCommands().TableTreeTextChanged(index, treeText);
  // The window's title follows the names as they are typed.
  ForEachCanvas(frame_, [index](DesignCanvas& canvas) { canvas.TableChanged(index); });
}

void FrameDesignView::DesignCleared() {
  frame_.workBoxCommands().DesignCleared();
  DestroySheets();
  ForEachCanvas(frame_, [](DesignCanvas& canvas) { canvas.DesignCleared(); });
  RefreshSoon();
}

void FrameDesignView::TableRemoved(int index) {
  // The sheet of the table goes; the sheets of the tables after it keep their editors.
  std::map<int, TableEditorSheet*> kept;
  for (auto& [table, sheet] : sheets_) {
    if (table == index) {
      sheet->Orphan();
      sheet->Destroy();
    } else {
      kept.emplace(table > index ? table - 1 : table, sheet);
    }
  }
  sheets_ = std::move(kept);
  frame_.workBoxCommands().TableRemoved(index);
  ForEachCanvas(frame_, [index](DesignCanvas& canvas) { canvas.TableRemoved(index); });
  RefreshSoon();
}

void FrameDesignView::TableInserted(int index) {
  std::map<int, TableEditorSheet*> kept;
  for (auto& [table, sheet] : sheets_) kept.emplace(table >= index ? table + 1 : table, sheet);
  sheets_ = std::move(kept);
  frame_.workBoxCommands().Rebuild();
  ForEachCanvas(frame_, [index](DesignCanvas& canvas) { canvas.TableInserted(index); });
  RefreshSoon();
}

void FrameDesignView::TableWindowSet(int index) {
  ForEachCanvas(frame_, [index](DesignCanvas& canvas) { canvas.TableWindowSet(index); });
}

void FrameDesignView::SheetClosed(TableEditorSheet* sheet) {
  // After the close event is done: the sheet goes with its table.
  frame_.CallAfter([this, sheet] {
    for (auto& [table, shown] : sheets_) {
      if (shown != sheet) continue;
      Design* design = frame_.session() != nullptr ? frame_.session()->design() : nullptr;
      if (design != nullptr && design->IsBlankTable(table)) design->RemoveTable(table);
      return;
    }
  });
}

void FrameDesignView::DestroySheets() {
  for (auto& [index, sheet] : sheets_) sheet->Destroy();
  sheets_.clear();
}

TableEditorSheet* FrameDesignView::Sheet(int index) const {
  auto it = sheets_.find(index);
  return it != sheets_.end() ? it->second : nullptr;
}

void FrameDesignView::ShowSheet(int index) {
  Design* design = frame_.session() != nullptr ? frame_.session()->design() : nullptr;
  if (design == nullptr || index < 0 || index >= design->tableCount()) return;
  TableEditorSheet* sheet = Sheet(index);
  if (sheet == nullptr) {
    sheet =
        new TableEditorSheet(&frame_, frame_.appState(), frame_.prompts(), design->editor(index));
    sheet->SetOnClosed([this, sheet] { SheetClosed(sheet); });
    sheets_[index] = sheet;
  }
  sheet->ShowSheet();
}

void FrameDesignView::RefreshSoon() {
  // An open adds thousands of tables: the canvas follows once, afterwards.
  if (refreshPending_) return;
  refreshPending_ = true;
  frame_.CallAfter([this] {
    refreshPending_ = false;
    frame_.RefreshDesignViews();
  });
}

void FrameDesignView::DesignLoaded() { frame_.workBoxCommands().DesignLoaded(); }

void FrameDesignView::ArrangeDesign() {
  const Design* design = frame_.session() != nullptr ? frame_.session()->design() : nullptr;
  if (design == nullptr) return;
  ArrangeOptions options;
  options.tablesPerRow = design->tablesPerRow();
  options.width = frame_.appState().settings.tableWinWidth;
  frame_.layoutCommands().ApplyArrange(options);
}

void FrameDesignView::SetRootTexts(const std::string& text) {
  if (WorkBoxTrees* trees = frame_.workBoxCommands().trees()) trees->SetRootTexts(text);
}

}  // namespace tablora
