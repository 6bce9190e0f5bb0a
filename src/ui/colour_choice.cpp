#include "ui/colour_choice.h"

#include "base/text_codec.h"

namespace tablora {

ColourChoice::ColourChoice(Design& design, int preselected, int mode)
    : design_(design), mode_(mode == kBackground ? kBackground : kText) {
  Select(preselected < 0 || preselected >= design_.tableCount() ? design_.tableCount()
                                                                : preselected);
}

std::string ColourChoice::Caption() const {
  return Cp936(mode_ == kText ? u8"请选择文字颜色" : u8"请选择背景颜色");
}

std::vector<std::string> ColourChoice::Items() const {
  std::vector<std::string> items;
  for (const auto& entry : design_.entries()) {
    const TableNames& names = entry->editor->names();
    if (names.displayName.empty() || names.displayName == names.actualName) {
      items.push_back(names.actualName);
    } else {
      items.push_back(names.displayName + "(" + names.actualName + ")");
    }
  }
  items.push_back(Cp936(u8"<<全部表>>"));
  return items;
}

void ColourChoice::Select(int item) {
  selection_ = item < 0 || item > design_.tableCount() ? design_.tableCount() : item;
  if (AllTablesSelected()) {
    colour_ = kNone;
    return;
  }
  const TableWindowState& window = design_.entries()[selection_]->window;
  colour_ = mode_ == kText ? window.textColour : window.bkColour;
}

std::vector<int> ColourChoice::Apply() {
  std::vector<int> changed;
  if (colour_ == kNone) return changed;
  const int first = AllTablesSelected() ? 0 : selection_;
  const int last = AllTablesSelected() ? design_.tableCount() : selection_ + 1;
  for (int i = first; i < last; ++i) {
    TableWindowState& window = design_.entry(i).window;
    std::uint32_t& target = mode_ == kText ? window.textColour : window.bkColour;
    if (target == colour_) continue;
    target = colour_;
    changed.push_back(i);
    design_.TableChanged(i);
  }
  return changed;
}

}  // namespace tablora
