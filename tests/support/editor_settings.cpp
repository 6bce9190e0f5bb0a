#include "support/editor_settings.h"

#include "base/text_codec.h"
#include "model/script_writer.h"

namespace tablora::testing {

Settings EditorSettings() {
  Settings s;
  for (const char* caption :
       {u8"行", u8"名称", u8"实际名称", u8"数据类型", u8"允许空", u8"自动增长", u8"默认值",
        u8"说明", u8"主键", u8"外键", u8"外键名", u8"引用表", u8"引用列", u8"检查"}) {
    s.gridCaptions.push_back(Cp936(caption));
  }
  s.gridWidths[s.gridCaptions[grid_column::kDisplayName]] = "80";
  s.gridWidths[s.gridCaptions[grid_column::kType]] = "90";
  // Drop-down lists are numbered from 1 (column + 1), as in the settings file.
  using namespace grid_column;
  for (int column : {kType, kNullable, kIdentity, kPrimaryKey, kForeignKey}) {
    s.dropDownColumns.push_back(column + 1);
  }
  for (int column : {kNullable, kIdentity, kPrimaryKey, kForeignKey}) {
    s.dropDownLists[column + 1] = {"No", "Yes"};
  }
  s.dataTypeLists[kSqlServer] = {"int", "varchar", "char", "decimal", "datetime"};
  s.dataTypeLists[kAccess] = {"Long", "Text"};
  s.dataTypeLists[kOracle] = {"NUMBER", "VARCHAR2"};
  return s;
}

}  // namespace tablora::testing
