#include "model/design.h"

#include <algorithm>

#include "base/text_codec.h"

namespace tablora {

Design::Design(AppState& app, Prompts& prompts, TableTextParser& parser, DesignView* view)
    : app_(app), prompts_(prompts), parser_(parser), view_(view ? view : &headlessView_) {}

Design::~Design() = default;

namespace {
/// The width every table window has in the current column style (the style the view shows:
/// the first one when the current number lies outside the list), or 0 when it depends on the
/// table (the first word has no width: the window fits its title) or there is no style.
int StyleWindowWidth(const Settings& settings) {
  Settings shown;
  shown.columnStyles = settings.columnStyles;
  shown.columnWidths = settings.columnWidths;
  const int count = static_cast<int>(settings.columnStyles.size());
  shown.currentColumnStyle =
      settings.currentColumnStyle >= 1 && settings.currentColumnStyle <= count
          ? settings.currentColumnStyle
          : 1;
  const std::vector<Settings::StyleWord> words = shown.SplitCurrentColumnStyle();
  if (words.empty() || words.front().width < 0) return 0;
  int width = TableWindowState::kFrameExtra;
  for (const Settings::StyleWord& word : words) width += std::max(word.width, 0);
  return width;
}
}  // namespace

void Design::FillHidden(TableEditor& editor, int index) {
  // Every page built once, then the definition read in and the pages it feeds rebuilt.
  editor.ActivatePage(TableEditor::kNamePage);
  editor.ActivatePage(TableEditor::kDesignPage);
  editor.ActivatePage(TableEditor::kSqlPage);
  editor.FillFromDefinition(definitions_, index);
  editor.ActivatePage(TableEditor::kDesignPage);
  editor.ActivatePage(TableEditor::kSqlPage);
}

TableWindowState Design::PlaceWindow(int index) {
  const Settings& s = app_.settings;
  // Windows whose columns fit their texts get their widths only when fitted; the view
  // then moves the windows right of a wider one aside.
  const int styleWidth = s.fitColumnWidths ? 0 : StyleWindowWidth(s);
  const int cell = styleWidth > s.tableWinWidth + s.marginW ? styleWidth + s.marginW
                                                            : s.tableWinWidth + s.marginW;
  // A view narrower than one window and its margin still holds one table per row.
  tablesPerRow_ = std::max(1, cell > 0 ? view_->ClientWidth() / cell : 1);
  TableWindowState window;
  window.left = cell * (index % tablesPerRow_);
  window.top = (index / tablesPerRow_) * (s.tableWinHeight + s.marginH);
  window.right = window.left + s.tableWinWidth;
  window.bottom = window.top + s.tableWinHeight;
  return window;
}

int Design::AddTable(bool show, int index) {
  if (index < 0) {
    if (entries_.empty()) {
      int kind = app_.databaseKind;
      if (prompts_.ChooseDatabaseKind(kind)) app_.databaseKind = kind;
    }
    index = tableCount();
  }
  TableEditor* added = NewEntry(index);
  if (added == nullptr) return -1;
  TableEditor& editor = *added;

  // The view hears of the table once it is complete: no change notes before that.
  addingIndex_ = index;
  if (show) {
    editor.Show();
  } else {
    FillHidden(editor, index);
  }
  addingIndex_ = -1;
  view_->TableAdded(index, show);
  return index;
}

int Design::AddSettledTable(int index) {
  TableEditor* editor = NewEntry(index);
  if (editor == nullptr) return -1;
  addingIndex_ = index;
  editor->AdoptRecord(definitions_, index);
  addingIndex_ = -1;
  view_->TableAdded(index, false);
  return index;
}

TableEditor* Design::NewEntry(int index) {
  if (!view_->IsOpen()) return nullptr;
  view_->ScrollToOrigin();

  auto entry = std::make_unique<TableEntry>();
  entry->tableIndex = index;
  entry->window = PlaceWindow(index);
  if (view_->ScrollHeight() - 10 < entry->window.bottom) {
    view_->SetScrollHeight(view_->ScrollHeight() + view_->ClientHeight());
  }
  entry->editor = std::make_unique<TableEditor>(app_, parser_, *this, index);
  TableEditor* editor = entry->editor.get();
  entries_.push_back(std::move(entry));
  return editor;
}

const std::vector<TableDesign>& Design::RefreshTableDefinitions() {
  for (auto& entry : entries_) {
    TableEditor& editor = *entry->editor;
    if (editor.RecordCurrent()) continue;
    if (editor.tableText().empty() && editor.extraStatements().empty()) continue;
    // The grid is not refilled: edits made since the text was built stay in it.
    editor.ParseSqlText(false);
  }
  return definitions_;
}

void Design::ClearDesign() {
  definitions_.clear();
  entries_.clear();
  procedures_.clear();
  userTypes_.clear();
  view_->DesignCleared();
}

Design::RemovedTable Design::RemoveTable(int index) {
  RemovedTable removed;
  if (index < 0 || index >= tableCount()) return removed;
  TableEditor& gone = editor(index);
  // The definition as the editor's text gives it now, for putting the table back.
  if (!gone.RecordCurrent() && !(gone.tableText().empty() && gone.extraStatements().empty())) {
    gone.ParseSqlText(false);
  }
  removed.index = index;
  removed.window = entries_[static_cast<std::size_t>(index)]->window;
  if (index < static_cast<int>(definitions_.size())) {
    removed.hadDefinition = !definitions_[static_cast<std::size_t>(index)].actualName.empty();
    removed.definition = std::move(definitions_[static_cast<std::size_t>(index)]);
    definitions_.erase(definitions_.begin() + index);
  }
  entries_.erase(entries_.begin() + index);
  for (int i = index; i < tableCount(); ++i) {
    TableEntry& moved = *entries_[static_cast<std::size_t>(i)];
    moved.tableIndex = i;
    moved.editor->setTableIndex(i);
  }
  view_->TableRemoved(index);
  return removed;
}

bool Design::AskRemoveTable(int index) {
  if (index < 0 || index >= tableCount()) return false;
  const TableNames& names = editor(index).names();
  std::string name = TreeText(names.actualName, names.displayName);
  if (name.empty()) name = Cp936(u8"新表") + std::to_string(index + 1);
  const std::string question = Cp936(u8"要从设计中删除表 ") + name +
                               Cp936(u8" 吗?\n(只删除设计中的表, 数据库中的表不受影响)");
  if (!prompts_.AskYesNo(question, "")) return false;
  return RemoveTable(index).index >= 0;
}

int Design::InsertTable(const RemovedTable& table) {
  if (!view_->IsOpen()) return -1;
  const int index = std::clamp(table.index, 0, tableCount());
  auto entry = std::make_unique<TableEntry>();
  entry->tableIndex = index;
  entry->window = table.window;
  entry->editor = std::make_unique<TableEditor>(app_, parser_, *this, index);
  TableEditor& editor = *entry->editor;
  entries_.insert(entries_.begin() + index, std::move(entry));
  for (int i = index + 1; i < tableCount(); ++i) {
    TableEntry& moved = *entries_[static_cast<std::size_t>(i)];
    moved.tableIndex = i;
    moved.editor->setTableIndex(i);
  }
  const auto at = static_cast<std::size_t>(index);
  if (at <= definitions_.size()) {
    // A table without a definition keeps an empty place when later tables have theirs.
    if (table.hadDefinition || at < definitions_.size()) {
      definitions_.insert(definitions_.begin() + index,
                          table.hadDefinition ? table.definition : TableDesign{});
    }
  } else if (table.hadDefinition) {
    definitions_.resize(at);
    definitions_.push_back(table.definition);
  }
  addingIndex_ = index;
  if (table.hadDefinition) {
    FillHidden(editor, index);
  }
  addingIndex_ = -1;
  view_->TableInserted(index);
  return index;
}

void Design::SetWindow(int index, const TableWindowState& window) {
  if (index < 0 || index >= tableCount()) return;
  entry(index).window = window;
  view_->TableWindowSet(index);
}

bool Design::IsBlankTable(int index) {
  if (index < 0 || index >= tableCount()) return false;
  // A table read or built once keeps its definition even when its editor is emptied.
  const bool defined = index < static_cast<int>(definitions_.size()) &&
                       !definitions_[static_cast<std::size_t>(index)].actualName.empty();
  return !defined && editor(index).IsBlank();
}

void Design::ReplaceTable(int index, TableDesign table) {
  if (index < 0 || index >= tableCount()) return;
  TableEditor& replaced = editor(index);
  // The editor's text and grid stand as they were built from the record replaced.
  replaced.Realise();
  if (static_cast<int>(definitions_.size()) <= index) {
    definitions_.resize(static_cast<std::size_t>(index) + 1);
  }
  definitions_[static_cast<std::size_t>(index)] = std::move(table);
  replaced.ClearGrid();
  replaced.FillFromDefinition(definitions_, index);
  replaced.ActivatePage(TableEditor::kDesignPage);
  replaced.ActivatePage(TableEditor::kSqlPage);
  TableChanged(index);
}

void Design::TreeTextChanged(int tableIndex, const std::string& treeText) {
  if (tableIndex != addingIndex_) view_->TableTreeTextChanged(tableIndex, treeText);
}

void Design::TableChanged(int tableIndex) {
  if (tableIndex != addingIndex_) view_->TableChanged(tableIndex);
}

void Design::TableWindowChanged(int tableIndex) {
  if (tableIndex != addingIndex_) view_->TableWindowChanged(tableIndex);
}

}  // namespace tablora
