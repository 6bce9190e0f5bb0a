#include "db/access/access_file_reader.h"

#include <fcntl.h>
#include <mdbtools.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "base/forked_call.h"
#include "base/text_codec.h"
#include "db/access/value_rules.h"

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

bool IsTrue(const std::string& value) {
  return value == "yes" || value == "true" || value == "1" || value == "-1" || value == "Yes" ||
         value == "True";
}

std::string Damaged(const std::string& path, const std::string& what) {
  static const std::string kDamaged = Cp936(u8"数据库文件已损坏: ");
  return kDamaged + path + (what.empty() ? "" : " (" + what + ")");
}

std::string TableDamaged(const std::string& path, const char* table, const char* part) {
  return Damaged(path, Cp936(u8"表 ") + Text(table) + Cp936(part));
}

/// Relationships are never more than this; a damaged row chain stops here.
constexpr int kMaxRelationships = 100000;

/// The library holds its column buffers by pointer: they live as long as the table.
using Buffers = std::vector<std::unique_ptr<char[]>>;

void BindAll(MdbTableDef* table, GPtrArray* columns, Buffers& buffers) {
  for (unsigned c = 0; c < columns->len; ++c) {
    buffers.emplace_back(new char[MDB_BIND_SIZE]());
    mdb_bind_column(table, static_cast<int>(c + 1), buffers.back().get(), nullptr);
  }
}

bool ReadRelationships(MdbHandle* mdb, AccessFileSchema& schema, const std::string& path,
                       std::string& error) {
  char name[] = "MSysRelationships";
  MdbTableDef* table = mdb_read_table_by_name(mdb, name, MDB_TABLE);
  if (table == nullptr) return true;  // a file without relationships
  std::unique_ptr<MdbTableDef, void (*)(MdbTableDef*)> owner(table, mdb_free_tabledef);
  if (mdb_read_columns(table) == nullptr) {
    error = TableDamaged(path, name, u8" 的列无法读取");
    return false;
  }
  mdb_rewind_table(table);
  static const char* const kColumns[] = {"szObject", "szColumn", "szReferencedObject",
                                         "szReferencedColumn", "szRelationship"};
  Buffers buffers;
  for (const char* column : kColumns) {
    buffers.emplace_back(new char[MDB_BIND_SIZE]());
    if (mdb_bind_column_by_name(table, const_cast<gchar*>(column), buffers.back().get(),
                                nullptr) < 0)
      return true;  // not the table this reader knows: no relationships
  }
  for (int row = 0; row < kMaxRelationships && mdb_fetch_row(table); ++row) {
    AccessRelationship r;
    r.table = Text(buffers[0].get());
    r.column = Text(buffers[1].get());
    r.refTable = Text(buffers[2].get());
    r.refColumn = Text(buffers[3].get());
    r.name = Text(buffers[4].get());
    schema.relationships.push_back(std::move(r));
  }
  return true;
}

/// One user table: its columns, primary key and description; and its first row, read as
/// the driver's first query reads it.
bool ReadTable(MdbHandle* mdb, MdbCatalogEntry* entry, AccessTableInfo& info,
               const std::string& path, std::string& error) {
  MdbTableDef* table = mdb_read_table(entry);
  if (table == nullptr) {
    error = TableDamaged(path, entry->object_name, u8" 的定义无法读取");
    return false;
  }
  std::unique_ptr<MdbTableDef, void (*)(MdbTableDef*)> owner(table, mdb_free_tabledef);
  GPtrArray* columns = mdb_read_columns(table);
  if (columns == nullptr) {
    error = TableDamaged(path, entry->object_name, u8" 的列无法读取");
    return false;
  }
  // The library answers NULL even when it read the indices: it keeps them in the table.
  mdb_read_indices(table);
  if (table->indices == nullptr) {
    error = TableDamaged(path, entry->object_name, u8" 的索引无法读取");
    return false;
  }
  info.name = Text(entry->object_name);
  info.description = Text(mdb_table_get_prop(table, "Description"));
  for (unsigned c = 0; c < columns->len; ++c) {
    auto* col = static_cast<MdbColumn*>(g_ptr_array_index(columns, c));
    AccessColumnInfo column;
    column.name = Text(col->name);
    column.adoType = AdoTypeOfAccess(col->col_type);
    // Text lengths are stored in bytes of UCS-2 in Jet 4 files.
    column.size = col->col_size;
    if (col->col_type == MDB_TEXT && mdb->f->jet_version != MDB_VER_JET3) column.size /= 2;
    column.autoNumber = col->is_long_auto != 0;
    column.defaultValue = Text(mdb_col_get_prop(col, "DefaultValue"));
    column.description = Text(mdb_col_get_prop(col, "Description"));
    column.required = IsTrue(Text(mdb_col_get_prop(col, "Required")));
    info.columns.push_back(std::move(column));
  }
  for (unsigned k = 0; k < table->indices->len; ++k) {
    auto* index = static_cast<MdbIndex*>(g_ptr_array_index(table->indices, k));
    if (std::strcmp(index->name, "PrimaryKey") != 0) continue;
    const unsigned keys = index->num_keys < MDB_MAX_IDX_COLS ? index->num_keys : MDB_MAX_IDX_COLS;
    for (unsigned j = 0; j < keys; ++j) {
      const int number = index->key_col_num[j];
      if (number >= 1 && static_cast<unsigned>(number) <= columns->len)
        info.primaryKey.push_back(
            Text(static_cast<MdbColumn*>(g_ptr_array_index(columns, number - 1))->name));
    }
  }
  Buffers buffers;
  BindAll(table, columns, buffers);
  mdb_rewind_table(table);
  mdb_fetch_row(table);
  return true;
}

// The schema as bytes: counts and lengths as 32-bit little-endian numbers, texts as their
// bytes.
void Put(std::string& out, std::uint32_t n) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((n >> (8 * i)) & 0xFF);
}
void Put(std::string& out, const std::string& text) {
  Put(out, static_cast<std::uint32_t>(text.size()));
  out += text;
}

class Reader {
 public:
  explicit Reader(const std::string& bytes) : bytes_(bytes) {}
  bool Get(std::uint32_t& n) {
    if (bytes_.size() - at_ < 4) return false;
    n = 0;
    for (int i = 0; i < 4; ++i)
      n |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[at_ + i])) << (8 * i);
    at_ += 4;
    return true;
  }
  bool Get(int& n) {
    std::uint32_t u = 0;
    if (!Get(u)) return false;
    n = static_cast<int>(u);
    return true;
  }
  bool Get(bool& b) {
    std::uint32_t u = 0;
    if (!Get(u) || u > 1) return false;
    b = u == 1;
    return true;
  }
  bool Get(std::string& text) {
    std::uint32_t size = 0;
    if (!Get(size) || bytes_.size() - at_ < size) return false;
    text.assign(bytes_, at_, size);
    at_ += size;
    return true;
  }
  /// A count of items each at least `minimum` bytes long: never more than the bytes left.
  bool Count(std::uint32_t& n, std::size_t minimum) {
    return Get(n) && n <= (bytes_.size() - at_) / minimum;
  }
  bool AtEnd() const { return at_ == bytes_.size(); }

 private:
  const std::string& bytes_;
  std::size_t at_ = 0;
};

}  // namespace

const AccessTableInfo* AccessFileSchema::Find(const std::string& table) const {
  for (const AccessTableInfo& t : tables)
    if (t.name == table) return &t;
  return nullptr;
}

bool AccessFileReader::ReadInProcess(const std::string& path, AccessFileSchema& schema,
                                     std::string& error, const std::function<void()>& progress) {
  schema = AccessFileSchema{};
  // The library converts names when a file is opened: UTF-8, as the ODBC driver reads too.
  setenv("MDBICONV", "UTF-8", 1);
  MdbHandle* mdb = mdb_open(path.c_str(), MDB_NOFLAGS);
  if (mdb == nullptr) {
    error = Damaged(path, Cp936(u8"文件头无法读取"));
    return false;
  }
  std::unique_ptr<MdbHandle, void (*)(MdbHandle*)> owner(mdb, mdb_close);
  // Every kind of object, as the driver's catalog reads them.
  if (mdb_read_catalog(mdb, MDB_ANY) == nullptr) {
    error = Damaged(path, Cp936(u8"对象目录无法读取"));
    return false;
  }
  if (progress) progress();
  const unsigned entries = mdb->catalog->len < mdb->num_catalog ? mdb->catalog->len
                                                                 : mdb->num_catalog;
  for (unsigned i = 0; i < entries; ++i) {
    auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
    if (entry->object_type != MDB_TABLE || !mdb_is_user_table(entry)) continue;
    if (!Representable(entry->object_name)) {
      schema.unrepresentable.push_back(entry->object_name);
      continue;
    }
    AccessTableInfo info;
    if (!ReadTable(mdb, entry, info, path, error)) return false;
    schema.tables.push_back(std::move(info));
    if (progress) progress();
  }
  return ReadRelationships(mdb, schema, path, error);
}

std::string AccessFileReader::Encode(const AccessFileSchema& schema) {
  std::string out;
  Put(out, static_cast<std::uint32_t>(schema.tables.size()));
  for (const AccessTableInfo& t : schema.tables) {
    Put(out, t.name);
    Put(out, t.description);
    Put(out, static_cast<std::uint32_t>(t.columns.size()));
    for (const AccessColumnInfo& c : t.columns) {
      Put(out, c.name);
      Put(out, static_cast<std::uint32_t>(c.adoType));
      Put(out, static_cast<std::uint32_t>(c.size));
      Put(out, c.autoNumber ? 1u : 0u);
      Put(out, c.required ? 1u : 0u);
      Put(out, c.defaultValue);
      Put(out, c.description);
    }
    Put(out, static_cast<std::uint32_t>(t.primaryKey.size()));
    for (const std::string& key : t.primaryKey) Put(out, key);
  }
  Put(out, static_cast<std::uint32_t>(schema.relationships.size()));
  for (const AccessRelationship& r : schema.relationships) {
    for (const std::string* text : {&r.table, &r.column, &r.refTable, &r.refColumn, &r.name})
      Put(out, *text);
  }
  Put(out, static_cast<std::uint32_t>(schema.unrepresentable.size()));
  for (const std::string& name : schema.unrepresentable) Put(out, name);
  return out;
}

bool AccessFileReader::Decode(const std::string& bytes, AccessFileSchema& schema) {
  schema = AccessFileSchema{};
  Reader in(bytes);
  std::uint32_t tables = 0;
  if (!in.Count(tables, 20)) return false;
  schema.tables.resize(tables);
  for (AccessTableInfo& t : schema.tables) {
    std::uint32_t columns = 0;
    if (!in.Get(t.name) || !in.Get(t.description) || !in.Count(columns, 28)) return false;
    t.columns.resize(columns);
    for (AccessColumnInfo& c : t.columns) {
      if (!in.Get(c.name) || !in.Get(c.adoType) || !in.Get(c.size) || !in.Get(c.autoNumber) ||
          !in.Get(c.required) || !in.Get(c.defaultValue) || !in.Get(c.description))
        return false;
    }
    std::uint32_t keys = 0;
    if (!in.Count(keys, 4)) return false;
    t.primaryKey.resize(keys);
    for (std::string& key : t.primaryKey)
      if (!in.Get(key)) return false;
  }
  std::uint32_t relationships = 0;
  if (!in.Count(relationships, 20)) return false;
  schema.relationships.resize(relationships);
  for (AccessRelationship& r : schema.relationships) {
    for (std::string* text : {&r.table, &r.column, &r.refTable, &r.refColumn, &r.name})
      if (!in.Get(*text)) return false;
  }
  std::uint32_t unrepresentable = 0;
  if (!in.Count(unrepresentable, 4)) return false;
  schema.unrepresentable.resize(unrepresentable);
  for (std::string& name : schema.unrepresentable)
    if (!in.Get(name)) return false;
  return in.AtEnd();
}

namespace {

/// What can be told without the library: the file opens, is a regular file, starts as
/// an MS Access file does and holds whole pages.
bool CheckFile(const std::string& path, std::string& error) {
  static const std::string kCannotRead = Cp936(u8"无法读取数据库文件: ");
  // Non-blocking: a FIFO named like a database must not hang the open.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = errno == ENOENT ? Cp936(u8"找不到数据库文件: ") + path
                            : kCannotRead + path + " (" + std::strerror(errno) + ")";
    return false;
  }
  struct stat st {};
  char header[32] = {};
  bool ok = ::fstat(fd, &st) == 0;
  int readError = ok ? 0 : errno;
  if (ok && S_ISDIR(st.st_mode)) {
    readError = EISDIR;
  } else if (ok && !S_ISREG(st.st_mode)) {
    error = kCannotRead + path + Cp936(u8" (不是普通文件)");
    ::close(fd);
    return false;
  }
  const ssize_t got = readError == 0 ? ::pread(fd, header, sizeof header, 0) : -1;
  if (readError == 0 && got < 0) readError = errno;
  ::close(fd);
  if (readError != 0) {
    error = kCannotRead + path + " (" + std::strerror(readError) + ")";
    return false;
  }
  if (got < static_cast<ssize_t>(sizeof header) ||
      (std::memcmp(header + 4, "Standard Jet DB", 15) != 0 &&
       std::memcmp(header + 4, "Standard ACE DB", 15) != 0)) {
    error = Cp936(u8"不是MS Access数据库文件: ") + path;
    return false;
  }
  // Jet 3 files have pages of 2 KB, later ones of 4 KB; a file is whole pages.
  const off_t page = header[0x14] == 0 ? 2048 : 4096;
  if (st.st_size < 2 * page || st.st_size % page != 0) {
    error = Damaged(path, Cp936(u8"文件不完整"));
    return false;
  }
  return true;
}

/// "5" for 5000 ms, "0.5" for 500 ms.
std::string Seconds(int milliseconds) {
  std::string text = std::to_string(milliseconds / 1000);
  if (milliseconds % 1000 != 0) text += "." + std::to_string(milliseconds % 1000 / 100);
  return text;
}

}  // namespace

bool AccessFileReader::Read(const std::string& path, AccessFileSchema& schema, std::string* error,
                            int stallMilliseconds) {
  schema = AccessFileSchema{};
  std::string message;
  const auto fail = [&](std::string text) {
    if (error) *error = std::move(text);
    return false;
  };
  if (!CheckFile(path, message)) return fail(message);
  ForkedCall::Limits limits;
  limits.stallMilliseconds = stallMilliseconds;
  const ForkedCall::Outcome outcome = ForkedCall::Run(
      [&path](const ForkedCall::Write& write) {
        AccessFileSchema read;
        std::string readError;
        if (!ReadInProcess(path, read, readError, [&write] { write("."); })) {
          write("!" + readError);
          return 1;
        }
        write("=" + Encode(read));
        return 0;
      },
      limits);
  const std::size_t tag = outcome.output.find_first_not_of('.');
  const char kind = tag == std::string::npos ? '\0' : outcome.output[tag];
  const std::string body = kind == '\0' ? "" : outcome.output.substr(tag + 1);
  switch (outcome.end) {
    case ForkedCall::End::kExited:
      if (outcome.code == 0 && kind == '=' && Decode(body, schema)) return true;
      schema = AccessFileSchema{};
      return fail(kind == '!' ? body : Damaged(path, ""));
    case ForkedCall::End::kSignalled:
      return fail(Damaged(path, Cp936(u8"读取时出错, 信号 ") + std::to_string(outcome.code)));
    case ForkedCall::End::kStalled:
      return fail(Damaged(path, Cp936(u8"读取") + Seconds(stallMilliseconds) +
                                    Cp936(u8"秒没有进展")));
    case ForkedCall::End::kTimedOut:
      return fail(Damaged(path, Cp936(u8"读取超时")));
    case ForkedCall::End::kNotStarted:
      break;
  }
  return fail(Cp936(u8"无法读取数据库文件: ") + path + " (" + std::strerror(outcome.code) + ")");
}

}  // namespace tablora
