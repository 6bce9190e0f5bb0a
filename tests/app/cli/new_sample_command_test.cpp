#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/cli/cli_test.h"
#include "model/layout_block.h"

namespace tablora {
namespace {

using NewSampleCommand = testing::CliTest;

TEST_F(NewSampleCommand, WritesTheSampleDesignScript) {
  ASSERT_EQ(Cli("new-sample " + (dir / "out.sql")).exitCode, 0);
  EXPECT_EQ(Read(dir / "out.sql"), Read(Fixture("writer_sample.sql")));
}

/// The lines after the layout comment, sorted.
std::vector<std::string> SortedBodyLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::istringstream in(bytes.substr(bytes.find("*/")));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  return lines;
}

/// The window positions and colours of the layout comment, sorted by position.
std::vector<std::tuple<int, int, unsigned, unsigned>> SortedLayout(const std::string& bytes) {
  const auto start = bytes.find(':', bytes.find(':') + 1) + 1;
  const auto records = LayoutBlock::Decode(bytes.substr(start, bytes.find("*/") - start));
  std::vector<std::tuple<int, int, unsigned, unsigned>> layout;
  for (const auto& r : records) layout.emplace_back(r.left, r.top, r.textColour, r.bkColour);
  std::sort(layout.begin(), layout.end());
  return layout;
}

TEST_F(NewSampleCommand, SampleOpensAndSavesAgainWithEveryLineKept) {
  const std::string sample = Fixture("writer_sample.sql");
  ASSERT_EQ(Cli("save " + sample + " " + (dir / "once.sql")).exitCode, 0);
  ASSERT_EQ(Cli("save " + (dir / "once.sql") + " " + (dir / "twice.sql")).exitCode, 0);
  const std::string original = Read(sample);
  const std::string first = Read(dir / "once.sql");
  const std::string second = Read(dir / "twice.sql");
  // Opening sorts the tables by actual name and each window keeps its place; nothing
  // else may change.
  EXPECT_NE(first, original);
  EXPECT_EQ(SortedBodyLines(first), SortedBodyLines(original));
  ASSERT_EQ(SortedLayout(original).size(), 4u);
  EXPECT_EQ(SortedLayout(first), SortedLayout(original));
  EXPECT_EQ(second, first);

  // The shipped business sample is already in the form the program saves.
  const std::string business = std::string(TABLORA_SOURCE_DIR) + "/resources/samples/erp70.sql";
  ASSERT_EQ(Cli("save " + business + " " + (dir / "business.sql")).exitCode, 0);
  EXPECT_EQ(Read(dir / "business.sql"), Read(business));
  EXPECT_EQ(SortedLayout(Read(business)).size(), 70u);
}

TEST_F(NewSampleCommand, RelativeTargetsAreWrittenWhereTheCommandRuns) {
  ASSERT_EQ(Cli("new-sample a.sql").exitCode, 0);
  ASSERT_EQ(Cli("save a.sql b.sql").exitCode, 0);
  EXPECT_NE(Read(dir / "b.sql").find("CREATE TABLE"), std::string::npos);
}

TEST_F(NewSampleCommand, RejectsMissingOrUnwritableTargets) {
  EXPECT_NE(Cli("new-sample").exitCode, 0);
  EXPECT_NE(Cli("new-sample no_such_dir/x.sql").exitCode, 0);
  EXPECT_NE(Cli("no-such-command").exitCode, 0);
}

}  // namespace
}  // namespace tablora
