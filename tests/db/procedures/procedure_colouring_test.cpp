#include "db/procedures/procedure_colouring.h"

#include <gtest/gtest.h>

#include "base/gbk_text.h"
#include "base/text_codec.h"

namespace tablora {
namespace {

/// The runs drawn as text: "T" data type, "K" keyword, "C" comment, "." plain, one letter
/// per character.
std::string Picture(const std::string& text) {
  const std::vector<std::string> types = {"int", "varchar", "NVARCHAR", "char"};
  const std::vector<std::string> keywords = {"create", "procedure", "as", "select",
                                             "Begin",  "from",      ""};
  const std::string cp936 = Cp936(text);
  std::string picture(gbk::CharIndex(cp936, cp936.size()), '.');
  for (const ColourRun& run : ProcedureColouring::Runs(cp936, types, keywords)) {
    const char mark = run.colour == TextColour::kDataType  ? 'T'
                      : run.colour == TextColour::kKeyword ? 'K'
                                                           : 'C';
    for (int i = 0; i < run.length; ++i) picture.at(run.start + i) = mark;
  }
  return picture;
}

TEST(ProcedureColouringTest, ColoursWholeWordsThenComments) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {u8"CREATE PROCEDURE p AS", "KKKKKK.KKKKKKKKK...KK"},
      // Words inside longer words, names with "_" or digits, are not coloured.
      {"select int_x, xint, int2, char(5)", "KKKKKK....................TTTT..."},
      // The lists are matched in any letter case.
      {"@a NVarChar(9) begin", "...TTTTTTTT....KKKKK"},
      // A double-byte character next to a word ends the word; positions count it as one.
      // (說 and 時 end in the bytes "f" and "r".)
      {u8"中文select數量int", "..KKKKKK..TTT"},
      {u8"說select時int", ".KKKKKK.TTT"},
      {u8"說rom as", ".....KK"},
      // Comments win over words; "--" runs to the line's end, or to the text's end.
      {"as --select int\nas", "KK.CCCCCCCCCCCC.KK"},
      {"as /*int\nas*/ as /* open", "KK.CCCCCCCCCC.KK........"},
      {u8"-- 注释 as", "CCCCCCCC"},
  };
  for (const auto& [text, picture] : cases) EXPECT_EQ(Picture(text), picture) << text;
}

}  // namespace
}  // namespace tablora
