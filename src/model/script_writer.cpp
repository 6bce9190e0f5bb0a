#include "model/script_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "base/file_dialogs.h"
#include "base/gbk_text.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "model/design.h"
#include "model/layout_block.h"
#include "model/sql_names.h"
#include "model/sql_server_comments.h"

namespace tablora {

namespace {

constexpr std::string_view kTemplateBracketed =
    "[%fieldname_en%] [%type%]%arraynum% %identity% %default% %isnull% %,%  "
    "--%fieldname_cn%:%note%";
constexpr std::string_view kTemplateAccess =
    "[%fieldname_en%] %type%%arraynum% %identity% %isnull%,  --%fieldname_cn%:%note%";
constexpr std::string_view kTemplateUnbracketedType =
    "[%fieldname_en%] %type%%arraynum% %identity% %default% %isnull% %,%  "
    "--%fieldname_cn%:%note%";
constexpr std::string_view kTemplateComputed =
    "[%fieldname_en%] %type% %isnull% %,%  --%fieldname_cn%:%note%";
constexpr std::string_view kTemplateComputedAccess =
    "[%fieldname_en%] %type% %isnull%,  --%fieldname_cn%:%note%";

}  // namespace

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

namespace {

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

using sql_names::Bracketed;
using sql_names::InsideBrackets;

/// "[a]" for one column, "[a],\n[b]" for several: the column list of a key clause.
std::string ColumnList(const std::vector<std::string>& columns) {
  std::string list;
  for (const std::string& column : columns) {
    if (!list.empty()) list += ",\n";
    list += Bracketed(column);
  }
  return list;
}

std::string PrimaryKeyClause(const std::string& tableName,
                             const std::vector<std::string>& columns) {
  return "\nCONSTRAINT " + Bracketed("PK_" + gbk::ToUpperAscii(tableName)) +
         " PRIMARY KEY  CLUSTERED\n(\n" + ColumnList(columns) + "\n)\nON [PRIMARY]";
}

/// Appends `text` with every CR LF turned into a line feed.
void AppendLf(std::string& out, const std::string& text) {
  if (text.find('\r') == std::string::npos) {
    out += text;
  } else {
    out += gbk::ReplaceAll(text, "\r\n", "\n");
  }
}

/// A free text (display name, comment, note, group) as a "--" comment carries it: line
/// breaks become spaces (a comment ends at its line) and colons "-" (the first ":" of the
/// comment separates the display name).
std::string CommentText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (const std::size_t size = gbk::CharSize(text, i); size > 1) {
      if (size == 2 && c == 0xA3 && static_cast<unsigned char>(text[i + 1]) == 0xBA) {
        out += '-';  // a full-width colon reads as ":"
      } else {
        out.append(text.substr(i, size));
      }
      i += size - 1;
    } else if (c == '\r') {
      out += ' ';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += ' ';
    } else {
      out += c == ':' ? '-' : static_cast<char>(c);
    }
  }
  return out;
}

/// True when a type text describes a computed column: "AS" followed by its expression.
bool IsComputed(std::string_view typeText) {
  const std::string t = gbk::Trim(typeText);
  return t.size() > 2 && gbk::EqualsIgnoreCase(std::string_view(t).substr(0, 2), "as") &&
         (gbk::IsSpace(t[2]) || t[2] == '(');
}

}  // namespace

std::string ScriptWriter::BuildTableHeader(const TableNames& names) const {
  if (names.actualName.empty()) return {};
  static const std::string groupMark = Cp936(u8"(组)");
  std::string header = "CREATE TABLE ";
  if (app_.databaseKind != kAccess) header += Bracketed(OwnerOrDbo(names.owner)) + ".";
  header += Bracketed(names.actualName) + " (\t\t\t";
  const bool namesDiffer = names.actualName != names.displayName;
  if (namesDiffer || !names.comment.empty() || !names.group.empty()) {
    header += "--";
    if (namesDiffer) header += CommentText(names.displayName) + ":";
    header += CommentText(names.comment.substr(0, names.comment.find(groupMark)));
    if (!names.group.empty()) header += groupMark + CommentText(names.group);
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

std::string ScriptWriter::IdentityClause(const GridCells& grid, int row) const {
  if (IsYes(grid, row, grid_column::kIdentity)) return "IDENTITY (1,1)";
  // A seed and increment of their own follow the yes-text: "Yes (100, 5)".
  const std::string yes = app_.settings.YesText(grid_column::kIdentity);
  const std::string cell = gbk::Trim(grid.GetCellText(row, grid_column::kIdentity));
  if (yes.empty() || cell.size() <= yes.size() ||
      !gbk::EqualsIgnoreCase(std::string_view(cell).substr(0, yes.size()), yes)) {
    return {};
  }
  const std::string arguments = gbk::Trim(std::string_view(cell).substr(yes.size()));
  if (arguments.empty() || arguments[0] != '(') return {};
  return "IDENTITY " + arguments;
}

void ScriptWriter::FillType(const std::string& typeText, LineFills& fills) {
  const auto open = typeText.find('(');
  if (open == std::string::npos) {
    fills.type.text = typeText;
    return;
  }
  fills.type.text = gbk::Trim(typeText.substr(0, open));
  const auto close = typeText.find(')', open + 1);
  if (close == std::string::npos) return;
  const auto comma = typeText.find(',', open + 1);
  if (comma != std::string::npos && comma < close) {
    fills.arraynum.text = "(" + gbk::Trim(typeText.substr(open + 1, comma - open - 1)) + "," +
                          gbk::Trim(typeText.substr(comma + 1, close - comma - 1)) + ")";
  } else {
    fills.arraynum.text = "(" + gbk::Trim(typeText.substr(open + 1, close - open - 1)) + ")";
  }
}

std::string ScriptWriter::ForeignKeyClauses(const std::string& tableName, const std::string& owner,
                                            const std::vector<ForeignKeyRow>& rows) {
  // Rows of one named constraint on the same table make one composite clause.
  std::string clauses;
  std::vector<bool> done(rows.size(), false);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (done[i]) continue;
    const ForeignKeyRow& first = rows[i];
    std::vector<const ForeignKeyRow*> members{&first};
    for (std::size_t j = i + 1; j < rows.size(); ++j) {
      const ForeignKeyRow& other = rows[j];
      if (!done[j] && !first.name.empty() && other.name == first.name &&
          other.refOwner == first.refOwner && other.refTable == first.refTable) {
        members.push_back(&other);
        done[j] = true;
      }
    }
    std::vector<std::string> columns;
    std::vector<std::string> refColumns;
    for (const ForeignKeyRow* member : members) {
      columns.push_back(member->column);
      refColumns.push_back(member->refColumn);
    }
    // The server needs a name: an unnamed key gets one from its table and column.
    const std::string name =
        first.name.empty() ? "FK_" + tableName + "_" + first.column : first.name;
    if (!clauses.empty()) clauses += ",";
    clauses += "\nCONSTRAINT " + Bracketed(name) + " FOREIGN KEY\n(\n" + ColumnList(columns) +
               "\n) REFERENCES " + Bracketed(first.refOwner.empty() ? owner : first.refOwner) +
               "." + Bracketed(first.refTable) + " (\n" + ColumnList(refColumns) + "\n)";
  }
  return clauses;
}

std::string ScriptWriter::ColumnLine(const GridCells& grid, int row, bool last) const {
  namespace col = grid_column;
  const bool bracketed = app_.databaseKind == kSqlServer || app_.databaseKind == kOracle;
  const std::string actual = grid.GetCellText(row, col::kActualName);
  std::string display = grid.GetCellText(row, col::kDisplayName);
  if (display.empty()) display = actual;

  LineFills fills;
  fills.fieldnameEn.text = InsideBrackets(actual);
  const bool namesEqual = actual == display;
  if (namesEqual) {
    fills.fieldnameCn.drop = 1;  // with its ":"
  } else {
    fills.fieldnameCn.text = CommentText(display);
  }
  if (!last) fills.comma.text = ",";

  const bool key = IsYes(grid, row, col::kPrimaryKey);
  const std::string identityClause = IdentityClause(grid, row);
  // Only MS SQL Server scripts carry the identity.
  const std::string identity = app_.databaseKind == kSqlServer ? identityClause : std::string();
  if (!identityClause.empty()) {
    fills.identity.text = identity;
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
    fills.note.text = CommentText(note);
  } else if (namesEqual) {
    fills.note.drop = -2;  // with the "--" before it
  }

  const std::string typeText = grid.GetCellText(row, col::kType);
  const bool nullableCell = IsYes(grid, row, col::kNullable);
  if (IsComputed(typeText)) {
    // "AS expression [PERSISTED]": NOT NULL only for a stored one, no default, no identity.
    fills.type.text = gbk::Trim(typeText);
    const std::string upper = gbk::ToUpperAscii(fills.type.text);
    const bool persisted =
        upper.size() >= 10 && upper.compare(upper.size() - 10, 10, " PERSISTED") == 0;
    if (persisted && (key || !nullableCell)) {
      fills.isnull.text = "NOT NULL";
    } else {
      fills.isnull.drop = 1;
    }
    return Expand(bracketed ? kTemplateComputed : kTemplateComputedAccess, fills);
  }
  FillType(typeText, fills);
  // Key and identity columns cannot hold NULL.
  fills.isnull.text = nullableCell && !key && identity.empty() ? "NULL" : "NOT NULL";
  // A type of several words ("double precision") is no name: no brackets around it.
  if (bracketed && gbk::Trim(fills.type.text).find(' ') != std::string::npos) {
    return Expand(kTemplateUnbracketedType, fills);
  }
  if (!bracketed) return Expand(kTemplateAccess, fills);
  fills.type.text = InsideBrackets(fills.type.text);
  return Expand(kTemplateBracketed, fills);
}

std::optional<ScriptWriter::ForeignKeyRow> ScriptWriter::ForeignKeyOf(const GridCells& grid,
                                                                      int row) const {
  namespace col = grid_column;
  if (!IsYes(grid, row, col::kForeignKey)) return std::nullopt;
  ForeignKeyRow fk;
  fk.column = grid.GetCellText(row, col::kActualName);
  fk.name = gbk::CutToBytes(grid.GetCellText(row, col::kForeignKeyName), 127);
  // "owner.table" names a table of another owner.
  const std::string refTable = grid.GetCellText(row, col::kRefTable);
  const std::size_t dot = refTable.find('.');
  if (dot != std::string::npos && dot > 0 && dot + 1 < refTable.size()) {
    fk.refOwner = gbk::CutToBytes(refTable.substr(0, dot), 127);
    fk.refTable = gbk::CutToBytes(refTable.substr(dot + 1), 127);
  } else {
    fk.refTable = gbk::CutToBytes(refTable, 127);
  }
  fk.refColumn = gbk::CutToBytes(grid.GetCellText(row, col::kRefColumn), 127);
  if (fk.refColumn.empty()) return std::nullopt;
  return fk;
}

ColumnLines ScriptWriter::BuildColumnLines(const GridCells& grid, const TableNames& names) const {
  namespace col = grid_column;
  const std::string owner = OwnerOrDbo(names.owner);

  // Rows with neither name are blank rows between columns: skipped.
  std::vector<int> used;
  const int rows = grid.GetRowCount();
  for (int row = 1; row < rows; ++row) {
    if (!grid.GetCellText(row, col::kDisplayName).empty() ||
        !grid.GetCellText(row, col::kActualName).empty()) {
      used.push_back(row);
    }
  }

  ColumnLines out;
  std::vector<std::string> keyColumns;
  // The key list in row order; an empty entry marks where the one PRIMARY KEY clause goes.
  std::vector<std::string> keyList;
  std::vector<ForeignKeyRow> foreignKeys;
  for (std::size_t u = 0; u < used.size(); ++u) {
    const int row = used[u];
    const std::string actual = grid.GetCellText(row, col::kActualName);
    if (IsYes(grid, row, col::kPrimaryKey)) {
      if (keyColumns.empty()) keyList.emplace_back();
      keyColumns.push_back(actual);
    }
    if (auto fk = ForeignKeyOf(grid, row)) foreignKeys.push_back(std::move(*fk));
    const std::string check = grid.GetCellText(row, col::kCheck);
    if (!check.empty())
      keyList.push_back("CONSTRAINT " + Bracketed("CK_" + actual) + " CHECK (" + check + ")\n");
    out.lines += ColumnLine(grid, row, u + 1 == used.size());
    out.lines += "\n";
  }

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
  const std::string alter =
      "\n\nALTER TABLE " + Bracketed(owner) + "." + Bracketed(names.actualName);
  if (!keys.empty()) out.extraStatements += alter + " WITH NOCHECK ADD" + keys + "\nGO\n\n";
  if (!foreignKeys.empty()) {
    out.extraStatements +=
        alter + " ADD" + ForeignKeyClauses(names.actualName, owner, foreignKeys) + "\nGO\n\n";
  }
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

  // The user-defined types come first: the tables use them.
  for (const UserType& type : design.userTypes()) {
    script += "CREATE TYPE " + Bracketed(type.name) + " FROM " + type.baseType +
              (type.notNull ? " NOT NULL" : "") + "\nGO\n\n";
  }

  // The comments are built first, so that the script is given its whole size at once.
  std::string comments;
  BuildSqlServerComments(definitions, comments, false, true, index);
  std::size_t expected = comments.size();
  std::size_t expectedExtra = 0;
  for (int i = 0; i < tables; ++i) {
    if (index >= 0 && i != index) continue;
    const TableEditor& editor = *design.entries()[i]->editor;
    expected += editor.tableText().size() + 2;
    expectedExtra += editor.extraStatements().size();
  }
  script.reserve(script.size() + expected + expectedExtra);
  std::string extra;
  extra.reserve(expectedExtra);
  for (int i = 0; i < tables; ++i) {
    if (index >= 0 && i != index) continue;
    const TableEditor& editor = *design.entries()[i]->editor;
    AppendLf(script, editor.tableText());
    script += "\n\n";
    AppendLf(extra, editor.extraStatements());
  }
  script += comments;
  std::string().swap(comments);
  script += extra;
  return script;
}

std::string ScriptWriter::NameBeside(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot <= nameStart) dot = path.size();
  for (int n = 1;; ++n) {
    std::string name = path.substr(0, dot) + "_" + std::to_string(n) + path.substr(dot);
    struct stat info {};
    if (::lstat(name.c_str(), &info) != 0 && errno == ENOENT) return name.substr(nameStart);
  }
}

bool ScriptWriter::KeepForeignScript(const std::string& path, std::string& backup,
                                     std::string* error) {
  backup.clear();
  TextFile::WriteTarget target;
  if (!TextFile::ResolveTarget(path, target, error)) return false;
  if (target.way != TextFile::WriteWay::kReplace) return true;
  // This program's scripts begin with its file header (any version).
  static const std::string kSignature = "/* TABLORA";
  char head[10] = {};
  ssize_t got = 0;
  if (const int fd = ::open(target.path.c_str(), O_RDONLY | O_CLOEXEC); fd >= 0) {
    got = ::read(fd, head, sizeof head);
    ::close(fd);
  }
  if (got == 0 || (got == static_cast<ssize_t>(kSignature.size()) &&
                   kSignature.compare(0, kSignature.size(), head, sizeof head) == 0)) {
    return true;
  }
  std::string bytes;
  for (int n = 1; n < 1000; ++n) {
    const std::string name =
        target.path + (n == 1 ? std::string(".bak") : "(" + std::to_string(n) + ").bak");
    // A second name for the old file: the save then renames the new one over the path.
    if (::link(target.path.c_str(), name.c_str()) == 0) {
      backup = name;
      return true;
    }
    if (errno == EEXIST) continue;
    // A file system without links gets a copy.
    if (bytes.empty() && !TextFile::ReadBytes(target.path, bytes, error)) return false;
    bool exists = false;
    if (TextFile::WriteNew(
            name, [&bytes](int fd) { return TextFile::WriteAll(fd, bytes); }, true, error,
            &exists)) {
      backup = name;
      return true;
    }
    if (!exists) return false;
  }
  if (error != nullptr) *error = std::strerror(EEXIST);
  return false;
}

bool ScriptWriter::SaveScript(Design& design, Prompts& prompts, const std::string& path,
                              int index) const {
  std::string target = path;
  bool utf8 = index < 0 && design.currentFileUtf8();
  if (target.empty()) {
    // Start beside the design's own file, under its name when nothing else is proposed;
    // a file that holds more than the design keeps its name, and a new one is proposed.
    const std::string& current = design.currentPath();
    std::string proposed = TextCodec::Cp936ToUtf8(ProposedFileName(design, index));
    if (!FileDialogs::FolderOf(current).empty()) {
      if (index < 0 && design.currentFileHoldsMore()) {
        proposed = NameBeside(current);
      } else if (proposed.empty()) {
        proposed = current.substr(current.rfind('/') + 1);
      }
    }
    int encoding = 0;
    target = prompts.ChooseSaveFileWithEncoding(
        index < 0 ? FileDialogs::SaveDesign(current, proposed)
                  : FileDialogs::SaveTableScript(current, proposed),
        encoding);
    if (target.empty()) return false;
    utf8 = encoding == 1;
    design.setCurrentPath(target);
    design.setCurrentFileUtf8(utf8);
  }
  if (target.front() != '/' && target != TextFile::kStandardOutput &&
      !app_.settings.programFolder.empty()) {
    target = app_.settings.programFolder + "/" + target;
  }

  std::string script = BuildScript(design, index);
  if (script.empty()) {
    static const std::string noData = Cp936(u8"没有数据!");
    prompts.ShowMessage(noData, "Tablora");
    return false;
  }
  std::string error;
  std::string backup;
  if (!KeepForeignScript(target, backup, &error)) {
    static const std::string cannotKeep = Cp936(u8"无法保留原来的文件, 没有保存:\n");
    prompts.ShowMessage(
        cannotKeep + TextCodec::Utf8ToCp936(target) + "\n" + TextCodec::Utf8ToCp936(error),
        "Tablora");
    return false;
  }
  // The script is the core's GB18030 text: byte for byte GBK unless a character needs more.
  if (utf8) script = TextCodec::Cp936ToUtf8(script);
  const bool inPlace = TextFile::WritesInPlace(target);
  if (!TextFile::WriteText(target, script, &error)) {
    if (!backup.empty()) ::unlink(backup.c_str());
    // A device or pipe has no old content to keep.
    static const std::string cannotWrite = Cp936(u8"无法写入文件, 原来的文件没有改变:\n");
    static const std::string cannotWriteInPlace = Cp936(u8"无法写入文件:\n");
    prompts.ShowMessage((inPlace ? cannotWriteInPlace : cannotWrite) +
                            TextCodec::Utf8ToCp936(target) + "\n" +
                            TextCodec::Utf8ToCp936(error),
                        "Tablora");
    return false;
  }
  return true;
}

}  // namespace tablora
