#include "db/import/schema_import.h"

#include "base/gbk_text.h"
#include "base/ini_file.h"
#include "base/text_codec.h"
#include "db/access/ado_recordset.h"
#include "db/access/connection_state.h"
#include "db/access/connection_strings.h"
#include "db/access/odbc_connection.h"
#include "db/dialects/dialect.h"
#include "db/dialects/sqlite_dialect.h"
#include "db/import/comment_rule.h"
#include "db/import/procedure_import.h"
#include "db/import/schema_types.h"
#include "model/design.h"
#include "model/sql_names.h"

namespace tablora {

namespace {

std::string Cut(const std::string& text, std::size_t width) { return gbk::CutToWidth(text, width); }

bool IsSystemName(const std::string& name) {
  return name.compare(0, 4, "MSys") == 0 || gbk::ToLowerAscii(name.substr(0, 7)) == "sqlite_";
}

/// Finds tables by name, remembering the last one found while the name repeats. A row
/// that names its schema goes to the table of that schema where several share the name
/// (`matches` tells).
class TableLookup {
 public:
  using SchemaMatches = std::function<bool(const TableDesign&, const std::string&)>;
  TableLookup(std::vector<TableDesign>& tables, bool ignoreCase, SchemaMatches matches)
      : tables_(tables), ignoreCase_(ignoreCase), matches_(std::move(matches)) {}
  TableDesign* Find(const std::string& name, const std::string& schema = {}) {
    if (last_ != nullptr && Same(last_->actualName, name) && matches_(*last_, schema)) return last_;
    last_ = nullptr;
    for (TableDesign& t : tables_)
      if (Same(t.actualName, name) && matches_(t, schema)) return last_ = &t;
    return nullptr;
  }

 private:
  bool Same(const std::string& a, const std::string& b) const {
    return ignoreCase_ ? gbk::EqualsIgnoreCase(a, b) : a == b;
  }
  std::vector<TableDesign>& tables_;
  bool ignoreCase_;
  SchemaMatches matches_;
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

void SchemaImport::Progress(int position) {
  if (observer_ != nullptr) observer_->ProgressChanged(position);
}

bool SchemaImport::Shared(const TableDesign& table) const {
  return !table.owner.empty() && sharedNames_.count(gbk::ToLowerAscii(table.actualName)) != 0;
}

bool SchemaImport::SchemaMatches(const TableDesign& table, const std::string& schema) const {
  return schema.empty() || !Shared(table) || gbk::EqualsIgnoreCase(schema, table.owner);
}

void SchemaImport::AddImported(std::vector<TableDesign>& tables, const ImportRequest& request) {
  std::vector<TableDesign>& definitions = design_.definitions();
  // The design's tables as their editors hold them now.
  design_.RefreshTableDefinitions();
  const std::vector<TableConflicts::Placement> placements = TableConflicts::Resolve(
      definitions, tables, request.onConflict,
      request.conflictPrompts ? *request.conflictPrompts : design_.prompts());
  // A new table whose editor has not built its text yet keeps its place.
  if (static_cast<int>(definitions.size()) < design_.tableCount()) {
    definitions.resize(static_cast<std::size_t>(design_.tableCount()));
  }
  const std::size_t first = definitions.size();
  for (std::size_t i = 0; i < tables.size(); ++i) {
    if (placements[i].kind == TableConflicts::Placement::kAppend) {
      definitions.push_back(std::move(tables[i]));
    } else if (placements[i].kind == TableConflicts::Placement::kReplace) {
      design_.ReplaceTable(placements[i].index, std::move(tables[i]));
    }
  }
  for (std::size_t i = first; i < definitions.size(); ++i)
    design_.AddTable(false, static_cast<int>(i));
}

bool SchemaImport::OpenConnection(const ImportRequest& r) {
  if (state_.connectionMode == ConnectionState::kDataLink) return connection_->Open("");
  if (r.kind == kSqlServer)
    return connection_->OpenSqlServer(r.host, r.database, r.user, r.password, -1, r.integrated);
  if (r.kind == kAccess) return connection_->OpenAccess(r.database, r.password, -1);
  return false;
}

bool SchemaImport::Run(const ImportRequest& request) {
  error_.clear();
  kind_ = request.kind;
  all_ = request.tableIndex < 0;
  std::vector<TableDesign>& definitions = design_.definitions();
  if (!all_ && request.tableIndex >= static_cast<int>(definitions.size())) return false;
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
  // Only now: a file or server that cannot be read leaves the design view as it was.
  design_.app().designHasContent = true;
  Progress(10);

  accessFile_ = state_.connectionMode == ConnectionState::kDataLink
                    ? ConnectionStrings::AccessFile(connection_->connectionString())
                    : (kind_ == kAccess ? request.database : "");
  haveAccessSchema_ =
      kind_ == kAccess && !accessFile_.empty() && accessReader_(accessFile_, accessSchema_);

  std::vector<TableDesign> tables;
  sharedNames_.clear();
  if (all_) {
    if (!ReadTables(tables) || (tables.empty() && SqliteDialect::CannotRead(*connection_))) {
      error_ = Cp936(u8"无法读取数据库中的表!\n") + connection_->FirstError();
      if (observer_ != nullptr) observer_->ProgressEnded();
      return false;
    }
    std::unordered_set<std::string> seen;
    for (const TableDesign& table : tables) {
      const std::string name = gbk::ToLowerAscii(table.actualName);
      if (!seen.insert(name).second) sharedNames_.insert(name);
    }
  } else {
    TableDesign table;
    table.actualName = definitions[request.tableIndex].actualName;
    // The refreshed table stays under its owner; MS Access keeps its description in the file.
    table.owner = definitions[request.tableIndex].owner;
    for (std::size_t i = 0; i < definitions.size(); ++i) {
      if (static_cast<int>(i) != request.tableIndex &&
          gbk::EqualsIgnoreCase(definitions[i].actualName, table.actualName) &&
          !SameTable(definitions[i], table)) {
        sharedNames_.insert(gbk::ToLowerAscii(table.actualName));
      }
    }
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
  if (Dialect::For(kind_).HasComments()) ReadComments(tables);
  Progress(80);

  design_.app().databaseKind = kind_;
  if (all_) {
    if (request.beforeAdding) request.beforeAdding();
    AddImported(tables, request);
    Progress(90);
    design_.view().ArrangeDesign();
    if (state_.importProcedures && kind_ == kSqlServer)
      ProcedureImport(*connection_).Run(design_.procedures());
    Progress(100);
    design_.view().DesignLoaded();
  } else {
    const int index = request.tableIndex;
    if (index < design_.tableCount()) {
      design_.ReplaceTable(index, std::move(tables.front()));
    } else {
      definitions[index] = std::move(tables.front());
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

bool SchemaImport::ReadTables(std::vector<TableDesign>& tables) {
  ResultSet rs;
  if (!connection_->Tables(rs)) return false;
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
  return true;
}

void SchemaImport::ReadColumns(TableDesign& table) {
  AdoRecordset rs(connection_);
  // A name two schemas hold is read from the table's own.
  const bool shared = Shared(table);
  const std::string bracketed = (shared ? sql_names::Bracketed(table.owner) + "." : std::string()) +
                                sql_names::Bracketed(table.actualName);
  bool open = !topFails_ && rs.Open("SELECT TOP 1 * FROM " + bracketed);
  if (!open) {
    // SQLite and other drivers without TOP describe the columns of an empty selection.
    const std::string name =
        (shared ? SqliteDialect::TableName(table.owner) + "." : std::string()) +
        SqliteDialect::TableName(table.actualName);
    open = rs.Open("SELECT * FROM " + name + " WHERE 1=0");
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
      sql_names::InsideLiteral(table.actualName) + "'";
  if (!table.owner.empty()) sql += " AND OWNER='" + sql_names::InsideLiteral(table.owner) + "'";
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
  const auto matches = [this](const TableDesign& t, const std::string& s) {
    return SchemaMatches(t, s);
  };
  TableLookup lookup(tables, false, matches);
  for (std::size_t r = 0; r < rs.rows.size(); ++r) {
    const std::string& tableName = rs.Text(r, 2);
    if (IsSystemName(tableName)) continue;
    TableDesign* table = lookup.Find(tableName, rs.Text(r, 1));
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
    // Where two schemas hold a table of one name, the rows say their schema.
    std::string sql =
        sharedNames_.empty() ? kKeyQuery : "SELECT TABLE_SCHEMA," + kKeyQuery.substr(7);
    if (!all_)
      sql += " WHERE TABLE_NAME='" + sql_names::InsideLiteral(tables.front().actualName) + "'";
    if (rs.Open(sql + " ORDER by TABLE_NAME")) {
      TableLookup lookup(tables, false, [this](const TableDesign& t, const std::string& s) {
        return SchemaMatches(t, s);
      });
      for (; !rs.IsEOF(); rs.MoveNext()) {
        std::string schema, tableName, columnName, constraint, pkey, fkey;
        if (!sharedNames_.empty()) rs.GetValueText("TABLE_SCHEMA", schema);
        rs.GetValueText("TABLE_NAME", tableName);
        rs.GetValueText("COLUMN_NAME", columnName);
        rs.GetValueText("CONSTRAINT_NAME", constraint);
        rs.GetValueText("PKEY", pkey);
        rs.GetValueText("FKEY", fkey);
        TableDesign* table = lookup.Find(tableName, schema);
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
    // A name two schemas hold is asked for in the table's own schema.
    const std::string schema = Shared(table) ? table.owner : std::string();
    if (connection_->PrimaryKeysOf(schema, table.actualName, rs)) {
      for (std::size_t r = 0; r < rs.rows.size(); ++r) {
        if (!same(rs.Text(r, 2), table.actualName) || !SchemaMatches(table, rs.Text(r, 1)))
          continue;
        if (ColumnDesign* c = FindColumn(table, rs.Text(r, 3))) c->primaryKey = true;
      }
    }
    if (connection_->ForeignKeysOf(schema, table.actualName, rs)) {
      for (std::size_t r = 0; r < rs.rows.size(); ++r) {
        if (!same(rs.Text(r, 6), table.actualName) || !SchemaMatches(table, rs.Text(r, 5)))
          continue;
        if (ColumnDesign* c = FindColumn(table, rs.Text(r, 7)))
          MarkForeignKey(*c, rs.Text(r, 11), rs.Text(r, 2), rs.Text(r, 3));
      }
    }
  }
}

void SchemaImport::ReadComments(std::vector<TableDesign>& tables) {
  const Dialect& dialect = Dialect::For(kind_);
  const bool byOwner = dialect.CommentsByOwner();
  // The descriptions of dbo's tables, then (where two schemas hold one name) those of the
  // other owners of such names, each going to its own owner's table.
  std::vector<std::string> owners = {"dbo"};
  if (byOwner) {
    for (const TableDesign& table : tables) {
      if (!Shared(table)) continue;
      bool listed = false;
      for (const std::string& owner : owners)
        listed = listed || gbk::EqualsIgnoreCase(owner, table.owner);
      if (!listed) owners.push_back(table.owner);
    }
  }
  for (const std::string& owner : owners) {
    const std::string sql =
        dialect.TableCommentsQuery(owner, all_ ? nullptr : &tables.front().actualName);
    AdoRecordset rs(connection_);
    if (!rs.Open(sql)) continue;
    for (; !rs.IsEOF(); rs.MoveNext()) {
      std::string name, description;
      rs.GetValueText("objname", name);
      rs.GetValueText("description", description);
      // The owner's table of that name; for a name one schema holds, the first of it.
      TableDesign* target = nullptr;
      for (TableDesign& table : tables) {
        if (!gbk::EqualsIgnoreCase(table.actualName, name)) continue;
        if (!byOwner || !Shared(table) || SameTable(table.owner, name, owner, name)) {
          target = &table;
          break;
        }
      }
      if (target != nullptr) CommentRule::ApplyToTable(*target, description);
    }
  }
  for (TableDesign& table : tables) {
    const std::string columnSql = dialect.ColumnCommentsQuery(
        Shared(table) ? table.owner : std::string("dbo"), table.actualName);
    AdoRecordset columns(connection_);
    if (!columns.Open(columnSql)) continue;
    for (; !columns.IsEOF(); columns.MoveNext()) {
      std::string column, comment;
      columns.GetValueText("objname", column);
      columns.GetValueText("COMMENTS", comment);
      if (comment.empty()) continue;
      CommentRule::ApplyToColumn(table, column, comment);
    }
  }
}

}  // namespace tablora
