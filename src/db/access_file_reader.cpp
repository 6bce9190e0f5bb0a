#include "db/access_file_reader.h"

#include <mdbtools.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "base/text_codec.h"
#include "db/value_rules.h"

namespace tablora {

namespace {

int AdoTypeOfAccess(int mdbType) {
  switch (mdbType) {
    case MDB_BOOL:
      return ado::kBoolean;
    case MDB_BYTE:
      return ado::kUnsignedTinyInt;
    case MDB_INT:
      return ado::kSmallInt;
    case MDB_LONGINT:
      return ado::kInteger;
    case MDB_MONEY:
      return ado::kCurrency;
    case MDB_FLOAT:
      return ado::kSingle;
    case MDB_DOUBLE:
      return ado::kDouble;
    case MDB_DATETIME:
      return ado::kDate;
    case MDB_BINARY:
      return ado::kVarBinary;
    case MDB_TEXT:
      return ado::kVarWChar;
    case MDB_OLE:
      return ado::kLongVarBinary;
    case MDB_MEMO:
      return ado::kLongVarWChar;
    case MDB_REPID:
      return ado::kGuid;
    case MDB_NUMERIC:
      return ado::kNumeric;
    default:
      return ado::kEmpty;
  }
}

/// libmdb reads in UTF-8 here; the design holds GB18030.
std::string Text(const char* utf8) { return utf8 == nullptr ? "" : TextCodec::Utf8ToCp936(utf8); }

/// True when a UTF-8 name survives the core's text unchanged.
bool Representable(const char* utf8) {
  return TextCodec::Cp936ToUtf8(TextCodec::Utf8ToCp936(utf8)) == utf8;
}

std::string Prop(const char* value) { return Text(value); }

bool IsTrue(const std::string& value) {
  return value == "yes" || value == "true" || value == "1" || value == "-1" || value == "Yes" ||
         value == "True";
}

void ReadRelationships(MdbHandle* mdb, AccessFileSchema& schema) {
  char name[] = "MSysRelationships";
  MdbTableDef* table = mdb_read_table_by_name(mdb, name, MDB_TABLE);
  if (table == nullptr) return;
  mdb_read_columns(table);
  mdb_rewind_table(table);
  static const char* const kColumns[] = {"szObject", "szColumn", "szReferencedObject",
                                         "szReferencedColumn", "szRelationship"};
  std::vector<std::unique_ptr<char[]>> buffers;
  int lengths[5] = {};
  bool bound = true;
  for (int i = 0; i < 5; ++i) {
    buffers.emplace_back(new char[MDB_BIND_SIZE]());
    if (mdb_bind_column_by_name(table, const_cast<gchar*>(kColumns[i]), buffers[i].get(),
                                &lengths[i]) < 0)
      bound = false;
  }
  while (bound && mdb_fetch_row(table)) {
    AccessRelationship r;
    r.table = Text(buffers[0].get());
    r.column = Text(buffers[1].get());
    r.refTable = Text(buffers[2].get());
    r.refColumn = Text(buffers[3].get());
    r.name = Text(buffers[4].get());
    schema.relationships.push_back(std::move(r));
  }
  mdb_free_tabledef(table);
}

}  // namespace

const AccessTableInfo* AccessFileSchema::Find(const std::string& table) const {
  for (const AccessTableInfo& t : tables)
    if (t.name == table) return &t;
  return nullptr;
}

bool AccessFileReader::Read(const std::string& path, AccessFileSchema& schema, std::string* error) {
  schema = AccessFileSchema{};
  // The library converts names when a file is opened: UTF-8, as the ODBC driver reads too.
  setenv("MDBICONV", "UTF-8", 1);
  MdbHandle* mdb = mdb_open(path.c_str(), MDB_NOFLAGS);
  if (mdb == nullptr) {
    if (error) *error = "cannot open " + path + " as an MS Access database";
    return false;
  }
  if (mdb_read_catalog(mdb, MDB_TABLE) == nullptr) {
    mdb_close(mdb);
    if (error) *error = "cannot read the catalog of " + path;
    return false;
  }
  for (unsigned i = 0; i < mdb->num_catalog; ++i) {
    auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
    if (entry->object_type != MDB_TABLE || !mdb_is_user_table(entry)) continue;
    if (!Representable(entry->object_name)) {
      schema.unrepresentable.push_back(entry->object_name);
      continue;
    }
    MdbTableDef* table = mdb_read_table(entry);
    if (table == nullptr) continue;
    mdb_read_columns(table);
    mdb_read_indices(table);
    AccessTableInfo info;
    info.name = Text(entry->object_name);
    info.description = Prop(mdb_table_get_prop(table, "Description"));
    for (unsigned c = 0; c < table->num_cols; ++c) {
      auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
      AccessColumnInfo column;
      column.name = Text(col->name);
      column.adoType = AdoTypeOfAccess(col->col_type);
      // Text lengths are stored in bytes of UCS-2 in Jet 4 files.
      column.size = col->col_size;
      if (col->col_type == MDB_TEXT && mdb->f->jet_version != MDB_VER_JET3) column.size /= 2;
      column.autoNumber = col->is_long_auto != 0;
      column.defaultValue = Prop(mdb_col_get_prop(col, "DefaultValue"));
      column.description = Prop(mdb_col_get_prop(col, "Description"));
      column.required = IsTrue(Prop(mdb_col_get_prop(col, "Required")));
      info.columns.push_back(std::move(column));
    }
    for (unsigned k = 0; table->indices != nullptr && k < table->num_idxs; ++k) {
      auto* index = static_cast<MdbIndex*>(g_ptr_array_index(table->indices, k));
      if (std::strcmp(index->name, "PrimaryKey") != 0) continue;
      for (unsigned j = 0; j < index->num_keys; ++j) {
        const int number = index->key_col_num[j];
        if (number >= 1 && static_cast<unsigned>(number) <= table->num_cols)
          info.primaryKey.push_back(
              Text(static_cast<MdbColumn*>(g_ptr_array_index(table->columns, number - 1))->name));
      }
    }
    schema.tables.push_back(std::move(info));
    mdb_free_tabledef(table);
  }
  ReadRelationships(mdb, schema);
  mdb_close(mdb);
  return true;
}

}  // namespace tablora
