#include "db/schema_import.h"

#include "base/gbk_text.h"
#include "base/ini_file.h"
#include "db/ado_recordset.h"
#include "db/comment_rule.h"
#include "db/connection_state.h"
#include "db/connection_strings.h"
#include "db/odbc_connection.h"
#include "db/procedure_import.h"
#include "db/schema_types.h"
#include "db/sqlite_dialect.h"
#include "model/design.h"
#include "model/sql_names.h"

namespace tablora {

namespace {

std::string Cut(const std::string& text, std::size_t width) { return gbk::CutToWidth(text, width); }

bool IsSystemName(const std::string& name) {
  return name.compare(0, 4, "MSys") == 0 || gbk::ToLowerAscii(name.substr(0, 7)) == "sqlite_";
}

/// Finds tables by name, remembering the last one found while the name repeats.
class TableLookup {
 public:
  TableLookup(std::vector<TableDesign>& tables, bool ignoreCase)
      : tables_(tables), ignoreCase_(ignoreCase) {}
  TableDesign* Find(const std::string& name) {
    if (last_ != nullptr && Same(last_->actualName, name)) return last_;
    last_ = nullptr;
    for (TableDesign& t : tables_)
      if (Same(t.actualName, name)) return last_ = &t;
    return nullptr;
  }

 private:
  bool Same(const std::string& a, const std::string& b) const {
    return ignoreCase_ ? gbk::EqualsIgnoreCase(a, b) : a == b;
  }
  std::vector<TableDesign>& tables_;
  bool ignoreCase_;
  TableDesign* last_ = nullptr;
};

ColumnDesign* FindColumn(TableDesign& table, const std::string& name) {
  for (ColumnDesign& c : table.columns)
    if (c.actualName == name) return &c;
  return nullptr;
}

void MarkForeignKey(ColumnDesign& column, const std::string& name, const std::string& refTable,
                    const std::string& refColumn) {
  column.foreignKey = true;
  column.foreignKeyRef = std::make_unique<ForeignKeyRef>();
  column.foreignKeyRef->constraintName =
      Cut(name.empty() ? "FK_" + column.actualName : name, width::kName);
  column.foreignKeyRef->refTable = refTable.empty() ? " " : Cut(refTable, width::kName);
  column.foreignKeyRef->refColumn = refColumn.empty() ? " " : Cut(refColumn, width::kName);
}

const std::string kKeyQuery =
    "SELECT TABLE_NAME,COLUMN_NAME,CONSTRAINT_NAME, CASE WHEN SUBSTRING(CONSTRAINT_NAME,1,2)='PK' "
    "THEN '1' ELSE '0' END AS PKEY,CASE WHEN SUBSTRING(CONSTRAINT_NAME,1,2)='FK' THEN '1' ELSE "
    "'0' END AS FKEY FROM INFORMATION_SCHEMA.KEY_COLUMN_USAGE";

}  // namespace

SchemaImport::SchemaImport(Design& design, ConnectionState& state, ImportObserver* observer)
    : design_(design),
      state_(state),
      observer_(observer),
      accessReader_([](const std::string& path, AccessFileSchema& schema) {
        return AccessFileReader::Read(path, schema);
      }) {}

std::string SchemaImport::Literal(const std::string& name) {
  return gbk::ReplaceAll(name, "'", "''");
}

void SchemaImport::Progress(int position) {
  if (observer_ != nullptr) observer_->ProgressChanged(position);
}

bool SchemaImport::OpenConnection(const ImportRequest& r) {
  if (state_.connectionMode == ConnectionState::kDataLink) return connection_->Open("");
  if (r.kind == kSqlServer)
    return connection_->OpenSqlServer(r.host, r.database, r.user, r.password, -1, r.integrated);
  if (r.kind == kAccess) return connection_->OpenAccess(r.database, r.password, -1);
  return false;
}

bool SchemaImport::Run(const ImportRequest& request) {
  kind_ = request.kind;
  all_ = request.tableIndex < 0;
  std::vector<TableDesign>& definitions = design_.definitions();
  if (!all_ && request.tableIndex >= static_cast<int>(definitions.size())) return false;
  design_.app().designHasContent = true;
  if (observer_ != nullptr) observer_->ProgressStarted();
  if (!state_.sharedConnection) state_.sharedConnection = std::make_unique<OdbcConnection>();
  connection_ = state_.sharedConnection.get();

  if (all_) {
    if (!OpenConnection(request)) {
      state_.connected = false;
      if (observer_ != nullptr) observer_->ProgressEnded();
      return false;
    }
    state_.connected = true;
  }
  Progress(10);

  accessFile_ = state_.connectionMode == ConnectionState::kDataLink
                    ? ConnectionStrings::AccessFile(connection_->connectionString())
                    : (kind_ == kAccess ? request.database : "");
  haveAccessSchema_ =
      kind_ == kAccess && !accessFile_.empty() && accessReader_(accessFile_, accessSchema_);

  std::vector<TableDesign> tables;
  if (all_) {
    ReadTables(tables);
  } else {
    TableDesign table;
    table.actualName = definitions[request.tableIndex].actualName;
    // The refreshed table stays under its owner; MS Access keeps its description in the file.
    table.owner = definitions[request.tableIndex].owner;
    if (haveAccessSchema_) {
      if (const AccessTableInfo* info = accessSchema_.Find(table.actualName))
        table.comment = Cut(info->description, width::kComment);
    }
    tables.push_back(std::move(table));
  }
  Progress(20);
  for (TableDesign& table : tables) {
    if (kind_ == kOracle)
      ReadOracleColumns(table);
    else
      ReadColumns(table);
  }
  Progress(30);
  ReadColumnDetails(tables);
  Progress(50);
  ReadKeys(tables);
  // Drivers may call a key column nullable (SQLite's INTEGER PRIMARY KEY): a key never is.
  for (TableDesign& table : tables)
    for (ColumnDesign& column : table.columns)
      if (column.primaryKey) column.nullable = false;
  Progress(60);
  if (kind_ == kSqlServer || kind_ == kOracle) ReadComments(tables);
  Progress(80);

  design_.app().databaseKind = kind_;
  if (all_) {
    if (request.beforeAdding) request.beforeAdding();
    const std::size_t first = definitions.size();
    for (TableDesign& table : tables) definitions.push_back(std::move(table));
    for (std::size_t i = first; i < definitions.size(); ++i)
      design_.AddTable(false, static_cast<int>(i));
    Progress(90);
    design_.view().ArrangeDesign();
    if (state_.importProcedures && kind_ == kSqlServer)
      ProcedureImport(*connection_).Run(design_.procedures());
    Progress(100);
    design_.view().DesignLoaded();
  } else {
    const int index = request.tableIndex;
    // The editor's text and grid stand as they were built from the record replaced.
    if (index < design_.tableCount()) design_.editor(index).Realise();
    definitions[index] = std::move(tables.front());
    if (index < design_.tableCount()) {
      TableEditor& editor = design_.editor(index);
      editor.ClearGrid();
      editor.FillFromDefinition(definitions, index);
      editor.ActivatePage(TableEditor::kDesignPage);
      editor.ActivatePage(TableEditor::kSqlPage);
      design_.TableChanged(index);
    }
  }
  const AppState& app = design_.app();
  if (!app.lastDatabase.empty()) {
    const std::string rootText =
        app.lastHost.empty() ? app.lastDatabase : app.lastDatabase + "(" + app.lastHost + ")";
    design_.view().SetRootTexts(rootText);
    if (observer_ != nullptr) observer_->RootTextChanged(rootText);
  }
  if (observer_ != nullptr) observer_->ProgressEnded();
  return true;
}

void SchemaImport::ReadTables(std::vector<TableDesign>& tables) {
  ResultSet rs;
  if (!connection_->Tables(rs)) return;
  for (std::size_t r = 0; r < rs.rows.size(); ++r) {
    const std::string& schema = rs.Text(r, 1);
    const std::string& name = rs.Text(r, 2);
    const std::string& type = rs.Text(r, 3);
    if (kind_ == kOracle && name.find('$') != std::string::npos) continue;
    if (type != "TABLE" || name.empty() || IsSystemName(name)) continue;
    std::string description = rs.Text(r, 4);
    if (haveAccessSchema_) {
      // The driver lists queries and system tables too: keep the file's user tables.
      const AccessTableInfo* info = accessSchema_.Find(name);
      if (info == nullptr) continue;
      description = info->description;
    }
    TableDesign t;
    t.actualName = Cut(name, width::kName);
    t.comment = Cut(description, width::kComment);
    t.owner = Cut(schema, width::kName);
    tables.push_back(std::move(t));
  }
}

void SchemaImport::ReadColumns(TableDesign& table) {
  AdoRecordset rs(connection_);
  bool open =
      !topFails_ && rs.Open("SELECT TOP 1 * FROM " + sql_names::Bracketed(table.actualName));
  if (!open) {
    // SQLite and other drivers without TOP describe the columns of an empty selection.
    open = rs.Open("SELECT * FROM " + SqliteDialect::TableName(table.actualName) + " WHERE 1=0");
    if (open) topFails_ = true;
  }
  if (!open) return;
  const AccessTableInfo* info = haveAccessSchema_ ? accessSchema_.Find(table.actualName) : nullptr;
  for (int i = 0; i < rs.GetFieldCount(); ++i) {
    ColumnDesign c;
    c.actualName = Cut(rs.GetFieldName(i), width::kName);
    int type = rs.GetFieldType(i);
    int size = rs.GetFieldDefinedSize(i);
    bool autoIncrement = rs.IsAutoIncrement(i);
    if (info != nullptr) {
      for (const AccessColumnInfo& a : info->columns) {
        if (a.name != rs.GetFieldName(i)) continue;
        type = a.adoType;
        size = a.size;
        autoIncrement = autoIncrement || a.autoNumber;
        break;
      }
    }
    c.typeName = Cut(SchemaTypes::Name(kind_, type), width::kTypeName);
    if (autoIncrement) {
      c.identity = " ";
      if (kind_ == kAccess) c.typeName = "Counter";
    }
    if (SchemaTypes::HasLength(kind_, type)) c.length = size;
    table.columns.push_back(std::move(c));
  }
}

void SchemaImport::ReadOracleColumns(TableDesign& table) {
  std::string sql =
      "SELECT COLUMN_NAME, DATA_TYPE, DATA_LENGTH, DATA_DEFAULT, NULLABLE FROM DBA_TAB_COLUMNS "
      "WHERE TABLE_NAME ='" +
      Literal(table.actualName) + "'";
  if (!table.owner.empty()) sql += " AND OWNER='" + Literal(table.owner) + "'";
  AdoRecordset rs(connection_);
  if (!rs.Open(sql)) return;
  for (; !rs.IsEOF(); rs.MoveNext()) {
    ColumnDesign c;
    std::string text;
    rs.GetValueText("COLUMN_NAME", text);
    c.actualName = Cut(text, width::kName);
    rs.GetValueText("DATA_TYPE", text);
    c.typeName = Cut(text, width::kTypeName);
    rs.GetValueText("DATA_LENGTH", text);
    c.length = IniFile::ParseInt(text);
    rs.GetValueText("DATA_DEFAULT", text);
    c.defaultValue = Cut(text, width::kDefault);
    if (rs.GetValueText("NULLABLE", text)) c.nullable = text == "Y";
    table.columns.push_back(std::move(c));
  }
}

void SchemaImport::ReadColumnDetails(std::vector<TableDesign>& tables) {
  if (kind_ == kOracle) return;
  if (haveAccessSchema_) {
    for (TableDesign& table : tables) {
      const AccessTableInfo* info = accessSchema_.Find(table.actualName);
      if (info == nullptr) continue;
      for (const AccessColumnInfo& a : info->columns) {
        ColumnDesign* c = FindColumn(table, a.name);
        if (c == nullptr) continue;
        c->defaultValue = Cut(a.defaultValue, width::kDefault);
        c->nullable = !a.required;
        c->note = Cut(a.description, width::kNote);
      }
      for (const std::string& key : info->primaryKey)
        if (ColumnDesign* c = FindColumn(table, key)) c->nullable = false;
    }
    return;
  }
  // One catalog call for every table: per-table calls cost seconds on large schemas.
  ResultSet rs;
  if (!connection_->Columns(all_ ? "" : tables.front().actualName, rs)) return;
  TableLookup lookup(tables, false);
  for (std::size_t r = 0; r < rs.rows.size(); ++r) {
    const std::string& tableName = rs.Text(r, 2);
    if (IsSystemName(tableName)) continue;
    TableDesign* table = lookup.Find(tableName);
    ColumnDesign* c = table ? FindColumn(*table, rs.Text(r, 3)) : nullptr;
    if (c == nullptr) continue;
    if (!rs.IsNull(r, 10)) c->nullable = rs.Text(r, 10) == "1";
    if (kind_ == kAccess) {
      if (!rs.IsNull(r, 12)) c->defaultValue = Cut(rs.Text(r, 12), width::kDefault);
      c->note = Cut(rs.Text(r, 11), width::kNote);
    }
  }
}

void SchemaImport::ReadKeys(std::vector<TableDesign>& tables) {
  if (kind_ == kOracle) return;
  if (haveAccessSchema_) {
    for (TableDesign& table : tables) {
      if (const AccessTableInfo* info = accessSchema_.Find(table.actualName))
        for (const std::string& key : info->primaryKey)
          if (ColumnDesign* c = FindColumn(table, key)) c->primaryKey = true;
      for (const AccessRelationship& rel : accessSchema_.relationships) {
        if (rel.table != table.actualName) continue;
        if (ColumnDesign* c = FindColumn(table, rel.column))
          MarkForeignKey(*c, rel.name, rel.refTable, rel.refColumn);
      }
    }
    return;
  }
  if (state_.connectionMode == ConnectionState::kDataLink && kind_ == kSqlServer) {
    AdoRecordset rs(connection_);
    std::string sql = kKeyQuery;
    if (!all_) sql += " WHERE TABLE_NAME='" + Literal(tables.front().actualName) + "'";
    if (rs.Open(sql + " ORDER by TABLE_NAME")) {
      TableLookup lookup(tables, false);
      for (; !rs.IsEOF(); rs.MoveNext()) {
        std::string tableName, columnName, constraint, pkey, fkey;
        rs.GetValueText("TABLE_NAME", tableName);
        rs.GetValueText("COLUMN_NAME", columnName);
        rs.GetValueText("CONSTRAINT_NAME", constraint);
        rs.GetValueText("PKEY", pkey);
        rs.GetValueText("FKEY", fkey);
        TableDesign* table = lookup.Find(tableName);
        ColumnDesign* c = table ? FindColumn(*table, columnName) : nullptr;
        if (c == nullptr) continue;
        if (pkey == "1")
          c->primaryKey = true;
        else if (fkey == "1")
          MarkForeignKey(*c, constraint, "", "");
      }
      return;
    }
    // A data source without INFORMATION_SCHEMA answers through the catalog.
  }
  ReadKeysFromCatalog(tables);
}

void SchemaImport::ReadKeysFromCatalog(std::vector<TableDesign>& tables) {
  auto same = [this](const std::string& a, const std::string& b) {
    return all_ ? a == b : gbk::EqualsIgnoreCase(a, b);
  };
  for (TableDesign& table : tables) {
    ResultSet rs;
    if (connection_->PrimaryKeys(table.actualName, rs)) {
      for (std::size_t r = 0; r < rs.rows.size(); ++r) {
        if (!same(rs.Text(r, 2), table.actualName)) continue;
        if (ColumnDesign* c = FindColumn(table, rs.Text(r, 3))) c->primaryKey = true;
      }
    }
    if (connection_->ForeignKeys(table.actualName, rs)) {
      for (std::size_t r = 0; r < rs.rows.size(); ++r) {
        if (!same(rs.Text(r, 6), table.actualName)) continue;
        if (ColumnDesign* c = FindColumn(table, rs.Text(r, 7)))
          MarkForeignKey(*c, rs.Text(r, 11), rs.Text(r, 2), rs.Text(r, 3));
      }
    }
  }
}

void SchemaImport::ReadComments(std::vector<TableDesign>& tables) {
  std::string sql;
  if (kind_ == kOracle) {
    sql = all_ ? "SELECT TABLE_NAME as objname, COMMENTS as description FROM ALL_TAB_COMMENTS "
                 "WHERE TABLE_TYPE='TABLE' "
               : "SELECT TABLE_NAME as objname, COMMENTS as description FROM ALL_TAB_COMMENTS "
                 "WHERE TABLE_TYPE='TABLE' AND TABLE_NAME='" +
                     Literal(tables.front().actualName) + "'";
  } else {
    sql =
        "SELECT  objname, cast(value as varchar(255)) as description FROM  "
        "::fn_listextendedproperty (N'MS_Description', N'user', N'dbo', N'table', default, "
        "null, null)";
    if (!all_) sql += " WHERE objname='" + Literal(tables.front().actualName) + "'";
  }
  AdoRecordset rs(connection_);
  if (!rs.Open(sql)) return;
  for (; !rs.IsEOF(); rs.MoveNext()) {
    std::string name, description;
    rs.GetValueText("objname", name);
    rs.GetValueText("description", description);
    CommentRule::ApplyToTable(tables, name, description);
  }
  for (TableDesign& table : tables) {
    const std::string name = Literal(table.actualName);
    const std::string columnSql =
        kind_ == kOracle
            ? "SELECT COLUMN_NAME as objname, COMMENTS FROM ALL_COL_COMMENTS WHERE TABLE_NAME='" +
                  name + "'"
            : "SELECT  objname, cast(value as varchar(255)) as COMMENTS FROM   "
              "::fn_listextendedproperty (N'MS_Description', N'user', N'dbo', N'table', N'" +
                  name + "', N'column', default)";
    AdoRecordset columns(connection_);
    if (!columns.Open(columnSql)) continue;
    for (; !columns.IsEOF(); columns.MoveNext()) {
      std::string column, comment;
      columns.GetValueText("objname", column);
      columns.GetValueText("COMMENTS", comment);
      if (comment.empty()) continue;
      CommentRule::ApplyToColumn(tables, table.actualName, column, comment);
    }
  }
}

}  // namespace tablora
