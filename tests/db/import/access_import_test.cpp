#include <gtest/gtest.h>

#include <fstream>

#include "base/text_codec.h"
#include "db/access/access_file_reader.h"
#include "db/db_test_support.h"
#include "support/shared_fixtures.h"

namespace tablora {
namespace {

using testing::ImportBench;

TEST(AccessImport, NorthwindThroughDriverAndFile) {
  TABLORA_SHARED_FIXTURE(nwind, "nwind.mdb");
  ImportBench bench;
  ImportRequest request;
  request.kind = kAccess;
  request.database = nwind;
  SchemaImport import(bench.design, bench.state);
  ASSERT_TRUE(import.Run(request)) << bench.state.sharedConnection->ErrorsText();
  std::ofstream(::testing::TempDir() + "import_nwind.txt") << bench.DescribeAll();
  EXPECT_EQ(testing::ReadFixture("import_nwind.txt"), bench.DescribeAll());
}

}  // namespace
}  // namespace tablora
