#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/app_state.h"
#include "model/cell_grid.h"
#include "model/table_design.h"
#include "model/table_names.h"
#include "model/table_text_parser.h"

namespace tablora {

/// A coloured stretch of the SQL page's text, in character positions (a byte of 128 or
/// more and the byte after it count as one character); `end` is exclusive.
struct HighlightSpan {
  std::size_t start = 0;
  std::size_t end = 0;
  Rgb colour;
  bool operator==(const HighlightSpan& o) const {
    return start == o.start && end == o.end && colour == o.colour;
  }
};

/// What a table editor needs from the design it belongs to.
class TableEditorHost {
 public:
  virtual ~TableEditorHost() = default;
  /// The design's definition list, written by the editor's parse step.
  virtual std::vector<TableDesign>& Definitions() = 0;
  /// The table's tree item text changed (names edited or filled).
  virtual void TreeTextChanged(int tableIndex, const std::string& treeText) = 0;
  /// The table's definition was replaced: its window should be redrawn.
  virtual void TableChanged(int tableIndex) = 0;
};

/// The header captions, column widths and size of the editor's grid.
struct EditorGridLayout {
  int rowCount = 0;
  int fixedRows = 1;
  int fixedColumns = 1;
  std::vector<std::string> captions;  ///< header row texts, one per column
  std::vector<int> widths;            ///< pixels; -1 when the settings give none
  Rgb cellBackground{128, 255, 128};
};

/// The data of one table's editor sheet: the name page with its following flag, the
/// design page's grid, and the SQL page's texts, as the window program shows them and
/// as the command-line tool and tests drive them. Pages: 0 names, 1 grid, 2 SQL.
class TableEditor {
 public:
  /// The grid has at least kMinGridRows rows (the header row included), and always
  /// kSpareRows empty rows below a table's columns for typing more.
  static constexpr int kMinGridRows = 50;
  static constexpr int kSpareRows = 10;
  /// The row count a grid needs for a table of `columns` columns.
  static int GridRowsFor(std::size_t columns);
  enum Page { kNamePage = 0, kDesignPage = 1, kSqlPage = 2 };

  /// `host` (not owned) receives the parsed definition and the notifications.
  TableEditor(const AppState& app, TableTextParser& parser, TableEditorHost& host, int tableIndex);

  int tableIndex() const { return tableIndex_; }
  /// The table moved to another index (a table before it was removed).
  void setTableIndex(int index) { tableIndex_ = index; }
  /// True when nothing was entered: no names, comment or group, and no cell below the
  /// grid's header row holds text.
  bool IsBlank() const;

  /// Takes definition `index` of `list` (a record EditorRecord::Settle brought to the form
  /// this editor's build-and-parse cycle gives it) as the table's record: the pages exist
  /// and the SQL page is active as after FillFromDefinition and BuildSqlText, but the SQL
  /// text is built, and the grid filled, from the record only when first needed.
  void AdoptRecord(const std::vector<TableDesign>& list, int index);
  /// Builds what AdoptRecord left for later; called before the record is replaced from
  /// outside the editor.
  void Realise();
  /// True when the table's definition is the parse of the editor's current text: the text
  /// has not changed since the definition was taken from it, nor the definition since.
  bool RecordCurrent() const;

  // Sheet and pages.
  /// Makes `page` the active page, creating it first when needed; the SQL page builds
  /// the table's SQL text each time it becomes active.
  void ActivatePage(int page);
  bool PageExists(int page) const { return page >= 0 && page < 3 && pageExists_[page]; }
  int activePage() const { return activePage_; }
  bool visible() const { return visible_; }
  /// Shows the sheet (creating the name page when no page exists yet).
  void Show();
  /// The close box: activates the SQL page, applies its text and hides the sheet. False,
  /// and the sheet stays, when the typed text holds no table.
  bool Close();

  // Name page.
  const TableNames& names() const { return names_; }
  bool following() const { return following_; }
  /// The display name box changed (each keystroke).
  void DisplayNameChanged(const std::string& text);
  /// Empties the name page as a new editor's is (the owner as the database kind gives
  /// it), so that filling it from a record afterwards takes every name from the record.
  void ResetNames();
  /// The actual name box changed; `typedByUser` when the box has the keyboard focus.
  void ActualNameChanged(const std::string& text, bool typedByUser);
  void CommentChanged(const std::string& text) {
    Realise();
    names_.comment = text;
  }
  void GroupChanged(const std::string& text) {
    Realise();
    names_.group = text;
  }
  void OwnerChanged(const std::string& text) {
    Realise();
    names_.owner = text;
  }

  // Design page.
  /// The grid layout the design page creates from the settings.
  static EditorGridLayout GridLayout(const Settings& settings);
  /// The grid the editor works on: its own cells, or the one attached.
  GridCells& grid() {
    Realise();  // the text stays as built from the grid before any edit
    return *grid_;
  }
  const GridCells& grid() const {
    RealiseGrid();
    return *grid_;
  }
  /// Hands in the grid window (not owned; null returns to the editor's own cells). The
  /// texts of the current grid are copied into it where both have cells.
  void AttachGrid(GridCells* grid);
  /// Fills the name page and grid rows 1.. from definition `index` of `list`; nothing
  /// for an index outside the list. The grid grows to hold every column.
  void FillFromDefinition(const std::vector<TableDesign>& list, int index);
  /// Empties every row of the grid below the header row.
  void ClearGrid();

  // SQL page.
  const std::string& tableText() const {
    RealiseText();
    return tableText_;
  }
  const std::string& extraStatements() const {
    RealiseText();
    return extraStatements_;
  }
  /// The table text followed by the extra statements, as the design parses it.
  std::string SqlText() const {
    RealiseText();
    return tableText_ + extraStatements_;
  }
  /// The text the SQL page's edit control holds, and its colouring.
  const std::string& shownText() const {
    RealiseShown();
    return shownText_;
  }
  const std::vector<HighlightSpan>& highlights() const {
    RealiseShown();
    return highlights_;
  }
  /// The user edited the SQL page's text.
  void EditShownText(const std::string& text) {
    RealiseShown();
    shownText_ = text;
  }
  bool showExtraStatements() const { return showExtra_; }
  /// Check box "显示扩展SQL语句" toggled.
  void SetShowExtraStatements(bool show);
  /// The SQL page's activation step: builds the table text and extra statements from the
  /// names and grid, shows them and parses them back into the table's definition.
  void BuildSqlText();
  /// Button "更新(&U)": takes the shown text (unless the extra statements are shown),
  /// parses it into the definition, refills the grid and rebuilds the text. False, and
  /// nothing changes, when text the user typed holds no table.
  bool ApplySqlText();
  /// The one-table parse: the table text followed by the extra statements replaces the
  /// table's definition, and with `refillGrid` the grid is refilled from it. False when
  /// no table was found.
  bool ParseSqlText(bool refillGrid = true);

  /// The colouring of `text`: data type names of `typeNames` standing alone, "--"
  /// comments up to a line feed, "/* */" comments.
  static std::vector<HighlightSpan> Highlight(const std::string& text,
                                              const std::vector<std::string>& typeNames,
                                              Rgb typeColour, Rgb commentColour);

 private:
  void CreatePage(int page);
  void ShowText(const std::string& text) const;
  void NotifyTreeText();
  void FillNames(const TableDesign& table);
  void FillGrid(GridCells& grid, const TableDesign& table) const;
  /// The grid of the design page as CreatePage makes it: header captions, empty rows.
  void LayOutGrid(CellGrid& grid) const;
  /// The record AdoptRecord took (definition tableIndex_ of the host).
  const TableDesign& AdoptedRecord() const;
  /// Build what AdoptRecord left for later: the grid, the table text and extra
  /// statements, the shown text with its colouring.
  void RealiseGrid() const;
  void RealiseText() const;
  void RealiseShown() const;
  /// Notes that the definition was just taken from the current text.
  void RecordTaken();

  const AppState& app_;
  TableTextParser& parser_;
  TableEditorHost& host_;
  int tableIndex_;

  std::array<bool, 3> pageExists_{false, false, false};
  int activePage_ = -1;
  bool visible_ = false;

  TableNames names_;
  bool following_ = false;

  // Work AdoptRecord leaves for later: its results are built from the adopted record when
  // first asked for, so these are filled in by const accessors.
  mutable bool gridPending_ = false;
  mutable bool textPending_ = false;
  mutable bool shownPending_ = false;
  int adoptedKind_ = 0;  ///< the database kind the pending text is built for
  mutable CellGrid ownGrid_;
  GridCells* grid_ = &ownGrid_;

  mutable std::string tableText_;
  mutable std::string extraStatements_;
  mutable std::string shownText_;
  mutable std::vector<HighlightSpan> highlights_;
  bool showExtra_ = false;

  // The text the definition was last taken from, and the definition as it was taken.
  bool textChanged_ = true;  ///< the text changed since the definition was taken from it
  std::uint64_t recordHash_ = 0;
};

}  // namespace tablora
