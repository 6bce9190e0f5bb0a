#include "model/table_editor.h"

#include <algorithm>

#include "base/gbk_text.h"
#include "model/script_writer.h"

namespace tablora {

namespace {

/// For each byte offset (and the end), the number of characters before it, or npos for
/// a later byte of a multi-byte character, so that a search never lands inside one.
std::vector<std::size_t> CharacterPositions(const std::string& text) {
  std::vector<std::size_t> positions(text.size() + 1, std::string::npos);
  std::size_t i = 0;
  std::size_t chars = 0;
  while (i < text.size()) {
    positions[i] = chars++;
    i += gbk::CharSize(text, i);
  }
  positions[std::min(i, text.size())] = chars;
  return positions;
}

/// The identity cell: the no-text, or the yes-text followed by a seed and increment other
/// than (1,1).
std::string IdentityCell(const Settings& settings, const std::string& identity) {
  if (identity.empty()) return settings.NoText(grid_column::kIdentity);
  const std::string arguments = IdentityArguments(identity);
  const std::string yes = settings.YesText(grid_column::kIdentity);
  return arguments.empty() ? yes : yes + " " + arguments;
}

/// The referenced table cell: "owner.table" when the table has an owner of its own.
std::string RefTableCell(const ForeignKeyRef& ref) {
  return ref.refOwner.empty() ? ref.refTable : ref.refOwner + "." + ref.refTable;
}

}  // namespace

TableEditor::TableEditor(const AppState& app, TableTextParser& parser, TableEditorHost& host,
                         int tableIndex)
    : app_(app), parser_(parser), host_(host), tableIndex_(tableIndex) {}

bool TableEditor::IsBlank() const {
  if (!names_.displayName.empty() || !names_.actualName.empty() || !names_.comment.empty() ||
      !names_.group.empty()) {
    return false;
  }
  const GridCells& cells = grid();
  for (int r = 1; r < cells.GetRowCount(); ++r) {
    for (int c = 0; c < cells.GetColumnCount(); ++c) {
      if (!cells.GetCellText(r, c).empty()) return false;
    }
  }
  return true;
}

void TableEditor::LayOutGrid(CellGrid& grid) const {
  const std::vector<std::string>& captions = app_.settings.gridCaptions;
  grid.Resize(kMinGridRows, static_cast<int>(captions.size()));
  for (std::size_t c = 0; c < captions.size(); ++c) {
    grid.SetCellText(0, static_cast<int>(c), captions[c]);
  }
}

void TableEditor::CreatePage(int page) {
  pageExists_[page] = true;
  if (page == kNamePage) {
    following_ = false;
    if (app_.databaseKind == kSqlServer) names_.owner = "dbo";
    if (app_.databaseKind == kOracle) names_.owner = "SYSTEM";
  } else if (page == kDesignPage && grid_ == &ownGrid_) {
    LayOutGrid(ownGrid_);
  }
}

void TableEditor::AdoptRecord(const std::vector<TableDesign>& list, int index) {
  if (index < 0 || index >= static_cast<int>(list.size())) return;
  Realise();
  CreatePage(kNamePage);
  FillNames(list[index]);
  pageExists_ = {true, true, true};
  activePage_ = kSqlPage;
  gridPending_ = grid_ == &ownGrid_;
  textPending_ = true;
  shownPending_ = true;
  adoptedKind_ = app_.databaseKind;
  RecordTaken();
}

const TableDesign& TableEditor::AdoptedRecord() const {
  static const TableDesign none;
  const std::vector<TableDesign>& definitions = host_.Definitions();
  const std::size_t k = static_cast<std::size_t>(tableIndex_);
  return k < definitions.size() ? definitions[k] : none;
}

void TableEditor::RealiseGrid() const {
  if (!gridPending_) return;
  gridPending_ = false;
  LayOutGrid(ownGrid_);
  FillGrid(ownGrid_, AdoptedRecord());
}

void TableEditor::RealiseText() const {
  if (!textPending_) return;
  textPending_ = false;
  // Built as it would have been when the record was adopted: from the names as they
  // were then (every change of them realises first), the grid filled from the record,
  // and the database kind of that time.
  CellGrid scratch;
  const GridCells* grid = grid_;
  if (gridPending_) {
    LayOutGrid(scratch);
    FillGrid(scratch, AdoptedRecord());
    grid = &scratch;
  }
  AppState other;
  const AppState* app = &app_;
  if (app_.databaseKind != adoptedKind_) {
    other = app_;
    other.databaseKind = adoptedKind_;
    app = &other;
  }
  const ScriptWriter writer(*app);
  const ColumnLines columns = writer.BuildColumnLines(*grid, names_);
  tableText_ = gbk::ReplaceAll(writer.BuildTableHeader(names_), ScriptWriter::kContentPlaceholder,
                               columns.lines);
  extraStatements_ = columns.extraStatements;
}

void TableEditor::RealiseShown() const {
  if (!shownPending_) return;
  RealiseText();
  shownPending_ = false;
  shownText_ = tableText_;
  const Settings& s = app_.settings;
  highlights_ = Highlight(shownText_, s.DataTypes(adoptedKind_), s.dataTypeColour, s.commentColour);
}

void TableEditor::Realise() {
  RealiseShown();
  RealiseGrid();
}

void TableEditor::RecordTaken() {
  textChanged_ = false;
  const std::vector<TableDesign>& definitions = host_.Definitions();
  const std::size_t k = static_cast<std::size_t>(tableIndex_);
  recordHash_ = k < definitions.size() ? RecordHash(definitions[k]) : 0;
}

bool TableEditor::RecordCurrent() const {
  const std::vector<TableDesign>& definitions = host_.Definitions();
  const std::size_t k = static_cast<std::size_t>(tableIndex_);
  return !textChanged_ && k < definitions.size() && RecordHash(definitions[k]) == recordHash_;
}

void TableEditor::ActivatePage(int page) {
  if (page < 0 || page > kSqlPage || page == activePage_) return;
  Realise();
  if (!pageExists_[page]) CreatePage(page);
  activePage_ = page;
  if (page == kSqlPage) BuildSqlText();
}

void TableEditor::Show() {
  if (activePage_ < 0) ActivatePage(kNamePage);
  visible_ = true;
}

bool TableEditor::Close() {
  Realise();
  ActivatePage(kSqlPage);
  if (!ApplySqlText()) return false;
  visible_ = false;
  return true;
}

void TableEditor::NotifyTreeText() {
  host_.TreeTextChanged(tableIndex_, TreeText(names_.actualName, names_.displayName));
}

void TableEditor::ResetNames() {
  Realise();
  names_ = TableNames{};
  following_ = false;
  if (app_.databaseKind == kSqlServer) names_.owner = "dbo";
  if (app_.databaseKind == kOracle) names_.owner = "SYSTEM";
}

void TableEditor::DisplayNameChanged(const std::string& text) {
  Realise();
  names_.displayName = text;
  if (names_.actualName.empty() || following_) {
    names_.actualName = names_.displayName;
    following_ = true;
  }
  NotifyTreeText();
}

void TableEditor::ActualNameChanged(const std::string& text, bool typedByUser) {
  Realise();
  names_.actualName = text;
  if (typedByUser) following_ = false;
}

int TableEditor::GridRowsFor(std::size_t columns) {
  const std::size_t needed = columns + 1 + kSpareRows;
  return needed < static_cast<std::size_t>(kMinGridRows) ? kMinGridRows : static_cast<int>(needed);
}

EditorGridLayout TableEditor::GridLayout(const Settings& settings) {
  EditorGridLayout layout;
  layout.rowCount = kMinGridRows;
  layout.captions = settings.gridCaptions;
  for (const std::string& caption : layout.captions) {
    layout.widths.push_back(settings.GridColumnWidth(caption));
  }
  return layout;
}

void TableEditor::AttachGrid(GridCells* grid) {
  GridCells* next = grid ? grid : &ownGrid_;
  if (next == grid_) return;
  Realise();
  const int rows = std::min(next->GetRowCount(), grid_->GetRowCount());
  const int columns = std::min(next->GetColumnCount(), grid_->GetColumnCount());
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) next->SetCellText(r, c, grid_->GetCellText(r, c));
  }
  grid_ = next;
  pageExists_[kDesignPage] = true;
}

void TableEditor::FillFromDefinition(const std::vector<TableDesign>& list, int index) {
  if (index < 0 || index >= static_cast<int>(list.size())) return;
  Realise();
  FillNames(list[index]);
  FillGrid(*grid_, list[index]);
}

void TableEditor::FillNames(const TableDesign& table) {
  // Filled again from its own record (an editor closed without an edit), the tree's text
  // stays and nothing changed.
  const std::string before = TreeText(names_.actualName, names_.displayName);
  names_.actualName = table.actualName;
  names_.comment = table.comment;
  if (!table.displayName.empty()) names_.displayName = table.displayName;
  if (!table.group.empty()) names_.group = table.group;
  if (!table.owner.empty()) names_.owner = table.owner;
  if (names_.displayName.empty()) names_.displayName = names_.actualName;
  if (TreeText(names_.actualName, names_.displayName) != before) NotifyTreeText();
}

void TableEditor::FillGrid(GridCells& g, const TableDesign& table) const {
  namespace col = grid_column;
  const Settings& settings = app_.settings;
  auto yesNo = [&](int column, bool yes) {
    return yes ? settings.YesText(column) : settings.NoText(column);
  };
  const int needed = GridRowsFor(table.columns.size());
  if (g.GetRowCount() < needed) g.SetRowCount(needed);
  for (std::size_t j = 0; j < table.columns.size(); ++j) {
    const ColumnDesign& c = table.columns[j];
    const int row = static_cast<int>(j) + 1;
    const bool fk = c.foreignKey && c.foreignKeyRef;
    const std::string cells[col::kCount] = {
        "",
        c.displayName.empty() ? c.actualName : c.displayName,
        c.actualName,
        TypeText(c),
        yesNo(col::kNullable, c.nullable),
        IdentityCell(settings, c.identity),
        c.defaultValue,
        c.note,
        yesNo(col::kPrimaryKey, c.primaryKey),
        yesNo(col::kForeignKey, c.foreignKey),
        fk ? c.foreignKeyRef->constraintName : "",
        fk ? RefTableCell(*c.foreignKeyRef) : "",
        fk ? c.foreignKeyRef->refColumn : "",
        c.checkExpression,
    };
    const int columns = std::min(g.GetColumnCount(), static_cast<int>(col::kCount));
    for (int k = 0; k < columns; ++k) {
      if ((k == col::kForeignKeyName || k == col::kRefTable || k == col::kRefColumn) && !fk)
        continue;
      g.SetCellText(row, k, cells[k]);
    }
  }
}

void TableEditor::ClearGrid() {
  Realise();
  GridCells& g = *grid_;
  const int rows = g.GetRowCount();
  const int columns = g.GetColumnCount();
  // Blank rows may stand between used ones: every row is emptied.
  for (int r = 1; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      if (!g.GetCellText(r, c).empty()) g.SetCellText(r, c, "");
    }
  }
}

void TableEditor::ShowText(const std::string& text) const {
  shownText_ = text;
  const Settings& s = app_.settings;
  highlights_ = Highlight(text, s.DataTypes(app_.databaseKind), s.dataTypeColour, s.commentColour);
}

bool TableEditor::ParseSqlText(bool refillGrid) {
  Realise();
  const std::string text = SqlText();
  if (text.empty()) return false;
  std::optional<TableDesign> record = parser_.ParseFirstTable(text);
  if (!record) return false;
  std::vector<TableDesign>& definitions = host_.Definitions();
  const std::size_t k = static_cast<std::size_t>(tableIndex_);
  if (k < definitions.size()) {
    definitions[k] = std::move(*record);
    if (refillGrid) {
      ClearGrid();
      FillFromDefinition(definitions, tableIndex_);
    }
  } else {
    // Tables created before this one whose editors have not built their text yet keep
    // empty places, so that definition i stays table i.
    definitions.resize(k);
    definitions.push_back(std::move(*record));
  }
  RecordTaken();
  return true;
}

void TableEditor::BuildSqlText() {
  Realise();
  const ScriptWriter writer(app_);
  const std::string header = writer.BuildTableHeader(names_);
  if (!pageExists_[kDesignPage]) {
    ActivatePage(kNamePage);
    ActivatePage(kDesignPage);
    ActivatePage(kSqlPage);
    return;
  }
  if (header.empty()) return;
  const ColumnLines columns = writer.BuildColumnLines(*grid_, names_);
  std::string text = gbk::ReplaceAll(header, ScriptWriter::kContentPlaceholder, columns.lines);
  // A text built again the same (an editor opened and closed without an edit) is no change
  // of the table; neither is the first text of a table whose record it reads back as.
  const bool textEdited = !tableText_.empty() && (text != tableText_ ||
                                                  columns.extraStatements != extraStatements_);
  tableText_ = std::move(text);
  extraStatements_ = columns.extraStatements;
  textChanged_ = true;
  ShowText(showExtra_ ? tableText_ + extraStatements_ : tableText_);
  const std::size_t k = static_cast<std::size_t>(tableIndex_);
  const bool hadRecord = k < host_.Definitions().size();
  const std::uint64_t before = hadRecord ? RecordHash(host_.Definitions()[k]) : 0;
  if (ParseSqlText() &&
      (textEdited || !hadRecord || RecordHash(host_.Definitions()[k]) != before)) {
    host_.TableChanged(tableIndex_);
  }
}

bool TableEditor::ApplySqlText() {
  Realise();
  // Typed text that holds no table is kept for the user to mend, not replaced.
  if (!showExtra_ && shownText_ != tableText_ &&
      !parser_.ParseFirstTable(shownText_ + extraStatements_)) {
    return false;
  }
  if (showExtra_) {
    showExtra_ = false;
  } else {
    tableText_ = shownText_;
    textChanged_ = true;
    ShowText(tableText_);
  }
  ParseSqlText();
  BuildSqlText();
  return true;
}

void TableEditor::SetShowExtraStatements(bool show) {
  if (show == showExtra_) return;
  Realise();
  showExtra_ = show;
  if (show) {
    ShowText(tableText_ + extraStatements_);
    return;
  }
  // The shown text still ends with the extra statements: they are kept apart, so that
  // they are not stored twice.
  std::string text = shownText_;
  const std::size_t n = extraStatements_.size();
  if (n > 0 && text.size() >= n && text.compare(text.size() - n, n, extraStatements_) == 0) {
    text.erase(text.size() - n);
  }
  tableText_ = text;
  textChanged_ = true;
  ShowText(tableText_);
}

std::vector<HighlightSpan> TableEditor::Highlight(const std::string& text,
                                                  const std::vector<std::string>& typeNames,
                                                  Rgb typeColour, Rgb commentColour) {
  std::vector<HighlightSpan> spans;
  const std::vector<std::size_t> chars = CharacterPositions(text);
  auto starts = [&](std::size_t byte) { return chars[byte] != std::string::npos; };
  // A comment mark inside a malformed double-byte pair counts from that character.
  auto charAt = [&](std::size_t byte) {
    while (!starts(byte)) --byte;
    return chars[byte];
  };
  auto add = [&](std::size_t begin, std::size_t end, Rgb colour) {
    spans.push_back({charAt(begin), charAt(end), colour});
  };

  for (const std::string& name : typeNames) {
    if (name.empty()) continue;
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
      const std::size_t end = at + name.size();
      if (!starts(at) || !starts(end)) continue;
      if (at > 0 && starts(at - 1) && gbk::IsWordChar(text[at - 1])) continue;
      if (end < text.size() && gbk::IsWordChar(text[end])) continue;
      add(at, end, typeColour);
    }
  }

  for (std::size_t at = text.find("--"); at != std::string::npos; at = text.find("--", at)) {
    const std::size_t lineEnd = text.find('\n', at);
    if (lineEnd == std::string::npos) break;
    add(at, lineEnd, commentColour);
    at = lineEnd;
  }

  for (std::size_t at = text.find("/*"); at != std::string::npos; at = text.find("/*", at)) {
    const std::size_t close = text.find("*/", at + 2);
    if (close == std::string::npos) break;
    add(at, close + 2, commentColour);
    at = close + 2;
  }
  return spans;
}

}  // namespace tablora
