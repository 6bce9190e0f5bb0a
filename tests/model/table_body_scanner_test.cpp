// The hand-matched body rule against the whole table pattern it stands in for.
#include "model/table_body_scanner.h"

#include <gtest/gtest.h>

#include <random>

#include "model/pattern_file.h"
#include "support/script_test_support.h"

namespace tablora {
namespace {

TEST(TableBodyScannerTest, FindsTheBodyEndTheWholePatternFinds) {
  PatternFile file(testing::ResourceFolder() + "/setting/e1.dat");
  ASSERT_TRUE(file.Refresh()) << file.error();
  // The shipped pattern must keep the rule the scanner stands in for, or every open
  // silently falls back to the slow path.
  const std::optional<std::string> headPattern = TableBodyScanner::HeadOf(file.pattern());
  ASSERT_TRUE(headPattern.has_value());
  const boost::regex headRx(*headPattern, boost::regex::perl);
  EXPECT_FALSE(TableBodyScanner::HeadOf(file.pattern() + " ").has_value());

  // Bodies made of the pieces the rule tells apart: parentheses, literals with doubled
  // apostrophes, quoted and bracketed names, comments, line ends, lone and paired
  // double-byte bytes (0x5D and 0x5B as trail bytes), bytes outside code page 936.
  const std::vector<std::string> pieces = {
      "(",        ")",        ")",     "'",        "''",   "\"",   "[",  "]",
      "-",        "--",       "\n",    "\r\n",     " ",    "ab",   "x,", "\xB1",
      "\xB1\x5D", "\xB1\x5B", "\xB1(", "\xD7\xE9", "\x80", "\xFF", "\t"};
  std::mt19937 random(20261207);
  int found = 0, notFound = 0;
  for (int round = 0; round < 20000; ++round) {
    std::string body;
    const int count = static_cast<int>(random() % 24);
    for (int i = 0; i < count; ++i) body += pieces[random() % pieces.size()];
    const std::string head = "CREATE TABLE [t] (";
    const std::string text = head + body;
    boost::smatch m;
    bool whole = false;
    try {
      whole = boost::regex_search(text.cbegin(), text.cend(), m, *file.regex(),
                                  boost::match_continuous);
    } catch (const std::runtime_error&) {
      continue;  // the matcher's own limit: the scanner is not asked to agree
    }
    boost::smatch h;
    ASSERT_TRUE(
        boost::regex_search(text.cbegin(), text.cend(), h, headRx, boost::match_continuous));
    const char* close =
        TableBodyScanner::FindEnd(text.data() + h.length(0), text.data() + text.size());
    if (!close) {
      ++notFound;
      continue;  // the whole pattern decides
    }
    ++found;
    ASSERT_TRUE(whole) << body;
    // The same header comment, the same body.
    for (int group = 1; group <= 8; ++group) {
      ASSERT_EQ(m.position(group), h.position(group)) << group << body;
      ASSERT_EQ(m.length(group), h.length(group)) << group << body;
    }
    ASSERT_EQ(m[9].first, h[0].second) << body;
    ASSERT_EQ(m[9].second - text.cbegin(), close - text.data()) << body;
  }
  EXPECT_GT(found, 5000);
  EXPECT_GT(notFound, 5000);

  // Too long or too deep for the scanner: left to the whole pattern.
  const std::string longBody = std::string(20000, 'a') + ")";
  EXPECT_EQ(TableBodyScanner::FindEnd(longBody.data(), longBody.data() + longBody.size()), nullptr);
  const std::string deep = std::string(40, '(') + std::string(41, ')');
  EXPECT_EQ(TableBodyScanner::FindEnd(deep.data(), deep.data() + deep.size()), nullptr);
}

}  // namespace
}  // namespace tablora
