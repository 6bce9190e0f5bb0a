#include "app/design_history.h"

#include <algorithm>

#include "base/text_codec.h"

namespace tablora {

namespace {
bool SameDefinition(const std::shared_ptr<const TableDesign>& a,
                    const std::shared_ptr<const TableDesign>& b) {
  if (a == b) return true;
  if (!a || !b) return false;
  return *a == *b;
}

bool SameSize(const TableWindowState& a, const TableWindowState& b) {
  return a.right - a.left == b.right - b.left && a.bottom - a.top == b.bottom - b.top;
}
}  // namespace

void DesignHistory::SetStylesRestored(std::function<void()> stylesRestored) {
  stylesRestored_ = std::move(stylesRestored);
}

DesignHistory::DesignHistory(Design& design, std::function<void()> stylesRestored)
    : design_(design), stylesRestored_(std::move(stylesRestored)) {
  Reset();
}

void DesignHistory::Reset(bool saved) {
  steps_.clear();
  position_ = 0;
  savedAt_.reset();
  if (saved) savedAt_ = 0;
  depth_ = 0;
  open_.reset();
  tables_.clear();
  tables_.reserve(static_cast<std::size_t>(design_.tableCount()));
  for (int i = 0; i < design_.tableCount(); ++i) tables_.push_back(Current(i, nullptr));
  styles_ = CurrentStyles();
}

void DesignHistory::SetLimit(std::size_t limit) {
  limit_ = std::max<std::size_t>(limit, 1);
  while (steps_.size() > limit_) {
    steps_.pop_front();
    if (position_ > 0) --position_;
    if (savedAt_) savedAt_ = *savedAt_ > 0 ? std::optional<std::size_t>(*savedAt_ - 1) : std::nullopt;
  }
}

DesignHistory::TableState DesignHistory::Current(int index, const TableState* known) const {
  TableState state;
  const auto& definitions = design_.definitions();
  const auto at = static_cast<std::size_t>(index);
  if (at < definitions.size() && !definitions[at].actualName.empty()) {
    if (known != nullptr && known->definition && *known->definition == definitions[at]) {
      state.definition = known->definition;
    } else {
      state.definition = std::make_shared<const TableDesign>(definitions[at]);
    }
  }
  state.window = design_.entries().at(at)->window;
  return state;
}

DesignHistory::Styles DesignHistory::CurrentStyles() const {
  const Settings& s = design_.app().settings;
  return {s.currentHeaderStyle, s.currentColumnStyle, s.fitColumnWidths};
}

void DesignHistory::TableAdded(int index) {
  if (applying_ || index < 0 || index > static_cast<int>(tables_.size()) ||
      index >= design_.tableCount()) {
    return;
  }
  tables_.insert(tables_.begin() + index, Current(index, nullptr));
  Action action;
  action.kind = Kind::kAdded;
  action.index = index;
  action.after = tables_[static_cast<std::size_t>(index)];
  Record(std::move(action));
}

void DesignHistory::TableRemoved(int index) {
  if (applying_ || index < 0 || index >= static_cast<int>(tables_.size())) return;
  Action action;
  action.kind = Kind::kRemoved;
  action.index = index;
  action.before = tables_[static_cast<std::size_t>(index)];
  tables_.erase(tables_.begin() + index);
  // A new table taken out again before anything else happened leaves no trace: the
  // design is as it was before it was made.
  if (depth_ == 0 && !action.before.definition && position_ == steps_.size() && position_ > 0) {
    const Step& last = steps_.back();
    if (last.actions.size() == 1 && last.actions[0].kind == Kind::kAdded &&
        last.actions[0].index == index) {
      steps_.pop_back();
      --position_;
      if (savedAt_ && *savedAt_ > position_) savedAt_.reset();
      return;
    }
  }
  Record(std::move(action));
}

bool DesignHistory::TableChanged(int index) {
  if (applying_ || index < 0 || index >= static_cast<int>(tables_.size()) ||
      index >= design_.tableCount()) {
    return false;
  }
  TableState& known = tables_[static_cast<std::size_t>(index)];
  TableState now = Current(index, &known);
  if (SameDefinition(known.definition, now.definition) && known.window == now.window)
    return false;
  Action action;
  action.kind = Kind::kChanged;
  action.index = index;
  action.before = known;
  action.after = now;
  known = std::move(now);
  Record(std::move(action));
  return true;
}

void DesignHistory::Absorb(int index) {
  if (index < 0 || index >= static_cast<int>(tables_.size()) || index >= design_.tableCount())
    return;
  tables_[static_cast<std::size_t>(index)].window = design_.entry(index).window;
}

void DesignHistory::StylesChanged() {
  if (applying_) return;
  const Styles now = CurrentStyles();
  if (now == styles_) return;
  Action action;
  action.kind = Kind::kStyles;
  action.stylesBefore = styles_;
  action.stylesAfter = now;
  styles_ = now;
  Record(std::move(action));
}

void DesignHistory::Begin(const std::string& name) {
  if (depth_++ == 0) open_ = Step{name, {}};
}

void DesignHistory::End() {
  if (depth_ == 0) return;
  if (--depth_ > 0) return;
  Step step = std::move(*open_);
  open_.reset();
  if (step.actions.empty()) return;
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_), steps_.end());
  if (savedAt_ && *savedAt_ > position_) savedAt_.reset();
  steps_.push_back(std::move(step));
  ++position_;
  SetLimit(limit_);
}

void DesignHistory::Record(Action action) {
  if (open_) {
    std::vector<Action>& actions = open_->actions;
    // Several changes of one table in a row are one change from the first state to the last.
    if (action.kind == Kind::kChanged && !actions.empty() &&
        actions.back().kind == Kind::kChanged && actions.back().index == action.index) {
      actions.back().after = std::move(action.after);
      return;
    }
    actions.push_back(std::move(action));
    return;
  }
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_), steps_.end());
  if (savedAt_ && *savedAt_ > position_) savedAt_.reset();
  steps_.push_back(Step{{}, {std::move(action)}});
  ++position_;
  SetLimit(limit_);
}

bool DesignHistory::Undo() {
  if (!CanUndo() || depth_ > 0) return false;
  applying_ = true;
  const Step& step = steps_[position_ - 1];
  for (auto it = step.actions.rbegin(); it != step.actions.rend(); ++it) Apply(*it, false);
  --position_;
  applying_ = false;
  return true;
}

bool DesignHistory::Redo() {
  if (!CanRedo() || depth_ > 0) return false;
  applying_ = true;
  const Step& step = steps_[position_];
  for (const Action& action : step.actions) Apply(action, true);
  ++position_;
  applying_ = false;
  return true;
}

void DesignHistory::Apply(const Action& action, bool forward) {
  const int index = action.index;
  const bool insert = (action.kind == Kind::kAdded) == forward;
  switch (action.kind) {
    case Kind::kAdded:
    case Kind::kRemoved:
      if (insert) {
        const TableState& state = forward ? action.after : action.before;
        Design::RemovedTable table;
        table.index = index;
        table.hadDefinition = state.definition != nullptr;
        if (state.definition) table.definition = *state.definition;
        table.window = state.window;
        if (design_.InsertTable(table) < 0) return;
        tables_.insert(tables_.begin() + std::min<std::size_t>(static_cast<std::size_t>(index),
                                                               tables_.size()),
                       state);
      } else {
        design_.RemoveTable(index);
        if (index >= 0 && index < static_cast<int>(tables_.size()))
          tables_.erase(tables_.begin() + index);
      }
      break;
    case Kind::kChanged:
      PutState(index, forward ? action.after : action.before);
      break;
    case Kind::kStyles: {
      styles_ = forward ? action.stylesAfter : action.stylesBefore;
      Settings& s = design_.app().settings;
      s.currentHeaderStyle = styles_.header;
      s.currentColumnStyle = styles_.column;
      s.fitColumnWidths = styles_.fitWidths;
      if (stylesRestored_) stylesRestored_();
      break;
    }
  }
}

void DesignHistory::PutState(int index, const TableState& state) {
  if (index < 0 || index >= static_cast<int>(tables_.size()) || index >= design_.tableCount())
    return;
  TableState& known = tables_[static_cast<std::size_t>(index)];
  if (!state.definition && known.definition) {
    // Back to a new table never built: a new editor in its place holds no text.
    Design::RemovedTable blank;
    blank.index = index;
    blank.window = state.window;
    design_.RemoveTable(index);
    design_.InsertTable(blank);
    known = state;
    return;
  }
  if (!SameDefinition(known.definition, state.definition)) {
    // Filling keeps names the record leaves empty: start from a new editor's names.
    design_.editor(index).ResetNames();
    design_.ReplaceTable(index, state.definition ? *state.definition : TableDesign{});
  }
  if (design_.entry(index).window != state.window) design_.SetWindow(index, state.window);
  known = state;
}

std::string DesignHistory::TableName(const TableState& state, int index) const {
  if (state.definition && !state.definition->actualName.empty())
    return state.definition->actualName;
  if (index >= 0 && index < design_.tableCount()) {
    const std::string& actual = design_.entries()[static_cast<std::size_t>(index)]
                                    ->editor->names()
                                    .actualName;
    if (!actual.empty()) return actual;
  }
  return Cp936(u8"新表") + std::to_string(index + 1);
}

std::string DesignHistory::NameOf(const Step& step) const {
  if (!step.name.empty() || step.actions.empty()) return step.name;
  const Action& a = step.actions.front();
  switch (a.kind) {
    case Kind::kAdded:
      return Cp936(u8"新建表 ") + TableName(a.after, a.index);
    case Kind::kRemoved:
      return Cp936(u8"删除表 ") + TableName(a.before, a.index);
    case Kind::kStyles:
      return Cp936(u8"字段显示属性");
    case Kind::kChanged:
      break;
  }
  const std::string table = TableName(a.after, a.index);
  const TableWindowState& b = a.before.window;
  const TableWindowState& n = a.after.window;
  if (!SameDefinition(a.before.definition, a.after.definition))
    return Cp936(u8"修改表 ") + table;
  if (b.wholeBox != n.wholeBox) return Cp936(u8"框全显示 ") + table;
  if (!SameSize(b, n)) return Cp936(u8"调整表大小 ") + table;
  if (b.left != n.left || b.top != n.top) return Cp936(u8"移动表 ") + table;
  if (b.textColour != n.textColour) return Cp936(u8"字体颜色 ") + table;
  return Cp936(u8"背景颜色 ") + table;
}

std::string DesignHistory::UndoName() const {
  return CanUndo() ? NameOf(steps_[position_ - 1]) : std::string();
}

std::string DesignHistory::RedoName() const {
  return CanRedo() ? NameOf(steps_[position_]) : std::string();
}

}  // namespace tablora
