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
  return FieldText(FieldOf(keyword), column);
}

DisplayStyles::Field DisplayStyles::FieldOf(const std::string& keyword) {
  static const std::pair<int, Field> fields[] = {
      {6, Field::kDisplayName},   {7, Field::kActualName}, {8, Field::kDisplayActual},
      {9, Field::kActualDisplay}, {10, Field::kType},      {11, Field::kSize},
      {12, Field::kTypeSize},     {13, Field::kNullable},  {15, Field::kDefault},
      {16, Field::kNote},         {17, Field::kIdentity},  {19, Field::kPrimaryKey},
      {20, Field::kForeignKey},   {21, Field::kKeys},
  };
  for (const auto& [index, field] : fields) {
    if (keyword == K(index)) return field;
  }
  return Field::kUnknown;
}

std::string DisplayStyles::FieldText(Field field, const ColumnDesign& column) {
  const std::string& display = column.displayName;
  const std::string& actual = column.actualName;
  switch (field) {
    case Field::kDisplayName:
      return display.empty() ? actual : display;
    case Field::kActualName:
      return actual;
    case Field::kDisplayActual:
      return Paired(display, actual) ? Pair(display, actual) : actual;
    case Field::kActualDisplay:
      return Paired(display, actual) ? Pair(actual, display) : actual;
    case Field::kType:
      return column.typeName;
    case Field::kSize:
      return SizeText(column);
    case Field::kTypeSize:
      return column.length == 0 ? column.typeName : column.typeName + "(" + SizeText(column) + ")";
    case Field::kNullable:
      return column.nullable ? K(14) : " ";
    case Field::kDefault:
      return column.defaultValue;
    case Field::kNote:
      return column.note;
    case Field::kIdentity:
      return column.identity.empty() ? "" : K(18);
    case Field::kPrimaryKey:
      return column.primaryKey ? "<pk>" : "";
    case Field::kForeignKey:
      return column.foreignKey ? "<fk>" : "";
    case Field::kKeys:
      if (column.primaryKey && column.foreignKey) return "<pk,fk>";
      if (column.primaryKey) return "<pk>";
      if (column.foreignKey) return "<fk>";
      return "";
    case Field::kUnknown:
      break;
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
