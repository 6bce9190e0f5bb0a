#include "model/layout_block.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tablora {
namespace {

std::vector<LayoutRecord> Records(int n) {
  std::vector<LayoutRecord> records;
  for (int i = 0; i < n; ++i) {
    records.push_back(
        {160 * (i % 3), 170 * (i / 3), 0x000000u + static_cast<unsigned>(i), 0x80FF80u});
  }
  return records;
}

TEST(LayoutBlock, FourTablesMake69Bytes92CharactersAndOneLineBreak) {
  const auto records = Records(4);
  EXPECT_EQ(LayoutBlock::Pack(records).size(), 69u);
  const std::string text = LayoutBlock::Encode(records);
  EXPECT_EQ(text.size(), 94u);  // n counts the CR LF as two characters
  EXPECT_EQ(text.substr(76, 2), "\r\n");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);
  EXPECT_EQ(text.find('='), std::string::npos);
}

TEST(LayoutBlock, PackIsLittleEndianCountRecordsAndAZeroByte) {
  const std::string block = LayoutBlock::Pack({{1, -2, 0x00332211u, 0x00FFEEDDu}});
  const std::string expected(
      "\x01\x00\x00\x00"
      "\x01\x00\x00\x00"
      "\xFE\xFF\xFF\xFF"
      "\x11\x22\x33\x00"
      "\xDD\xEE\xFF\x00"
      "\x00",
      21);
  EXPECT_EQ(block, expected);
  EXPECT_EQ(LayoutBlock::Encode({}), "AAAAAAA=");
}

TEST(LayoutBlock, LineBreakFollowsAFullLastLineButNeverThePaddedGroup) {
  // 17 records: 4 + 272 + 1 = 277 bytes = 92 full groups + 1 byte; 92 groups would end
  // a line exactly at group 76, so the break before the padded group comes from the
  // 19-group rule only.
  const std::string padded = LayoutBlock::Encode(Records(17));
  EXPECT_EQ(padded.substr(padded.size() - 2), "==");
  const std::string padded1 = LayoutBlock::Encode(Records(18));  // 293 bytes: 2 left over
  EXPECT_EQ(padded1.substr(padded1.size() - 2), "A=");
  EXPECT_EQ(padded.find("\r\n=="), std::string::npos);
  for (std::size_t pos = 0, line = 0; pos < padded.size(); ++line) {
    const auto end = padded.find("\r\n", pos);
    if (end == std::string::npos) break;
    EXPECT_EQ(end - pos, 76u) << "line " << line;
    pos = end + 2;
  }
  // Records whose block is a whole number of 19-group lines end with a line break:
  // 4 + 16n + 1 = 57k bytes (19 groups of 3 per line).
  for (int n = 0; n < 200; ++n) {
    const std::size_t bytes = 4 + 16 * static_cast<std::size_t>(n) + 1;
    if (bytes % 57 != 0) continue;
    const std::string exact = LayoutBlock::Encode(Records(n));
    EXPECT_EQ(exact.substr(exact.size() - 2), "\r\n") << n;
    return;
  }
  FAIL() << "no record count fills whole lines";
}

TEST(LayoutBlock, DecodeReadsBackWhatEncodeWrote) {
  for (int n : {0, 1, 4, 18, 57}) {
    const auto records = Records(n);
    EXPECT_EQ(LayoutBlock::Decode(LayoutBlock::Encode(records)), records) << n;
  }
}

TEST(LayoutBlock, DecodeStaysWithinTheData) {
  const auto records = Records(4);
  const std::string text = LayoutBlock::Encode(records);
  // Truncated: only the whole records present come back.
  const auto cut = LayoutBlock::Decode(text.substr(0, 40));
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0], records[0]);
  // A count that promises more records than the data holds.
  std::string lying = LayoutBlock::Pack(records);
  lying[3] = '\x7F';  // 0x7F000004 records promised, 4 present
  EXPECT_EQ(LayoutBlock::Decode(LayoutBlock::Base64(lying)), records);
  EXPECT_EQ(LayoutBlock::Decode(LayoutBlock::Encode({})).size(), 0u);
  // Garbage and negative counts give nothing, never a crash.
  EXPECT_TRUE(LayoutBlock::Decode("").empty());
  EXPECT_TRUE(LayoutBlock::Decode("!!!***").empty());
  EXPECT_TRUE(LayoutBlock::Decode("/////////////////////w==").empty());  // count -1
  // Bytes outside the alphabet (line breaks, spaces) are skipped.
  std::string spaced;
  for (char c : text) {
    spaced.push_back(c);
    spaced.push_back(' ');
  }
  EXPECT_EQ(LayoutBlock::Decode(spaced), records);
}

}  // namespace
}  // namespace tablora
