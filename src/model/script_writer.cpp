#include "model/script_writer.h"

#include <string_view>
#include <vector>

#include "base/gbk_text.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "model/design.h"
#include "model/layout_block.h"
#include "model/sql_server_comments.h"

namespace tablora {

namespace {

constexpr std::string_view kTemplateBracketed =
    "[%fieldname_en%] [%type%]%arraynum% %identity% %default% %isnull% %,%  "
    "--%fieldname_cn%:%note%";
constexpr std::string_view kTemplateAccess =
    "[%fieldname_en%] %type%%arraynum% %identity% %isnull%,  --%fieldname_cn%:%note%";

/// How a placeholder of a column template is filled.
struct Fill {
  std::string text;
  /// Characters of the template removed after the placeholder (positive) or of the line
  /// built so far before it (negative), when the placeholder is dropped.
  int drop = 0;
};

struct LineFills {
  Fill fieldnameEn, fieldnameCn, type, arraynum, identity, defaultValue, isnull, comma, note;

  const Fill* Find(std::string_view name) const {
    if (name == "fieldname_en") return &fieldnameEn;
    if (name == "fieldname_cn") return &fieldnameCn;
    if (name == "type") return &type;
    if (name == "arraynum") return &arraynum;
    if (name == "identity") return &identity;
    if (name == "default") return &defaultValue;
    if (name == "isnull") return &isnull;
    if (name == ",") return &comma;
    if (name == "note") return &note;
    return nullptr;
  }
};

/// Expands a column template. Cell texts are inserted as they are: a "%" inside a cell
/// is never taken for a placeholder.
std::string Expand(std::string_view tpl, const LineFills& fills) {
  std::string line;
  std::size_t i = 0;
  while (i < tpl.size()) {
    if (tpl[i] == '%') {
      const std::size_t close = tpl.find('%', i + 1);
      const Fill* fill =
          close == std::string_view::npos ? nullptr : fills.Find(tpl.substr(i + 1, close - i - 1));
      if (fill) {
        line += fill->text;
        i = close + 1;
        if (fill->drop > 0) i += fill->drop;
        if (fill->drop < 0)
          line.erase(line.size() - std::min<std::size_t>(line.size(), -fill->drop));
        continue;
      }
    }
    line += tpl[i++];
  }
  return line;
}

/// "[a]" for one key column, "[a],\n[b]" for several: the column list of the key clause.
std::string PrimaryKeyClause(const std::string& tableName,
                             const std::vector<std::string>& columns) {
  std::string list;
  for (const std::string& column : columns) {
    if (!list.empty()) list += "],\n[";
    list += column;
  }
  return "\nCONSTRAINT [PK_" + gbk::ToUpperAscii(tableName) + "] PRIMARY KEY  CLUSTERED\n(\n[" +
         list + "]\n)\nON [PRIMARY]";
}

/// Appends `text` with every CR LF turned into a line feed.
void AppendLf(std::string& out, const std::string& text) {
  if (text.find('\r') == std::string::npos) {
    out += text;
  } else {
    out += gbk::ReplaceAll(text, "\r\n", "\n");
  }
}

std::string OwnerOrDbo(const std::string& owner) { return owner.empty() ? "dbo" : owner; }

}  // namespace

std::string ScriptWriter::BuildTableHeader(const TableNames& names) const {
  if (names.actualName.empty()) return {};
  static const std::string groupMark = Cp936(u8"(组)");
  std::string header;
  if (app_.databaseKind == kAccess) {
    header = "CREATE TABLE [";
  } else if (!names.owner.empty()) {
    header = "CREATE TABLE [" + names.owner + "].[";
  } else {
    header = "CREATE TABLE [dbo].[";
  }
  header += names.actualName + "] (\t\t\t";
  const bool namesDiffer = names.actualName != names.displayName;
  if (namesDiffer || !names.comment.empty() || !names.group.empty()) {
    header += "--";
    if (namesDiffer) header += names.displayName + ":";
    header += names.comment.substr(0, names.comment.find(groupMark));
    if (!names.group.empty()) header += groupMark + names.group;
  }
  header += "\n%content%) ON [PRIMARY]";
  return header;
}

bool ScriptWriter::IsYes(const GridCells& grid, int row, int column) const {
  const std::string yes = app_.settings.YesText(column);
  if (yes.empty()) return false;  // no yes-text configured: nothing counts as yes
  std::string cell = grid.GetCellText(row, column);
  if (column == grid_column::kIdentity) {
    const auto first = cell.find_first_not_of(" \t\r\n");
    cell.erase(0, first == std::string::npos ? cell.size() : first);
  }
  return gbk::EqualsIgnoreCase(cell, yes);
}

ColumnLines ScriptWriter::BuildColumnLines(const GridCells& grid, const TableNames& names) const {
  namespace col = grid_column;
  const bool bracketed = app_.databaseKind == kSqlServer || app_.databaseKind == kOracle;
  const std::string owner = OwnerOrDbo(names.owner);

  ColumnLines out;
  std::vector<std::string> keyColumns;
  // The key list in row order; an empty entry marks where the one PRIMARY KEY clause goes.
  std::vector<std::string> keyList;
  std::string foreignKeys;

  const int rows = grid.GetRowCount();
  for (int row = 1; row < rows; ++row) {
    const std::string display = grid.GetCellText(row, col::kDisplayName);
    if (display.empty()) break;
    const std::string actual = grid.GetCellText(row, col::kActualName);

    LineFills fills;
    fills.fieldnameEn.text = actual;
    const bool namesEqual = actual == display;
    if (namesEqual) {
      fills.fieldnameCn.drop = 1;  // with its ":"
    } else {
      fills.fieldnameCn.text = display;
    }

    const std::string typeText = grid.GetCellText(row, col::kType);
    const auto open = typeText.find('(');
    if (open == std::string::npos) {
      fills.type.text = typeText;
    } else {
      fills.type.text = gbk::Trim(typeText.substr(0, open));
      const auto close = typeText.find(')', open + 1);
      if (close != std::string::npos) {
        const auto comma = typeText.find(',', open + 1);
        if (comma != std::string::npos && comma < close) {
          fills.arraynum.text = "(" + gbk::Trim(typeText.substr(open + 1, comma - open - 1)) + "," +
                                gbk::Trim(typeText.substr(comma + 1, close - comma - 1)) + ")";
        } else {
          fills.arraynum.text = "(" + gbk::Trim(typeText.substr(open + 1, close - open - 1)) + ")";
        }
      }
    }

    fills.isnull.text = IsYes(grid, row, col::kNullable) ? "NULL" : "NOT NULL";
    if (!grid.GetCellText(row + 1, col::kDisplayName).empty()) fills.comma.text = ",";

    if (IsYes(grid, row, col::kIdentity)) {
      if (app_.databaseKind == kSqlServer) fills.identity.text = "IDENTITY (1,1)";
    } else {
      fills.identity.drop = 1;
    }

    const std::string defaultText = grid.GetCellText(row, col::kDefault);
    if (defaultText.empty()) {
      fills.defaultValue.drop = 1;
    } else {
      fills.defaultValue.text = "DEFAULT (" + defaultText + ")";
    }

    const std::string note = grid.GetCellText(row, col::kNote);
    if (!note.empty()) {
      fills.note.text = note;
    } else if (namesEqual) {
      fills.note.drop = -2;  // with the "--" before it
    }

    if (IsYes(grid, row, col::kPrimaryKey)) {
      if (keyColumns.empty()) keyList.emplace_back();
      keyColumns.push_back(actual);
    }

    if (IsYes(grid, row, col::kForeignKey)) {
      const std::string constraintName =
          gbk::CutToBytes(grid.GetCellText(row, col::kForeignKeyName), 127);
      const std::string refTable = gbk::CutToBytes(grid.GetCellText(row, col::kRefTable), 127);
      const std::string refColumn = gbk::CutToBytes(grid.GetCellText(row, col::kRefColumn), 127);
      if (!refColumn.empty()) {
        if (!foreignKeys.empty()) foreignKeys += ",";
        foreignKeys += "\nCONSTRAINT [" + constraintName + "] FOREIGN KEY\n(\n[" + actual +
                       "]\n) REFERENCES [" + owner + "].[" + refTable + "] (\n[" + refColumn +
                       "]\n)";
      }
    }

    const std::string check = grid.GetCellText(row, col::kCheck);
    if (!check.empty()) keyList.push_back("CONSTRAINT [CK_" + actual + "] CHECK (" + check + ")\n");

    out.lines += Expand(bracketed ? kTemplateBracketed : kTemplateAccess, fills);
    out.lines += "\n";
  }

  // The grid's rows ran out or an empty display name ended the columns: the statements
  // follow either way.
  std::string keys;
  for (const std::string& item : keyList) {
    if (item.empty()) {
      if (!keys.empty()) keys += ",";
      keys += PrimaryKeyClause(names.actualName, keyColumns);
    } else {
      // A CHECK clause has no line break of its own in front: the first one gets one, so
      // that "ADD" and "CONSTRAINT" stay apart.
      keys += keys.empty() ? "\n" : ",\n";
      keys += item;
    }
  }
  const std::string alter = "\n\nALTER TABLE [" + owner + "].[" + names.actualName + "]";
  if (!keys.empty()) out.extraStatements += alter + " WITH NOCHECK ADD" + keys + "\nGO\n\n";
  if (!foreignKeys.empty()) out.extraStatements += alter + " ADD" + foreignKeys + "\nGO\n\n";
  return out;
}

std::string ScriptWriter::ProposedFileName(const Design& design, int index) const {
  const auto& definitions = design.definitions();
  if (index >= 0 && index < static_cast<int>(definitions.size()) &&
      !definitions[index].actualName.empty()) {
    return definitions[index].actualName + ".txt";
  }
  if (!app_.lastHost.empty()) return app_.lastDatabase + "(" + app_.lastHost + ")";
  return app_.lastDatabase;
}

std::string ScriptWriter::BuildScript(Design& design, int index) const {
  const std::vector<TableDesign>& definitions = design.RefreshTableDefinitions();
  if (definitions.empty()) return {};

  std::string script = kFileHeader;
  const int tables = design.tableCount();
  if (tables > 0) design.view().ScrollToOrigin();
  if (index < 0) {
    std::vector<LayoutRecord> layout;
    for (const auto& entry : design.entries()) {
      const TableWindowState& w = entry->window;
      layout.push_back({w.left, w.top, w.textColour, w.bkColour});
    }
    if (!layout.empty()) {
      const std::string encoded = LayoutBlock::Encode(layout);
      script += ":" + std::to_string(encoded.size()) + ":" + encoded;
    }
    script += "      */\n\n\n\n\n\n\n\n";
  } else {
    static const std::string oneTableEnd = Cp936(u8"   自动产生 */\n\n\n\n\n\n\n\n");
    script += oneTableEnd;
  }

  std::size_t expected = 0;
  for (const auto& entry : design.entries()) {
    expected += 2 * (entry->editor->tableText().size() + entry->editor->extraStatements().size());
  }
  script.reserve(script.size() + expected);
  std::string extra;
  for (int i = 0; i < tables; ++i) {
    if (index >= 0 && i != index) continue;
    const TableEditor& editor = *design.entries()[i]->editor;
    AppendLf(script, editor.tableText());
    script += "\n\n";
    AppendLf(extra, editor.extraStatements());
  }
  BuildSqlServerComments(definitions, script, false, true, index);
  script += extra;
  return script;
}

bool ScriptWriter::SaveScript(Design& design, Prompts& prompts, const std::string& path,
                              int index) const {
  std::string target = path;
  if (target.empty()) {
    FileDialogSpec dialog;
    dialog.defaultExtension = "txt";
    dialog.choices = {"sql", "txt"};
    dialog.proposedName = TextCodec::Cp936ToUtf8(ProposedFileName(design, index));
    // Start beside the design's own file, under its name when nothing else is proposed.
    const std::string& current = design.currentPath();
    const std::size_t slash = current.rfind('/');
    if (slash != std::string::npos) {
      dialog.startFolder = slash == 0 ? "/" : current.substr(0, slash);
      if (dialog.proposedName.empty()) dialog.proposedName = current.substr(slash + 1);
    }
    target = prompts.ChooseSaveFile(dialog);
    if (target.empty()) return false;
    design.setCurrentPath(target);
  }
  if (target.front() != '/' && !app_.settings.programFolder.empty()) {
    target = app_.settings.programFolder + "/" + target;
  }

  const std::string script = BuildScript(design, index);
  if (script.empty()) {
    static const std::string noData = Cp936(u8"没有数据!");
    prompts.ShowMessage(noData, "Tablora");
    return false;
  }
  std::string error;
  if (!TextFile::WriteText(target, script, &error)) {
    static const std::string cannotWrite = Cp936(u8"无法写入文件, 原来的文件没有改变:\n");
    prompts.ShowMessage(cannotWrite + TextCodec::Utf8ToCp936(target), "Tablora");
    return false;
  }
  return true;
}

}  // namespace tablora
