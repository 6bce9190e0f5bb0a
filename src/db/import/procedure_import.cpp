#include "db/import/procedure_import.h"

#include "base/gbk_text.h"
#include "db/access/ado_connection.h"
#include "db/access/ado_recordset.h"
#include "db/dialects/procedure_sql.h"

namespace tablora {

namespace {
constexpr std::size_t kParameterNameWidth = 128;  // 127 bytes
constexpr std::size_t kParameterTypeWidth = 64;   // 63 bytes
}  // namespace

int ProcedureImport::Run(std::vector<ProcedureDesign>& procedures) {
  ResultSet rs;
  if (!connection_.Procedures(rs)) return 0;
  const std::size_t first = procedures.size();
  for (std::size_t r = 0; r < rs.rows.size(); ++r) {
    // PROCEDURE_SCHEM, PROCEDURE_NAME
    std::string name = rs.Text(r, 2);
    if (name.empty() || name.compare(0, 3, "dt_") == 0) continue;
    name = name.substr(0, name.find(';'));
    ProcedureDesign procedure;
    procedure.name = name;
    procedure.owner = rs.Text(r, 1);
    procedures.push_back(std::move(procedure));
  }
  // A query that fails (an encrypted procedure) leaves only that procedure's part empty.
  for (std::size_t i = first; i < procedures.size(); ++i) ReadText(procedures[i]);
  for (std::size_t i = first; i < procedures.size(); ++i) ReadParameters(procedures[i]);
  return static_cast<int>(procedures.size() - first);
}

void ProcedureImport::ReadText(ProcedureDesign& procedure) {
  AdoRecordset rs(&connection_);
  if (!rs.Open(ProcedureSql::TextQuery(procedure.owner, procedure.name))) return;
  std::string text;
  for (; !rs.IsEOF(); rs.MoveNext()) {
    std::string piece;
    rs.GetValueText("Text", piece);
    text += piece;
  }
  procedure.text = gbk::ReplaceAll(text, "\r\n", "\n");
}

void ProcedureImport::ReadParameters(ProcedureDesign& procedure) {
  AdoRecordset rs(&connection_);
  if (!rs.Open(ProcedureSql::ParameterQuery(procedure.owner, procedure.name))) return;
  for (; !rs.IsEOF(); rs.MoveNext()) {
    ColumnDesign parameter;
    std::string text;
    rs.GetValueText("Parameter_name", text);
    parameter.actualName = gbk::CutToWidth(text, kParameterNameWidth);
    text.clear();
    rs.GetValueText("Type", text);
    parameter.typeName = gbk::CutToWidth(text, kParameterTypeWidth);
    const bool national = !text.empty() && (text[0] == 'n' || text[0] == 'N');
    rs.GetValueInt(national ? "Prec" : "Length", parameter.length);
    procedure.parameters.push_back(std::move(parameter));
  }
}

}  // namespace tablora
