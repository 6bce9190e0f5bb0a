#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/app_state.h"
#include "base/prompts.h"
#include "model/design_view.h"
#include "model/procedure_design.h"
#include "model/table_design.h"
#include "model/table_editor.h"
#include "model/table_text_parser.h"

namespace tablora {

/// The rectangle and colours of a table window, in the view's client coordinates. The
/// window program keeps them current when a window is moved or recoloured.
struct TableWindowState {
  /// A window is its grid's content and this many pixels of frame wide (and high).
  static constexpr int kFrameExtra = 5;

  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  std::uint32_t textColour = 0;         ///< COLORREF 0x00BBGGRR, black
  std::uint32_t bkColour = 0x0080FF80;  ///< COLORREF of RGB(128, 255, 128)
  /// The window is as tall as all its lines (the surface keeps it; not saved in scripts).
  bool wholeBox = false;

  bool operator==(const TableWindowState& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom &&
           textColour == o.textColour && bkColour == o.bkColour && wholeBox == o.wholeBox;
  }
  bool operator!=(const TableWindowState& o) const { return !(*this == o); }
};

/// One table on screen: its window and its editor. Index i of the table list is table i.
struct TableEntry {
  int tableIndex = 0;
  TableWindowState window;
  std::unique_ptr<TableEditor> editor;
};

/// The design the main frame holds: the table definition list, the table list, the
/// procedure list and the current file path, with the operations that create, refresh
/// and release tables.
class Design : public TableEditorHost {
 public:
  /// `parser` turns an editor's SQL text back into a record. `view` (not owned) is the
  /// window side; null means no windows (a HeadlessDesignView).
  Design(AppState& app, Prompts& prompts, TableTextParser& parser, DesignView* view = nullptr);
  ~Design() override;
  Design(const Design&) = delete;
  Design& operator=(const Design&) = delete;

  /// Creates table `index` (-1: the next one). `show`: a new empty table whose editor is
  /// shown; otherwise definition `index` exists and fills the hidden editor. Asks for the
  /// database kind when the first new table of an empty design is made. Returns the
  /// table's index, or -1 when no table was made (no open design view).
  int AddTable(bool show, int index);
  /// AddTable(false, index) for a definition that EditorRecord::Settle brought to the
  /// form its editor's build-and-parse cycle gives: the editor keeps it as it is and
  /// builds its text and grid only when they are first needed.
  int AddSettledTable(int index);
  /// Parses every editor's SQL text back into its definition (editors without text keep
  /// their definitions; an editor whose text and definition are unchanged since the
  /// definition was taken from that text is not read again) and returns the definition
  /// list. Grids are not refilled, so grid
  /// edits made since an editor last built its text stay in the grid.
  const std::vector<TableDesign>& RefreshTableDefinitions();
  /// Releases every table, editor and procedure.
  void ClearDesign();

  /// What RemoveTable took out: enough to put the table back at its index.
  struct RemovedTable {
    int index = -1;              ///< -1: nothing was removed
    bool hadDefinition = false;  ///< the editor had built its text (a new one may not)
    TableDesign definition;      ///< as the editor's text last gave it
    TableWindowState window;
  };
  /// Takes table `index` out of the design: its definition, entry, editor and window; the
  /// tables after it move down one index (their entries, editors and the view follow, the
  /// view told by TableRemoved). Nothing is sent to a database.
  RemovedTable RemoveTable(int index);
  /// Asks whether table `index` is to be taken out of the design, naming it; yes removes it
  /// (RemoveTable). True when it was removed.
  bool AskRemoveTable(int index);
  /// Puts a table RemoveTable took out back at its index (the end when past it): the
  /// tables from there on move up one index, the view told by TableInserted. Returns the
  /// index, or -1 without an open design view.
  int InsertTable(const RemovedTable& table);
  /// Sets table `index`'s window state as a whole (undo and redo); the view is told by
  /// TableWindowSet.
  void SetWindow(int index, const TableWindowState& window);
  /// True for a new table that holds nothing: never built into a definition, and no names,
  /// comment, group or grid cell in its editor (a new table left as it was made).
  bool IsBlankTable(int index);
  /// Puts `table` in place of table `index`, as refreshing it from the database does: the
  /// editor is filled from it and builds its text again; the window keeps its place.
  void ReplaceTable(int index, TableDesign table);

  /// Definition i describes table i. A record with an empty actual name holds the place
  /// of a new table whose editor has not built its text yet (a later table's had): skip it.
  const std::vector<TableDesign>& definitions() const { return definitions_; }
  std::vector<TableDesign>& definitions() { return definitions_; }
  const std::vector<std::unique_ptr<TableEntry>>& entries() const { return entries_; }
  TableEntry& entry(int index) { return *entries_.at(index); }
  TableEditor& editor(int index) { return *entries_.at(index)->editor; }
  int tableCount() const { return static_cast<int>(entries_.size()); }
  int tablesPerRow() const { return tablesPerRow_; }
  void setTablesPerRow(int perRow) { tablesPerRow_ = perRow; }
  std::vector<ProcedureDesign>& procedures() { return procedures_; }
  /// The user-defined data types the design's tables use, in the order they were read.
  std::vector<UserType>& userTypes() { return userTypes_; }
  const std::vector<UserType>& userTypes() const { return userTypes_; }
  /// The script the design was opened from or last saved to; empty for none.
  const std::string& currentPath() const { return currentPath_; }
  /// True when the file at currentPath() holds statements the design does not keep
  /// (views, procedures, triggers, functions, data loads, ...): a save over it loses them.
  bool currentFileHoldsMore() const { return currentFileHoldsMore_; }
  /// `holdsMore` as the reader found it; a file the writer just wrote holds nothing more.
  void setCurrentPath(const std::string& path, bool holdsMore = false) {
    currentPath_ = path;
    currentFileHoldsMore_ = holdsMore;
    currentFileUtf8_ = false;
  }
  /// True when the user chose to save the file at currentPath() in UTF-8 (the save dialog's
  /// second encoding); otherwise saves write GB18030, byte for byte GBK when they can.
  bool currentFileUtf8() const { return currentFileUtf8_; }
  void setCurrentFileUtf8(bool utf8) { currentFileUtf8_ = utf8; }

  Prompts& prompts() { return prompts_; }
  AppState& app() { return app_; }
  const AppState& app() const { return app_; }
  DesignView& view() { return *view_; }

  // TableEditorHost
  std::vector<TableDesign>& Definitions() override { return definitions_; }
  void TreeTextChanged(int tableIndex, const std::string& treeText) override;
  void TableChanged(int tableIndex) override;
  /// The changes made until the matching EndChanges are one step for the user.
  void BeginChanges(const std::string& name) { view_->ChangesBegin(name); }
  void EndChanges() { view_->ChangesEnd(); }
  /// Passes DesignView::TableWindowFitted on.
  void TableWindowFitted(int index) { view_->TableWindowFitted(index); }
  /// Passes DesignView::TableWindowChanged on.
  void TableWindowChanged(int tableIndex);

 private:
  /// Fills the editor of table `index`, which is not shown, from its definition.
  void FillHidden(TableEditor& editor, int index);
  /// The rectangle of new table `index` on a grid of cells `Width` + `MarginW` wide and
  /// `Height` + `MarginH` tall, as many per row as the view's width holds (at least one). A
  /// cell is widened to the window width + `MarginW` when the current column style makes
  /// every window wider than a cell, so that neighbours do not overlap (with
  /// "列宽适应内容" the widths depend on the texts: the view moves windows apart).
  TableWindowState PlaceWindow(int index);
  /// The entry of a new table `index` with its window placed; null without an open view.
  TableEditor* NewEntry(int index);

  AppState& app_;
  Prompts& prompts_;
  TableTextParser& parser_;
  HeadlessDesignView headlessView_;
  DesignView* view_;

  std::vector<TableDesign> definitions_;
  std::vector<std::unique_ptr<TableEntry>> entries_;
  int tablesPerRow_ = 3;
  int addingIndex_ = -1;  ///< the table AddTable is making, whose notes the view does not get
  std::vector<ProcedureDesign> procedures_;
  std::vector<UserType> userTypes_;
  std::string currentPath_;
  bool currentFileHoldsMore_ = false;
  bool currentFileUtf8_ = false;
};

}  // namespace tablora
