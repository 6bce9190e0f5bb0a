#include "base/gbk_text.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/text_codec.h"

namespace tablora {
namespace {

const std::string kUser = "\xD3\xC3\xBB\xA7";  // 用户 in code page 936

TEST(GbkText, CutNeverSplitsADoubleByteCharacter) {
  const std::string text = "a" + kUser;  // 5 bytes: a, then two double-byte characters
  EXPECT_EQ(gbk::CutToBytes(text, 5), text);
  EXPECT_EQ(gbk::CutToBytes(text, 4), "a\xD3\xC3");
  EXPECT_EQ(gbk::CutToBytes(text, 2), "a");
  EXPECT_EQ(gbk::CutToBytes(text, 0), "");
  EXPECT_EQ(gbk::CutToWidth(text, 128), text);
  EXPECT_EQ(gbk::CutToWidth(std::string(200, 'x'), 128).size(), 127u);
}

TEST(GbkText, CutKeepsATrailByteThatLooksLikeALeadByte) {
  // 0x81 0x81 is one character; a naive scan from the end would split it.
  const std::string text = "\x81\x81\x81\x81";
  EXPECT_EQ(gbk::CutToBytes(text, 3), "\x81\x81");
}

TEST(GbkText, CharIndexCountsDoubleBytesAsOne) {
  const std::string text = "ab" + kUser + "c";
  EXPECT_EQ(gbk::CharIndex(text, 0), 0u);
  EXPECT_EQ(gbk::CharIndex(text, 2), 2u);
  EXPECT_EQ(gbk::CharIndex(text, 6), 4u);
  EXPECT_EQ(gbk::CharIndex(text, 7), 5u);
  EXPECT_EQ(gbk::CharIndex(text, 99), 5u);
}

TEST(GbkText, CaseFoldingLeavesTrailBytesAlone) {
  // 0xB0 0x41: the trail byte 0x41 is 'A' but belongs to a Chinese character.
  const std::string text = "AbC\xB0\x41Z";
  EXPECT_EQ(gbk::ToLowerAscii(text), "abc\xB0\x41z");
  EXPECT_EQ(gbk::ToUpperAscii(text), "ABC\xB0\x41Z");
  EXPECT_TRUE(gbk::EqualsIgnoreCase("T_User", "t_USER"));
  EXPECT_FALSE(gbk::EqualsIgnoreCase("t_user", "t_users"));
}

TEST(GbkText, TrimAndReplace) {
  EXPECT_EQ(gbk::Trim("\r\n  x y \t\n"), "x y");
  EXPECT_EQ(gbk::Trim(" \r\n"), "");
  EXPECT_EQ(gbk::TrimChars("\r\nnote\r", "\r\n"), "note");
  EXPECT_EQ(gbk::ReplaceAll("a\r\nb\r\n", "\r\n", "\n"), "a\nb\n");
  EXPECT_EQ(gbk::ReplaceAll("aaa", "a", "aa"), "aaaaaa");
}

TEST(TextCodec, RoundTripsChineseAndReplacesBadBytes) {
  const std::string utf8 = "用户表";
  const std::string cp936 = TextCodec::Utf8ToCp936(utf8);
  EXPECT_EQ(cp936, "\xD3\xC3\xBB\xA7\xB1\xED");
  EXPECT_EQ(TextCodec::Cp936ToUtf8(cp936), utf8);
  // A lone lead byte at the end cannot be converted: the rest still comes through.
  EXPECT_EQ(TextCodec::Cp936ToUtf8("ok\xD3"), "ok?");
  const std::string utf16("\x28\x75\x37\x62", 4);  // 用户 in UTF-16 LE
  EXPECT_EQ(TextCodec::Utf16LeToCp936(utf16), kUser);
}

// Four-byte characters: ä is 81 30 8A 31, 😀 is 94 39 FC 36. Their second and fourth
// bytes are ASCII digits and their third a lead byte: no cut, count or fold may take
// them apart.
TEST(GbkText, FourByteCharactersStayWhole) {
  const std::string ae = "\x81\x30\x8A\x31";
  const std::string smile = "\x94\x39\xFC\x36";
  struct Case {
    std::string text;
    std::size_t cut;          // CutToBytes(text, cut) ...
    std::string cutResult;    // ... gives this
    std::size_t charsInText;  // CharIndex(text, npos)
  };
  const std::vector<Case> cases = {
      {"a" + ae, 4, "a", 2},
      {"a" + ae, 5, "a" + ae, 2},
      {ae + smile, 7, ae, 2},
      {kUser + smile + "b", 7, kUser, 4},
      {smile + kUser, 5, smile, 3},
      {"\x81\x30", 1, "", 1},              // a cut-off four-byte start is one pair
      {"\x81\x30\x81", 3, "\x81\x30\x81", 2},  // ... and its lone lead byte one more
      {"\x80x", 1, "\x80", 2},             // 0x80 (the euro sign) is one byte
  };
  for (const Case& c : cases) {
    EXPECT_EQ(gbk::CutToBytes(c.text, c.cut), c.cutResult) << c.cut;
    EXPECT_EQ(gbk::CharIndex(c.text, std::string::npos), c.charsInText) << c.text;
  }
  // A four-byte character whose third byte is a letter-like lead byte next to ASCII.
  EXPECT_EQ(gbk::ToUpperAscii("a" + ae + "z"), "A" + ae + "Z");
  EXPECT_EQ(gbk::CharSize("x" + smile, 1), 4u);
  EXPECT_EQ(gbk::CharSize(kUser + smile, 4), 4u);
  EXPECT_EQ(gbk::CharSize("\x94\x39\xFC", 0), 2u);
}

TEST(TextCodec, Gb18030HoldsEveryCharacterAndKeepsTheEuroByte) {
  struct Case {
    std::string utf8;
    std::string bytes;
    bool fourByte;
  };
  const std::vector<Case> cases = {
      {"Ums\xC3\xA4tze", "Ums\x81\x30\x8A\x31tze", true},
      {u8"Antônio 😀", "Ant\x81\x30\x8B\x30nio \x94\x39\xFC\x36", true},
      {u8"\U0010FFFF", "\xE3\x32\x9A\x35", true},
      {u8"订单", "\xB6\xA9\xB5\xA5", false},
      {u8"€5", "\x80" "5", false},  // code page 936's euro byte, not GB18030's A2 E3
      {u8"a€€b", "a\x80\x80" "b", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextCodec::Utf8ToCp936(c.utf8), c.bytes) << c.utf8;
    EXPECT_EQ(TextCodec::Cp936ToUtf8(c.bytes), c.utf8) << c.utf8;
    EXPECT_EQ(TextCodec::Utf16LeToCp936(TextCodec::Cp936ToUtf16Le(c.bytes)), c.bytes) << c.utf8;
    EXPECT_EQ(TextCodec::HasFourByteCharacters(c.bytes), c.fourByte) << c.utf8;
  }
  EXPECT_EQ(TextCodec::Cp936ToUtf8("\xA2\xE3"), u8"€");
  EXPECT_EQ(TextCodec::Cp936ToUtf8("\x81\x30x"), "?0x");  // a cut-off four-byte start
}

}  // namespace
}  // namespace tablora
