#include "support/model_fixture.h"

#include "base/text_codec.h"

namespace tablora::testing {

Settings EditorSettings() {
  Settings s;
  for (const char* caption :
       {u8"行", u8"名称", u8"实际名称", u8"数据类型", u8"允许空", u8"自动增长", u8"默认值",
        u8"说明", u8"主键", u8"外键", u8"外键名", u8"引用表", u8"引用列", u8"检查"}) {
    s.gridCaptions.push_back(Cp936(caption));
  }
  s.gridWidths[s.gridCaptions[1]] = "80";
  s.gridWidths[s.gridCaptions[3]] = "90";
  s.dropDownColumns = {4, 5, 6, 9, 10};
  for (int n : {5, 6, 9, 10}) s.dropDownLists[n] = {"No", "Yes"};
  s.dataTypeLists[kSqlServer] = {"int", "varchar", "char", "decimal", "datetime"};
  s.dataTypeLists[kAccess] = {"Long", "Text"};
  s.dataTypeLists[kOracle] = {"NUMBER", "VARCHAR2"};
  return s;
}

void RecordingDesignView::TableAdded(int index, bool show) {
  events.push_back("added " + std::to_string(index) + (show ? " show" : " hidden"));
}

void RecordingDesignView::TableChanged(int index) {
  events.push_back("changed " + std::to_string(index));
}

void RecordingDesignView::TableTreeTextChanged(int index, const std::string& treeText) {
  events.push_back("tree " + std::to_string(index) + " " + treeText);
}

}  // namespace tablora::testing
