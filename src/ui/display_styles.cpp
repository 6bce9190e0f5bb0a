#include "ui/display_styles.h"

#include <cstdio>

#include "base/settings_loader.h"
#include "base/text_codec.h"

namespace tablora {

namespace {

/// The style names and keywords, converted once (the rules run for every cell).
const std::string& K(int index) {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
    for (const char* utf8 : {
             u8"名称表名",
             u8"实际表名",
             u8"名称表名(实际表名)",
             u8"实际表名(名称表名)",
             u8"名称表名(实际表名) 表注释",
             u8"实际表名(名称表名) 表注释",
             u8"名称列名",
             u8"实际列名",
             u8"名称列名(实际列名)",
             u8"实际列名(名称列名)",
             u8"数据类型",
             u8"数组大小",
             u8"数据类型(数组大小)",
             u8"是否为空",
             u8"空",
             u8"默认值",
             u8"描述",
             u8"自增长",
             u8"自动",
             u8"主键",
             u8"外键",
             u8"主键(外键)",
         }) {
      list.push_back(Cp936(utf8));
    }
    return list;
  }();
  return names[index];
}

bool Paired(const std::string& display, const std::string& actual) {
  return !display.empty() && display != actual;
}

std::string Pair(const std::string& first, const std::string& second) {
  return first + "(" + second + ")";
}

/// "name(len)" / "name(len,scale)" as the window shows sizes.
std::string SizeText(const ColumnDesign& column) {
  char buffer[48];
  if (column.scale > 0) {
    std::snprintf(buffer, sizeof buffer, "%d,%d", column.length, column.scale);
  } else {
    std::snprintf(buffer, sizeof buffer, "%d", column.length);
  }
  return buffer;
}

}  // namespace

std::string DisplayStyles::TitleText(const std::string& style, const TableDesign& table) {
  const std::string& display = table.displayName;
  const std::string& actual = table.actualName;
  const bool paired = Paired(display, actual);
  const auto withComment = [&table](std::string title) {
    if (!table.comment.empty()) title += " " + table.comment;
    return title;
  };
  if (style == K(0)) return display.empty() ? actual : display;
  if (style == K(1)) return actual;
  if (style == K(2)) return paired ? Pair(display, actual) : actual;
  if (style == K(3)) return paired ? Pair(actual, display) : actual;
  if (style == K(4)) {
    return withComment(paired ? Pair(display, actual) : actual);
  }
  if (style == K(5)) {
    return withComment(paired ? Pair(actual, display) : actual);
  }
  return "";
}

std::string DisplayStyles::FieldText(const std::string& keyword, const ColumnDesign& column) {
  const std::string& display = column.displayName;
  const std::string& actual = column.actualName;
  const bool paired = Paired(display, actual);
  if (keyword == K(6)) return display.empty() ? actual : display;
  if (keyword == K(7)) return actual;
  if (keyword == K(8)) return paired ? Pair(display, actual) : actual;
  if (keyword == K(9)) return paired ? Pair(actual, display) : actual;
  if (keyword == K(10)) return column.typeName;
  if (keyword == K(11)) return SizeText(column);
  if (keyword == K(12)) {
    return column.length == 0 ? column.typeName : column.typeName + "(" + SizeText(column) + ")";
  }
  if (keyword == K(13)) return column.nullable ? K(14) : " ";
  if (keyword == K(15)) return column.defaultValue;
  if (keyword == K(16)) return column.note;
  if (keyword == K(17)) return column.identity.empty() ? "" : K(18);
  if (keyword == K(19)) return column.primaryKey ? "<pk>" : "";
  if (keyword == K(20)) return column.foreignKey ? "<fk>" : "";
  if (keyword == K(21)) {
    if (column.primaryKey && column.foreignKey) return "<pk,fk>";
    if (column.primaryKey) return "<pk>";
    if (column.foreignKey) return "<fk>";
    return "";
  }
  return "";
}

int DisplayStyles::EffectiveIndex(int index, std::size_t count) {
  if (count == 0) return 0;
  return index >= 1 && static_cast<std::size_t>(index) <= count ? index : 1;
}

std::string DisplayStyles::CurrentTitleStyle(const Settings& settings) {
  const int index = EffectiveIndex(settings.currentHeaderStyle, settings.headerStyles.size());
  return index > 0 ? settings.headerStyles[index - 1] : std::string();
}

std::string DisplayStyles::CurrentTitleText(const Settings& settings, const TableDesign& table) {
  return TitleText(CurrentTitleStyle(settings), table);
}

std::vector<Settings::StyleWord> DisplayStyles::CurrentFieldWords(const Settings& settings) {
  Settings effective;
  effective.columnStyles = settings.columnStyles;
  effective.columnWidths = settings.columnWidths;
  effective.currentColumnStyle =
      EffectiveIndex(settings.currentColumnStyle, settings.columnStyles.size());
  return effective.SplitCurrentColumnStyle();
}

bool DisplayStyles::ApplyChoice(Settings& settings, const Choice& choice) {
  bool written = true;
  const auto write = [&settings](const char* key, int value) {
    return !settings.settingsPath.empty() &&
           WriteSettingInt(settings.settingsPath, "DefaultCol", key, value);
  };
  if (choice.title >= 0) {
    settings.currentHeaderStyle = choice.title + 1;
    written &= write("DefaultTypeHead", settings.currentHeaderStyle);
  }
  if (choice.field >= 0) {
    settings.currentColumnStyle = choice.field + 1;
    written &= write("DefaultType", settings.currentColumnStyle);
  }
  if (choice.fitWidths >= 0) {
    settings.fitColumnWidths = choice.fitWidths != 0;
    written &= write("FitColWidth", settings.fitColumnWidths ? 1 : 0);
  }
  return written;
}

}  // namespace tablora
