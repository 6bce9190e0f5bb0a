// The stored window layout of a script's first comment, read as the open command reads it.
#include <gtest/gtest.h>

#include "base/text_codec.h"
#include "model/layout_block.h"
#include "model/script_opener.h"

namespace tablora {
namespace {

const std::vector<LayoutRecord> kRecords = {{0, 0, 0, 0x0080FF80},
                                            {160, 0, 0x000000FF, 0x00FFFFFF},
                                            {-20, 340, 0x00123456, 0},
                                            {7, 8, 9, 10}};

/// A header as the writer stores it, read back as text (the writer's CR LF stays CR LF).
std::string Header(const std::vector<LayoutRecord>& records, const std::string& version = "V1.5") {
  const std::string encoded = LayoutBlock::Encode(records);
  return "/* TABLORA " + version + " :" + std::to_string(encoded.size()) + ":" + encoded +
         "      */\n\n\n\n\n\n\n\nCREATE TABLE";
}

std::string Base64OfBlock(std::int32_t count, const std::vector<LayoutRecord>& records) {
  std::string packed = LayoutBlock::Pack(records);
  for (int i = 0; i < 4; ++i)
    packed[i] = static_cast<char>((static_cast<std::uint32_t>(count) >> (8 * i)) & 0xFF);
  return LayoutBlock::Base64(packed);
}

TEST(ScriptLayoutTest, ReadsTheWritersLayoutAndStartsTheTextAfterIt) {
  const std::string text = Header(kRecords);
  const auto layout = ScriptOpener::ReadLayout(text);
  EXPECT_EQ(layout.records, kRecords);
  EXPECT_EQ(text.substr(layout.textStart), "      */\n\n\n\n\n\n\n\nCREATE TABLE");
  EXPECT_EQ(ScriptOpener::ReadLayout(Header(kRecords, "V9.9")).records, kRecords);  // any version
}

TEST(ScriptLayoutTest, TextsWithoutALayoutGiveNone) {
  EXPECT_TRUE(ScriptOpener::ReadLayout("").records.empty());
  EXPECT_EQ(ScriptOpener::ReadLayout("CREATE TABLE [t] ([a] int)").textStart, 0u);
  EXPECT_TRUE(ScriptOpener::ReadLayout("/* TABLORA V1.5       */\n\nCREATE TABLE").records.empty());
  EXPECT_TRUE(
      ScriptOpener::ReadLayout(Cp936(u8"/* TABLORA V1.5    自动产生 */\n")).records.empty());
  EXPECT_TRUE(ScriptOpener::ReadLayout("/* TABLORA V1.5 :0:      */").records.empty());
  EXPECT_TRUE(ScriptOpener::ReadLayout("/* TABLORA").records.empty());
  EXPECT_TRUE(ScriptOpener::ReadLayout("/* TABLORA V1.5 :94").records.empty());  // no second ":"
}

TEST(ScriptLayoutTest, ALengthLargerThanTheCommentStaysInsideIt) {
  const std::string encoded = LayoutBlock::Encode(kRecords);
  const std::string oneMore = "/* TABLORA V1.5 :95:" + encoded + "      */\n";
  EXPECT_EQ(oneMore.substr(ScriptOpener::ReadLayout(oneMore).textStart), "     */\n");
  for (const std::string n : {"100000", "99999999999999999999999"}) {
    const std::string text =
        "/* TABLORA V1.5 :" + n + ":" + encoded + "      */\nCREATE TABLE [A] (";
    const auto layout = ScriptOpener::ReadLayout(text);
    EXPECT_EQ(layout.records, kRecords) << n;
    EXPECT_EQ(text.substr(layout.textStart), "*/\nCREATE TABLE [A] (") << n;
  }
  // Without a closing "*/" the length is cut at the end of the text.
  const std::string unclosed = "/* TABLORA V1.5 :5000:" + encoded;
  const auto layout = ScriptOpener::ReadLayout(unclosed);
  EXPECT_EQ(layout.records, kRecords);
  EXPECT_EQ(layout.textStart, unclosed.size());
}

TEST(ScriptLayoutTest, TruncatedBlocksGiveTheWholeRecordsPresent) {
  const std::string encoded = LayoutBlock::Base64(LayoutBlock::Pack(kRecords));
  std::string clean;
  for (char c : encoded) {
    if (c != '\r' && c != '\n') clean += c;
  }
  // 4 count bytes, then 16 per record: k whole records need 4 + 16k bytes, 4/3 characters each.
  for (std::size_t chars = 0; chars <= clean.size(); ++chars) {
    const std::size_t bytes = chars * 3 / 4;
    const std::size_t whole =
        bytes < 4 ? 0 : std::min<std::size_t>((bytes - 4) / 16, kRecords.size());
    const auto records = LayoutBlock::Decode(clean.substr(0, chars));
    ASSERT_EQ(records.size(), whole) << chars;
    EXPECT_TRUE(std::equal(records.begin(), records.end(), kRecords.begin())) << chars;
  }
}

TEST(ScriptLayoutTest, LyingAndGarbledBlocksAreReadWithinTheirBytes) {
  // A count larger than the records present, a negative count, a count of zero.
  EXPECT_EQ(LayoutBlock::Decode(Base64OfBlock(1000000, kRecords)), kRecords);
  EXPECT_EQ(LayoutBlock::Decode(Base64OfBlock(0x7FFFFFFF, {kRecords[0]})),
            std::vector<LayoutRecord>{kRecords[0]});
  EXPECT_TRUE(LayoutBlock::Decode(Base64OfBlock(-1, kRecords)).empty());
  EXPECT_TRUE(LayoutBlock::Decode(Base64OfBlock(0, kRecords)).empty());
  // A count smaller than the records present reads only that many.
  EXPECT_EQ(LayoutBlock::Decode(Base64OfBlock(2, kRecords)),
            (std::vector<LayoutRecord>{kRecords[0], kRecords[1]}));
  // Bytes outside the alphabet between the characters are skipped.
  const std::string encoded = LayoutBlock::Encode(kRecords);
  std::string noisy;
  for (char c : encoded) noisy += std::string(1, c) + " \x01\xB1*\n";
  EXPECT_EQ(LayoutBlock::Decode(noisy), kRecords);
  // Pure noise decodes to nothing or to whatever records its bytes hold, never past them.
  std::string noise;
  for (int i = 0; i < 5000; ++i) noise += static_cast<char>((i * 7919) & 0xFF);
  EXPECT_LE(LayoutBlock::Decode(noise).size(), noise.size() * 3 / 4 / 16);
}

}  // namespace
}  // namespace tablora
