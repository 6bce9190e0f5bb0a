// A settings file the program cannot work with is refused with its path, whatever is
// wrong with it: missing, empty, or broken in the sections every design needs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/gbk_text.h"
#include "base/settings_loader.h"
#include "base/text_codec.h"
#include "base/text_file.h"

namespace tablora {
namespace {

TEST(SettingsEssentialsTest, SettingsWithoutGridColumnsYesNoListsOrTypesAreRefused) {
  std::string shipped;
  ASSERT_TRUE(TextFile::ReadBytes(
      std::string(TABLORA_SOURCE_DIR) + "/resources/setting/Tablora.ini", shipped));
  auto edit = [&shipped](const std::string& from, const std::string& to) {
    EXPECT_NE(shipped.find(from), std::string::npos) << from;
    return gbk::ReplaceAll(shipped, from, to);
  };
  struct Case {
    const char* what;
    std::string ini;
    const char* names;  ///< what the message names; "" for settings that work
  };
  const std::vector<Case> cases = {
      {"the shipped file", shipped, ""},
      {"an empty file", "", "[DesignTableCols] 0 / 14"},
      {"a negative count", edit("[DesignTableCols]\r\nCount=14", "[DesignTableCols]\r\nCount=-5"),
       "[DesignTableCols] 0 / 14"},
      {"a count that is no number",
       edit("[DesignTableCols]\r\nCount=14", "[DesignTableCols]\r\nCount=abc"),
       "[DesignTableCols] 0 / 14"},
      {"too few grid columns",
       edit("[DesignTableCols]\r\nCount=14", "[DesignTableCols]\r\nCount=13"),
       "[DesignTableCols] 13 / 14"},
      {"no grid section", edit("[DesignTableCols]", "[Something]"), "[DesignTableCols] 0 / 14"},
      {"no yes/no list of the key column", edit("[NeedComboBoxCol9]", "[Other9]"),
       "[NeedComboBoxCol9]"},
      {"no data types", edit("[SQLAllDataType]", "[Other]"), "[SQLAllDataType] Type1"},
  };
  for (const Case& c : cases) {
    const Settings settings = LoadSettings(IniFile::FromBytes(c.ini), "/opt/t");
    const std::string problem = EssentialSettingsProblem(settings);
    if (std::string(c.names).empty()) {
      EXPECT_EQ(problem, "") << c.what;
      continue;
    }
    EXPECT_EQ(problem.rfind(Cp936(u8"设置文件缺少必需的内容, 程序无法使用它:\n") +
                                "/opt/t/setting/Tablora.ini\n",
                            0),
              0u)
        << c.what << ": " << TextCodec::Cp936ToUtf8(problem);
    EXPECT_NE(problem.find(c.names), std::string::npos) << c.what;
  }
  // A missing file reads as an empty one.
  EXPECT_NE(EssentialSettingsProblem(LoadSettingsFile("/nonexistent/folder")), "");
}

}  // namespace
}  // namespace tablora
