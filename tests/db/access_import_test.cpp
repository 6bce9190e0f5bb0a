#include <gtest/gtest.h>

#include <fstream>

#include "base/text_codec.h"
#include "db/access_file_reader.h"
#include "db/db_test_support.h"

namespace tablora {
namespace {

using testing::ImportBench;

TEST(AccessImport, NorthwindThroughDriverAndFile) {
  ImportBench bench;
  ImportRequest request;
  request.kind = kAccess;
  request.database = testing::NwindPath();
  SchemaImport import(bench.design, bench.state);
  ASSERT_TRUE(import.Run(request)) << bench.state.sharedConnection->ErrorsText();
  std::ofstream(::testing::TempDir() + "import_nwind.txt") << bench.DescribeAll();
  EXPECT_EQ(testing::ReadFixture("import_nwind.txt"), bench.DescribeAll());
}

}  // namespace
}  // namespace tablora
