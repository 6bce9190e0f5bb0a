#include "model/editor_record.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "base/gbk_text.h"
#include "base/text_codec.h"
#include "model/script_writer.h"

namespace tablora {

namespace {

const std::string& GroupMark() {
  static const std::string mark = Cp936(u8"(组)");
  return mark;
}

/// True when the multi-byte character at `i` (a lead byte) is whole: a four-byte character,
/// or a lead byte with a trail byte.
bool WholeCharacterAt(std::string_view text, std::size_t i) {
  if (gbk::IsFourByteAt(text, i)) return true;
  if (i + 1 >= text.size()) return false;
  const auto t = static_cast<unsigned char>(text[i + 1]);
  return t >= 0x40 && t != 0xFF;
}

/// True when every lead byte of `text` starts a whole character.
bool WholeCharacters(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!gbk::IsLeadByte(static_cast<unsigned char>(text[i]))) continue;
    if (!WholeCharacterAt(text, i)) return false;
    i += gbk::CharSize(text, i) - 1;
  }
  return true;
}

/// A name the writer brackets and the reader gives back unchanged. A name with "]" comes
/// back too, written "]]", but the table pattern's body rule reads it in pieces: only the
/// cycle can tell what such a table reads back as.
bool PlainName(std::string_view name) {
  if (name.empty() || name.size() >= width::kName) return false;
  if (!WholeCharacters(name)) return false;
  for (std::size_t i = 0; i < name.size(); i += gbk::CharSize(name, i)) {
    const char c = name[i];  // a later byte of a character may look like "[" or "]"
    if (c == '[' || c == ']' || c == '\n' || c == '\r' || c == '.') return false;
  }
  return true;
}

/// A free text a "--" comment carries unchanged: no colon (half or full width), no line
/// break.
bool PlainText(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (gbk::IsLeadByte(c)) {
      if (!WholeCharacterAt(text, i)) return false;
      const std::size_t size = gbk::CharSize(text, i);
      if (size == 2 && c == 0xA3 && static_cast<unsigned char>(text[i + 1]) == 0xBA) return false;
      i += size - 1;
    } else if (c == ':' || c == '\r' || c == '\n') {
      return false;
    }
  }
  return true;
}

/// An expression written inside "DEFAULT (...)" or "CHECK (...)" that reads back whole:
/// one line, closed literals and [names], balanced parentheses, no comment marks.
bool PlainExpression(std::string_view text) {
  int depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (gbk::IsLeadByte(c)) {
      if (!WholeCharacterAt(text, i)) return false;
      i += gbk::CharSize(text, i) - 1;
      continue;
    }
    switch (c) {
      case '\'': {
        std::size_t j = i + 1;
        for (;; ++j) {
          if (j >= text.size() || text[j] == '\n' || text[j] == '\r') return false;
          if (text[j] != '\'') continue;
          if (j + 1 < text.size() && text[j + 1] == '\'') {
            ++j;
            continue;
          }
          break;
        }
        i = j;
        break;
      }
      case '"': {
        const std::size_t close = text.find('"', i + 1);
        if (close == std::string_view::npos) return false;
        i = close;
        break;
      }
      case '[': {
        // The "]" that closes the name: a character of its own, not a later byte of one.
        std::size_t close = i + 1;
        while (close < text.size() && text[close] != ']') close += gbk::CharSize(text, close);
        if (close >= text.size() || !PlainName(text.substr(i + 1, close - i - 1))) return false;
        i = close;
        break;
      }
      case '(':
        ++depth;
        break;
      case ')':
        if (--depth < 0) return false;
        break;
      case ']':
      case '\n':
      case '\r':
        return false;
      case '-':
      case '/':
        if (i + 1 < text.size() && (text[i + 1] == '-' || text[i + 1] == '*')) return false;
        break;
      default:
        break;
    }
  }
  return depth == 0;
}

/// A type name the writer brackets and the reader gives back: one word of ASCII letters,
/// digits and _@#$, or such a word followed by "(max)".
bool PlainTypeName(std::string_view name, int length) {
  if (name.size() > 5 && name.compare(name.size() - 5, 5, "(max)") == 0) {
    if (length > 0) return false;
    name.remove_suffix(5);
  }
  if (name.empty() || name.size() >= width::kTypeName - 5) return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '@' || c == '#' || c == '$';
  });
}

/// The header comment the writer gives these names ("" for none).
std::string HeaderComment(const std::string& actual, const std::string& display,
                          const std::string& comment, const std::string& group) {
  const bool namesDiffer = actual != display;
  if (!namesDiffer && comment.empty() && group.empty()) return {};
  std::string text;
  if (namesDiffer) text = display + ":";
  text += comment.substr(0, comment.find(GroupMark()));
  if (!group.empty()) text += GroupMark() + group;
  return text;
}

}  // namespace

EditorRecord::EditorRecord(const AppState& app) {
  // The editor's grid must hold every column, and each yes/no cell must read back as
  // written.
  namespace col = grid_column;
  const Settings& s = app.settings;
  usable_ = app.databaseKind == kSqlServer && s.gridCaptions.size() >= col::kCount;
  for (int column : {col::kNullable, col::kIdentity, col::kPrimaryKey, col::kForeignKey}) {
    const std::string yes = s.YesText(column);
    const std::string no = s.NoText(column);
    const std::string noStart = gbk::Trim(no).substr(0, yes.size());
    usable_ = usable_ && !yes.empty() && !gbk::EqualsIgnoreCase(noStart, yes);
  }
}

bool EditorRecord::Settle(TableDesign& table) const {
  if (!usable_ || !PlainName(table.actualName)) return false;
  if (!table.owner.empty() && !PlainName(table.owner)) return false;
  if (!PlainText(table.displayName) || !PlainText(table.comment) || !PlainText(table.group))
    return false;

  // The names the editor's name page holds, the header comment written from them, and
  // what the reader takes from it.
  const std::string display = table.displayName.empty() ? table.actualName : table.displayName;
  const std::string written = HeaderComment(table.actualName, display, table.comment, table.group);
  std::string readDisplay, readComment, readGroup;
  if (display != table.actualName) {
    readDisplay = display;
    readComment = written.substr(display.size() + 1);
  } else {
    readComment = written;
  }
  readComment = gbk::CutToWidth(readComment, width::kComment);
  const std::size_t mark = readComment.find(GroupMark());
  if (mark != std::string::npos) {
    readGroup = gbk::CutToWidth(readComment.substr(mark + GroupMark().size()), width::kName);
  }
  // The editor filled from the settled record must write the same header, and keep the
  // same group.
  const std::string shownDisplay = readDisplay.empty() ? table.actualName : readDisplay;
  if (shownDisplay != display || (readGroup.empty() && !table.group.empty()) ||
      HeaderComment(table.actualName, shownDisplay, readComment, readGroup) != written) {
    return false;
  }

  const std::string owner = table.owner.empty() ? "dbo" : table.owner;
  std::vector<std::string_view> names;
  names.reserve(table.columns.size());
  for (const ColumnDesign& c : table.columns) {
    if (!PlainName(c.actualName) || !c.computedExpression.empty() || c.persisted) return false;
    if (!PlainText(c.displayName) || !PlainText(c.note) || c.note.size() >= width::kNote)
      return false;
    if (!PlainTypeName(c.typeName, c.length) || c.length < 0 || c.scale < 0 ||
        c.length > 999999999 || c.scale > 999999999) {
      return false;
    }
    if (!c.defaultValue.empty() && !PlainExpression(c.defaultValue)) return false;
    if (!c.checkExpression.empty() &&
        (!PlainExpression(c.checkExpression) || gbk::IsSpace(c.checkExpression.front()) ||
         gbk::IsSpace(c.checkExpression.back()))) {
      return false;
    }
    if (!c.identity.empty()) {
      const std::string arguments = IdentityArguments(c.identity);
      if (!arguments.empty() &&
          (arguments[0] != '(' || arguments.find_first_of("\r\n") != std::string::npos ||
           arguments.size() + 9 >= width::kIdentity)) {
        return false;
      }
    }
    if (c.foreignKey != static_cast<bool>(c.foreignKeyRef)) return false;
    if (c.foreignKeyRef) {
      const ForeignKeyRef& ref = *c.foreignKeyRef;
      if (!PlainName(ref.constraintName) || !PlainName(ref.refTable) || !PlainName(ref.refColumn) ||
          (!ref.refOwner.empty() && !PlainName(ref.refOwner))) {
        return false;
      }
    }
    names.push_back(c.actualName);
  }
  std::sort(names.begin(), names.end());
  if (std::adjacent_find(names.begin(), names.end()) != names.end()) return false;

  // Sure of the outcome: the record becomes what the editor's cycle gives.
  table.displayName = std::move(readDisplay);
  table.comment = std::move(readComment);
  table.group = std::move(readGroup);
  table.owner = owner;
  for (ColumnDesign& c : table.columns) {
    if (c.displayName == c.actualName) c.displayName.clear();
    if (c.length <= 0) c.scale = 0;
    if (!c.identity.empty()) {
      const std::string arguments = IdentityArguments(c.identity);
      c.identity = "IDENTITY " + (arguments.empty() ? std::string("(1,1)") : arguments);
    }
    c.nullable = c.nullable && !c.primaryKey && c.identity.empty();
    if (c.foreignKeyRef && gbk::EqualsIgnoreCase(c.foreignKeyRef->refOwner, owner)) {
      c.foreignKeyRef->refOwner.clear();
    }
  }
  return true;
}

}  // namespace tablora
