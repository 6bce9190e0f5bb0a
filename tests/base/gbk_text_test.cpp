#include "base/gbk_text.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tablora
