#include "db/writeback/comment_script.h"

#include "base/text_codec.h"
#include "db/dialects/dialect.h"

namespace tablora {

const char* CommentScript::FileName(bool tablesOnly) {
  return tablesOnly ? "Tablora_GroupComment.sql" : "Tablora_AllComment.sql";
}

const std::string& CommentScript::Header() {
  static const std::string header =
      Cp936(u8"/* TABLORA V1.5 \n请将此脚本拷贝到MS SQL Server的 SQL查询分析器 中运行!*/\n\n\n");
  return header;
}

bool CommentScript::HasStatements(int databaseKind) {
  return Dialect::For(databaseKind).HasComments();
}

std::string CommentScript::Build(const std::vector<TableDesign>& tables, int databaseKind,
                                 bool tablesOnly) {
  const Dialect& dialect = Dialect::For(databaseKind);
  if (!dialect.HasComments()) return {};
  std::string text = Header();
  dialect.AppendComments(tables, text, tablesOnly, true, -1);
  return text;
}

}  // namespace tablora
