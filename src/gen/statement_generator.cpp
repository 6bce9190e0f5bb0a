#include "gen/statement_generator.h"

#include <cstdio>

#include "base/gbk_text.h"
#include "base/text_codec.h"

namespace tablora {

namespace {

constexpr const char* kCrLf = "\r\n";

/// The variable declaration block that parameters and procedure texts put before the
/// statement.
class ParameterBlock {
 public:
  ParameterBlock(const StatementInput& input, const char* procedureSuffix) : input_(input) {
    if (!input.procedureHeader) {
      text_ = "DECLARE ";
      return;
    }
    const std::string name = "p_" + input.tables.front().actualName + procedureSuffix;
    text_ =
        "IF EXISTS (SELECT name FROM  sysobjects WHERE name = N'" + name + "' AND type = 'P') \r\n";
    text_ += "DROP PROCEDURE " + name + "\r\nGO\r\n\r\n";
    text_ += "CREATE PROCEDURE " + name + "\r\n";
  }

  /// "@name type(len,scale)", a comma before the next one, a line end after the last.
  void Declare(const StatementField& field, bool last) {
    text_ += kCrLf;
    text_ += '@';
    text_ += field.actualName;
    text_ += ' ';
    text_ += field.typeName;
    if (field.length > 0) {
      text_ += '(' + std::to_string(field.length);
      if (field.scale > 0) text_ += ',' + std::to_string(field.scale);
      text_ += ')';
    }
    if (!last) {
      text_ += ',';
    } else if (!input_.noLineBreaks) {
      text_ += kCrLf;
    }
  }

  /// Ends the block with "AS" (procedure texts only) and the comment line that opens the
  /// statement.
  void Finish(const std::string& comment) {
    if (input_.procedureHeader) text_ += "\r\nAS";
    text_ += "\r\n\r\n" + comment + kCrLf;
  }

  const std::string& text() const { return text_; }

 private:
  const StatementInput& input_;
  std::string text_;
};

/// ", " after every field but the last (with a line end after every second one), " " after
/// the last.
void AppendSeparator(std::string& out, std::size_t i, std::size_t count, bool noLineBreaks,
                     const char* lastText = " ") {
  if (i + 1 == count) {
    out += lastText;
    return;
  }
  out += ", ";
  if (!noLineBreaks && (i + 1) % 2 == 0) out += kCrLf;
}

void AppendClause(std::string& out, const std::string& clause) {
  if (clause.empty()) return;
  out += ' ';
  out += kCrLf;
  out += clause;
}

bool IsCrossJoin(const std::string& keyword) {
  return gbk::EqualsIgnoreCase(gbk::Trim(keyword), "CROSS JOIN");
}

/// The position of the last field that gets a declaration (one without a set value), or
/// the field count when none does; a comma follows every declaration before it.
std::size_t LastDeclared(const StatementInput& input) {
  for (std::size_t i = input.fields.size(); i-- > 0;) {
    if (!input.fields[i].HasValue()) return i;
  }
  return input.fields.size();
}

bool EndsWithWord(const std::string& text, const char* word) {
  const std::size_t n = std::char_traits<char>::length(word);
  if (text.size() < n ||
      !gbk::EqualsIgnoreCase(std::string_view(text).substr(text.size() - n), word)) {
    return false;
  }
  if (text.size() == n) return true;
  const char before = text[text.size() - n - 1];
  return before == ' ' || before == '\t' || before == '\r' || before == '\n' || before == ')';
}

}  // namespace

std::string StatementField::Value() const {
  const std::size_t eq = text.find('=');
  return eq == std::string::npos ? std::string() : text.substr(eq + 1);
}

std::string StatementGenerator::CleanCondition(const std::string& text) {
  std::string out = gbk::TrimChars(text, " \t\r\n");
  for (bool changed = true; changed;) {
    changed = false;
    for (const char* word : {"AND", "OR"}) {
      if (EndsWithWord(out, word)) {
        out = gbk::TrimChars(out.substr(0, out.size() - std::char_traits<char>::length(word)),
                             " \t\r\n");
        changed = true;
      }
    }
  }
  if (gbk::EqualsIgnoreCase(out, "WHERE") || gbk::EqualsIgnoreCase(out, "ON")) return {};
  return out;
}

std::string StatementGenerator::TablePrefix(const StatementInput& input,
                                            const StatementTable& table) {
  if (!input.databaseName.empty()) {
    return input.databaseName + (table.owner.empty() ? ".dbo." : "." + table.owner + ".");
  }
  if (input.kind == StatementKind::kBackup) return table.owner.empty() ? "dbo." : table.owner + ".";
  return {};
}

std::string StatementGenerator::Stamp(const StampTime& t) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour,
                t.minute);
  return text;
}

std::string StatementGenerator::FieldReference(const std::string& entryText) {
  std::string text = entryText.substr(0, entryText.find('='));
  return text.substr(0, text.find('('));
}

std::optional<std::string> StatementGenerator::Build(const StatementInput& input) {
  if (input.tables.empty()) return std::nullopt;
  const StatementTable& table = input.tables.front();
  const std::string name = TablePrefix(input, table) + table.actualName;
  std::string out;
  switch (input.kind) {
    case StatementKind::kSelect:
      return Select(input);
    case StatementKind::kInsert:
      return Insert(input);
    case StatementKind::kUpdate:
      return Update(input);
    case StatementKind::kDelete:
      out = "DELETE FROM " + name;
      AppendClause(out, CleanCondition(input.where));
      return out;
    case StatementKind::kDrop:
      // DROP TABLE takes no condition.
      return "DROP TABLE " + name;
    case StatementKind::kBackup:
      out = "SELECT * INTO " + name + Stamp(input.now) + " FROM " + name;
      AppendClause(out, CleanCondition(input.where));
      return out;
  }
  return out;
}

std::string StatementGenerator::Select(const StatementInput& input) {
  const std::size_t count = input.fields.size();
  if (count == 0) return {};
  ParameterBlock block(input, "_sel");
  std::string out = input.top > 0 ? "SELECT TOP " + std::to_string(input.top) + " " : "SELECT ";
  const bool oneTable = input.tables.size() == 1;
  for (std::size_t i = 0; i < count; ++i) {
    const StatementField& field = input.fields[i];
    if (input.parameters) {
      out += "@" + field.actualName + "=";
      block.Declare(field, i + 1 == count);
    }
    out += oneTable ? field.actualName : FieldReference(field.text);
    AppendSeparator(out, i, count, input.noLineBreaks);
  }
  out += "\r\nFROM ";
  for (std::size_t t = 0; t < input.tables.size(); ++t) {
    const StatementTable& table = input.tables[t];
    std::string named = TablePrefix(input, table) + table.actualName;
    if (!oneTable && !table.alias.empty()) named += " " + table.alias;
    if (t == 0) {
      out += named;
    } else if (!table.joinKeyword.empty()) {
      out += " \r\n" + table.joinKeyword + " " + named;
      // A cross join pairs every row: it takes no ON clause.
      const std::string on = CleanCondition(table.onText);
      if (!IsCrossJoin(table.joinKeyword) && !on.empty()) out += " " + on;
      out += kCrLf;
    } else {
      out += ", " + named;
    }
  }
  block.Finish(Cp936(u8"--开始选择数据"));
  if (input.parameters) out = block.text() + out;
  AppendClause(out, CleanCondition(input.where));
  AppendClause(out, gbk::TrimChars(input.orderBy, " \t\r\n"));
  return out;
}

std::string StatementGenerator::Insert(const StatementInput& input) {
  const std::size_t count = input.fields.size();
  if (count == 0) return {};
  ParameterBlock block(input, "_inst");
  const std::size_t lastDeclared = LastDeclared(input);
  const StatementTable& table = input.tables.front();
  std::string out = "INSERT INTO " + TablePrefix(input, table) + table.actualName + "(";
  std::string values;
  for (std::size_t i = 0; i < count; ++i) {
    const StatementField& field = input.fields[i];
    out += field.actualName;
    if (field.HasValue()) {
      values += field.Value();
    } else if (input.parameters) {
      values += "@" + field.actualName;
      block.Declare(field, i == lastDeclared);
    } else {
      values += field.length < 1 ? "%d" : "'%s'";
    }
    AppendSeparator(out, i, count, input.noLineBreaks);
    AppendSeparator(values, i, count, input.noLineBreaks, ")");
  }
  out += ")\r\n VALUES(";
  block.Finish(Cp936(u8"--开始插入数据"));
  if (input.parameters) out = block.text() + out;
  return out + values;
}

std::string StatementGenerator::Update(const StatementInput& input) {
  const std::size_t count = input.fields.size();
  if (count == 0) return {};
  ParameterBlock block(input, "_update");
  const std::size_t lastDeclared = LastDeclared(input);
  const StatementTable& table = input.tables.front();
  std::string out = "UPDATE " + TablePrefix(input, table) + table.actualName + " Set ";
  for (std::size_t i = 0; i < count; ++i) {
    const StatementField& field = input.fields[i];
    out += field.actualName + "=";
    if (field.HasValue()) {
      out += field.Value();
    } else if (input.parameters) {
      out += "@" + field.actualName;
      block.Declare(field, i == lastDeclared);
    } else {
      out += "?";
    }
    AppendSeparator(out, i, count, input.noLineBreaks);
  }
  block.Finish(Cp936(u8"--开始更新数据"));
  if (input.parameters) out = block.text() + out;
  AppendClause(out, CleanCondition(input.where));
  return out;
}

}  // namespace tablora
