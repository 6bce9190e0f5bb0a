#include "model/table_editor.h"

#include <algorithm>

#include "base/gbk_text.h"
#include "model/script_writer.h"

namespace tablora {

namespace {

/// For each byte offset (and the end), the number of characters before it, or npos for
/// the second byte of a double-byte character, so that a search never lands inside one.
std::vector<std::size_t> CharacterPositions(const std::string& text) {
  std::vector<std::size_t> positions(text.size() + 1, std::string::npos);
  std::size_t i = 0;
  std::size_t chars = 0;
  while (i < text.size()) {
    positions[i] = chars++;
    i += static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1;
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

void TableEditor::CreatePage(int page) {
  pageExists_[page] = true;
  if (page == kNamePage) {
    following_ = false;
    if (app_.databaseKind == kSqlServer) names_.owner = "dbo";
    if (app_.databaseKind == kOracle) names_.owner = "SYSTEM";
  } else if (page == kDesignPage && grid_ == &ownGrid_) {
    const EditorGridLayout layout = GridLayout(app_.settings);
    ownGrid_.Resize(layout.rowCount, static_cast<int>(layout.captions.size()));
    for (std::size_t c = 0; c < layout.captions.size(); ++c) {
      ownGrid_.SetCellText(0, static_cast<int>(c), layout.captions[c]);
    }
  }
}

void TableEditor::ActivatePage(int page) {
  if (page < 0 || page > kSqlPage || page == activePage_) return;
  if (!pageExists_[page]) CreatePage(page);
  activePage_ = page;
  if (page == kSqlPage) BuildSqlText();
}

void TableEditor::Show() {
  if (activePage_ < 0) ActivatePage(kNamePage);
  visible_ = true;
}

bool TableEditor::Close() {
  ActivatePage(kSqlPage);
  if (!ApplySqlText()) return false;
  visible_ = false;
  return true;
}

void TableEditor::NotifyTreeText() {
  host_.TreeTextChanged(tableIndex_, TreeText(names_.actualName, names_.displayName));
}

void TableEditor::DisplayNameChanged(const std::string& text) {
  names_.displayName = text;
  if (names_.actualName.empty() || following_) {
    names_.actualName = names_.displayName;
    following_ = true;
  }
  NotifyTreeText();
}

void TableEditor::ActualNameChanged(const std::string& text, bool typedByUser) {
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
  const TableDesign& table = list[index];

  names_.actualName = table.actualName;
  names_.comment = table.comment;
  if (!table.displayName.empty()) names_.displayName = table.displayName;
  if (!table.group.empty()) names_.group = table.group;
  if (!table.owner.empty()) names_.owner = table.owner;
  if (names_.displayName.empty()) names_.displayName = names_.actualName;
  NotifyTreeText();

  namespace col = grid_column;
  const Settings& settings = app_.settings;
  auto yesNo = [&](int column, bool yes) {
    return yes ? settings.YesText(column) : settings.NoText(column);
  };
  GridCells& g = *grid_;
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

void TableEditor::ShowText(const std::string& text) {
  shownText_ = text;
  const Settings& s = app_.settings;
  highlights_ = Highlight(text, s.DataTypes(app_.databaseKind), s.dataTypeColour, s.commentColour);
}

bool TableEditor::ParseSqlText(bool refillGrid) {
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
  return true;
}

void TableEditor::BuildSqlText() {
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
  tableText_ = gbk::ReplaceAll(header, ScriptWriter::kContentPlaceholder, columns.lines);
  extraStatements_ = columns.extraStatements;
  ShowText(showExtra_ ? tableText_ + extraStatements_ : tableText_);
  if (ParseSqlText()) host_.TableChanged(tableIndex_);
}

bool TableEditor::ApplySqlText() {
  // Typed text that holds no table is kept for the user to mend, not replaced.
  if (!showExtra_ && shownText_ != tableText_ &&
      !parser_.ParseFirstTable(shownText_ + extraStatements_)) {
    return false;
  }
  if (showExtra_) {
    showExtra_ = false;
  } else {
    tableText_ = shownText_;
    ShowText(tableText_);
  }
  ParseSqlText();
  BuildSqlText();
  return true;
}

void TableEditor::SetShowExtraStatements(bool show) {
  if (show == showExtra_) return;
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
