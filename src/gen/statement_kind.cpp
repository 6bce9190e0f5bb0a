#include "gen/statement_kind.h"

namespace tablora {

namespace {

struct KindInfo {
  StatementKind kind;
  const char* word;
  const char* folder;
  const char* prefix;
};

constexpr KindInfo kKinds[] = {
    {StatementKind::kSelect, "select", "template_select", ""},
    {StatementKind::kInsert, "insert", "template_insert", "Insert"},
    {StatementKind::kUpdate, "update", "template_update", "Update"},
    {StatementKind::kDelete, "delete", "template_delete", "Delete"},
    {StatementKind::kBackup, "backup", "template_backup", "Backup"},
    {StatementKind::kDrop, "drop", "template_drop", "Drop"},
};

const KindInfo& Info(StatementKind kind) {
  for (const KindInfo& info : kKinds) {
    if (info.kind == kind) return info;
  }
  return kKinds[0];
}

}  // namespace

const char* TemplateFolder(StatementKind kind) { return Info(kind).folder; }

const char* FunctionPrefixDefault(StatementKind kind) { return Info(kind).prefix; }

bool ParseStatementKind(const std::string& word, StatementKind& kind) {
  for (const KindInfo& info : kKinds) {
    if (word == info.word) {
      kind = info.kind;
      return true;
    }
  }
  return false;
}

}  // namespace tablora
