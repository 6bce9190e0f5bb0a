#include "base/gui/wx_text.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"

namespace tablora {
namespace {

TEST(WxText, CodePage936RoundTrip) {
  const std::string cp936 = Cp936(u8"表设计(排序) abc 用户");
  const wxString text = to_wx(cp936);
  EXPECT_EQ(text, wxString::FromUTF8(u8"表设计(排序) abc 用户"));
  EXPECT_EQ(from_wx(text), cp936);
}

TEST(WxText, BadBytesBecomeQuestionMarksInsteadOfBlankingTheText) {
  // A lone lead byte at the end and an undefined byte in the middle.
  EXPECT_EQ(to_wx(Cp936(u8"名称") + "\xFF" + "x" + "\xB1"), wxString::FromUTF8(u8"名称?x?"));
  EXPECT_EQ(to_wx(""), wxString());
}

TEST(WxText, CharactersOutsideCodePage936ComeThroughAsFourByteSequences) {
  // A Thai letter and a face beyond the basic plane: GB18030's four-byte forms, both ways.
  const wxString text = wxString::FromUTF8(u8"a\u0E01b😀") + wxString::FromUTF8(u8"表");
  const std::string core = from_wx(text);
  EXPECT_EQ(core, "a\x81\x32\xCE\x39" "b\x94\x39\xFC\x36" + Cp936(u8"表"));
  EXPECT_EQ(to_wx(core), text);
  EXPECT_EQ(from_wx(wxString::FromUTF8(u8"€")), "\x80");
}

TEST(WxText, PathsStayUtf8) {
  const std::string path = u8"/tmp/设计/a b.sql";
  EXPECT_EQ(path_to_wx(path), wxString::FromUTF8(path));
  EXPECT_EQ(path_from_wx(path_to_wx(path)), path);
}

}  // namespace
}  // namespace tablora
