#include <gtest/gtest.h>

#include <fstream>

#include "base/text_codec.h"
#include "db/access/ado_recordset.h"
#include "db/db_test_support.h"

namespace tablora {
namespace {

using testing::ImportBench;

std::string G(const char* utf8) { return Cp936(utf8); }

/// Code page 936 names, the common types, an auto-increment key (which makes
/// sqlite_sequence), a composite key with foreign keys, a view, and the pattern pair t1_/t10.
std::vector<std::string> SampleSchema() {
  return {
      G(u8"CREATE TABLE [客户] ([编号] INTEGER PRIMARY KEY AUTOINCREMENT, [名称] varchar(50) "
        u8"NOT NULL, [余额] decimal(10,2), [比率] real, [次数] smallint, [大数] bigint, [生日] "
        u8"date, [时间] datetime, [启用] bit, [照片] blob, [备注] text DEFAULT 'x')"),
      G(u8"CREATE TABLE orders (cust_id INTEGER NOT NULL REFERENCES [客户]([编号]), line_no "
        u8"INTEGER NOT NULL, amount double, PRIMARY KEY (cust_id, line_no))"),
      "CREATE TABLE t1_ (a int)",
      "CREATE TABLE t10 (b int, c char(8))",
      "CREATE VIEW v_orders AS SELECT * FROM orders",
      G(u8"INSERT INTO [客户] ([名称], [余额], [比率], [大数], [生日], [时间], [启用]) VALUES "
        u8"('张三', 12.5, 3.14159265, 5000000000, '2001-02-03', '2001-02-03 04:05:06', 1)"),
      G(u8"INSERT INTO [客户] ([名称]) VALUES ('李四')"),
  };
}

TEST(SqliteImport, DataLinkImportFillsTheDesign) {
  ImportBench bench;
  const std::string connection = testing::MakeSqliteDatabase("import.db", SampleSchema());
  bench.state.connectionMode = ConnectionState::kDataLink;
  bench.state.sharedConnection->setConnectionString(connection);
  SchemaImport import(bench.design, bench.state);
  ASSERT_TRUE(import.Run(ImportRequest{}));
  EXPECT_TRUE(bench.state.connected);
  EXPECT_EQ(4, bench.design.tableCount());
  std::ofstream(::testing::TempDir() + "import_sqlite.txt") << bench.DescribeAll();
  EXPECT_EQ(testing::ReadFixture("import_sqlite.txt"), bench.DescribeAll());
}

}  // namespace
}  // namespace tablora
