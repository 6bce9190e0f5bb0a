#include "base/settings_loader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "base/gbk_text.h"
#include "base/text_codec.h"

namespace tablora {

namespace {
constexpr std::size_t kColourBuffer = 8;
constexpr std::size_t kTextBuffer = 128;
constexpr std::size_t kStyleBuffer = 256;
/// Table window sizes and gaps stay within a window coordinate range, so that the layout's
/// "client width / (Width + MarginW)" never divides by zero or overflows.
constexpr int kMaxPixels = 32767;

/// The number of entries to read from a section: its "Count", bounded as LoadSettings says.
int EntryCount(const IniFile& ini, std::string_view section) {
  const int count = ini.GetInt(section, "Count", 0);
  if (count <= 0) return 0;
  const std::size_t bound = ini.KeyCount(section) + kMissingEntrySlack;
  return static_cast<std::size_t>(count) < bound ? count : static_cast<int>(bound);
}

std::string NumberedKey(const char* prefix, int number) { return prefix + std::to_string(number); }

std::vector<std::string> ReadList(const IniFile& ini, std::string_view section, const char* prefix,
                                  std::size_t bufferSize) {
  std::vector<std::string> list;
  // A nested list whose section name is empty names no section.
  if (section.empty()) return list;
  const int count = EntryCount(ini, section);
  list.reserve(count);
  for (int i = 1; i <= count; ++i) {
    list.push_back(ini.GetString(section, NumberedKey(prefix, i), "", bufferSize));
  }
  return list;
}

std::vector<int> ReadIntList(const IniFile& ini, std::string_view section, const char* prefix) {
  std::vector<int> list;
  const int count = EntryCount(ini, section);
  for (int i = 1; i <= count; ++i) list.push_back(ini.GetInt(section, NumberedKey(prefix, i), 0));
  return list;
}

/// "TypeA%d" -> "TypeB%d" pairs; the first pair of a key stays.
TextMap ReadMap(const IniFile& ini, std::string_view section) {
  TextMap map;
  const int count = EntryCount(ini, section);
  for (int i = 1; i <= count; ++i) {
    map.emplace(ini.GetString(section, NumberedKey("TypeA", i), "", kTextBuffer),
                ini.GetString(section, NumberedKey("TypeB", i), "", kTextBuffer));
  }
  return map;
}
}  // namespace

Settings LoadSettings(const IniFile& ini, const std::string& programFolder) {
  Settings s;
  s.programFolder = programFolder;
  s.settingsPath = programFolder + "/setting/Tablora.ini";

  s.dialogBkColor = ini.GetString("Dialog", "BKColor", "007777", kColourBuffer);
  s.dialogTextColor = ini.GetString("Dialog", "TextColor", "FF77FF", kColourBuffer);

  s.tableWinWidth = std::clamp(ini.GetInt("TableWin", "Width", 150), 1, kMaxPixels);
  s.tableWinHeight = std::clamp(ini.GetInt("TableWin", "Height", 150), 1, kMaxPixels);
  s.marginW = std::clamp(ini.GetInt("TableWin", "MarginW", 10), 0, kMaxPixels);
  s.marginH = std::clamp(ini.GetInt("TableWin", "MarginH", 20), 0, kMaxPixels);
  s.showRelations = ini.GetInt("TableWin", "ShowRelations", 1) != 0;
  s.maxColumnWidth = std::clamp(ini.GetInt("TableWin", "MaxColWidth", 300), 10, kMaxPixels);
  s.codeFilesUtf8 = gbk::EqualsIgnoreCase(
      gbk::Trim(ini.GetString("CodeFile", "Encoding", "GBK", kTextBuffer)), "UTF-8");

  s.databaseKindNames = ReadList(ini, "SuportDB", "Type", kTextBuffer);
  s.gridWidths = ReadMap(ini, "DesignTableCols");
  s.gridCaptions = ReadList(ini, "DesignTableCols", "TypeA", kTextBuffer);

  for (int n : ReadIntList(ini, "ColNeedComboBox", "TypeA")) {
    if (n < 1 || n >= Settings::kDropDownSlots) continue;
    s.dropDownColumns.push_back(n);
    s.dropDownLists[n] = ReadList(ini, NumberedKey("NeedComboBoxCol", n), "TypeA", kTextBuffer);
  }

  const int kinds = std::min(EntryCount(ini, "SQLAllDataType"), Settings::kDataTypeSlots);
  for (int k = 1; k <= kinds; ++k) {
    const std::string section =
        ini.GetString("SQLAllDataType", NumberedKey("Type", k), "", kTextBuffer);
    s.dataTypeLists[k - 1] = ReadList(ini, section, "TypeA", kTextBuffer);
  }

  s.dropDownLists[0] = ReadList(ini, "SQLKEYWORD", "Type", kTextBuffer);

  s.typeC = ReadMap(ini, "Table2StructC");
  s.prefixC = ReadMap(ini, "TypeCExName");
  s.typeJava = ReadMap(ini, "Table2ClassJava");
  s.prefixJava = ReadMap(ini, "TypeJavaExName");
  s.typeOdbc = ReadMap(ini, "Table2OdbcC");
  s.typeOracle = ReadMap(ini, "Sql2OracleType");
  s.columnWidths = ReadMap(ini, "ColType");

  s.currentHeaderStyle = ini.GetInt("DefaultCol", "DefaultTypeHead", 0);
  s.currentColumnStyle = ini.GetInt("DefaultCol", "DefaultType", 0);
  s.fitColumnWidths = ini.GetInt("DefaultCol", "FitColWidth", 0) != 0;
  s.workBoxPlace = ini.GetString("WorkBox", "Place", "", kTextBuffer);

  s.headerStyles = ReadList(ini, "ShowTypeHead", "Type", kStyleBuffer);
  s.columnStyles = ReadList(ini, "ShowType", "Type", kStyleBuffer);

  s.dataTypeColour = Rgb{0, 0, 255};
  s.keywordColour = Rgb{20, 60, 150};
  s.commentColour = Rgb{51, 153, 0};
  return s;
}

Settings LoadSettingsFile(const std::string& programFolder) {
  return LoadSettings(IniFile::Load(programFolder + "/setting/Tablora.ini"), programFolder);
}

std::string EssentialSettingsProblem(const Settings& s) {
  constexpr std::size_t kGridColumns = 14;
  std::string missing;
  if (s.gridCaptions.size() < kGridColumns) {
    missing += "\n[DesignTableCols] " + std::to_string(s.gridCaptions.size()) + " / " +
               std::to_string(kGridColumns);
  }
  for (int n : {5, 6, 9, 10}) {
    if (s.dropDownLists[n].size() < 2) missing += "\n[NeedComboBoxCol" + std::to_string(n) + "]";
  }
  if (s.DataTypes(kSqlServer).empty()) missing += "\n[SQLAllDataType] Type1";
  if (missing.empty()) return {};
  static const std::string kMissing = Cp936(u8"设置文件缺少必需的内容, 程序无法使用它:\n");
  return kMissing + TextCodec::Utf8ToCp936(s.settingsPath) + missing;
}

bool WriteSettingInt(const std::string& settingsPath, std::string_view section,
                     std::string_view key, int value) {
  bool read = false;
  IniFile ini = IniFile::Load(settingsPath, &read);
  struct stat info;
  if (!read && ::stat(settingsPath.c_str(), &info) == 0) return false;
  ini.WriteInt(section, key, value);
  return ini.Save(settingsPath);
}

bool WriteSettingString(const std::string& settingsPath, std::string_view section,
                        std::string_view key, std::string_view value) {
  bool read = false;
  IniFile ini = IniFile::Load(settingsPath, &read);
  struct stat info;
  if (!read && ::stat(settingsPath.c_str(), &info) == 0) return false;
  ini.WriteString(section, key, value);
  return ini.Save(settingsPath);
}

}  // namespace tablora
