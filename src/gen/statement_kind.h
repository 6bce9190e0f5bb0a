#pragma once

#include <string>

namespace tablora {

/// The six kinds of statement a builder window makes.
enum class StatementKind { kSelect, kInsert, kUpdate, kDelete, kBackup, kDrop };

/// The folder under sqltemplate/ that holds the kind's code templates ("template_select" ...).
const char* TemplateFolder(StatementKind kind);
/// The function-prefix box's starting text ("" for SELECT, "Insert", "Update" ...).
const char* FunctionPrefixDefault(StatementKind kind);
/// The kind for a lower-case command-line word ("select", "insert" ...); false when unknown.
bool ParseStatementKind(const std::string& word, StatementKind& kind);

}  // namespace tablora
