#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/design.h"

namespace tablora {

/// The undo history of one design. It keeps the state of every table as the last step
/// left it (definitions shared, not copied, between that state and the steps) and turns
/// each change the design reports into a step holding only the tables it touched, before
/// and after. Undo and redo put those states back through the design, so the windows,
/// trees and editors follow. Texts are code page 936.
class DesignHistory {
 public:
  static constexpr std::size_t kDefaultLimit = 1000;

  /// The display-style choice of the settings, which belongs to the history too.
  struct Styles {
    int header = 0;
    int column = 0;
    bool fitWidths = false;
    bool operator==(const Styles& o) const {
      return header == o.header && column == o.column && fitWidths == o.fitWidths;
    }
  };

  /// `stylesRestored` runs after undo or redo set the settings' display styles (the
  /// window program redraws and writes the choice back).
  explicit DesignHistory(Design& design, std::function<void()> stylesRestored = {});

  void SetStylesRestored(std::function<void()> stylesRestored);

  /// Forgets every step and takes the design as it stands as the first state; the saved
  /// mark goes there when `saved`, else nowhere.
  void Reset(bool saved = true);
  /// The design was saved: the title's changed mark goes when the history is back here.
  void MarkSaved() { savedAt_ = position_; }
  /// True when the steps applied are those applied when the design was last saved.
  bool AtSavedMark() const { return savedAt_ && *savedAt_ == position_; }
  /// At most `limit` steps are kept (at least 1); the oldest go first.
  void SetLimit(std::size_t limit);
  std::size_t limit() const { return limit_; }

  // What the design reports (the session passes its notes on).
  void TableAdded(int index);
  void TableRemoved(int index);
  /// Table `index`'s definition or window may have changed since the last step. True when
  /// it had: the change went into a step.
  bool TableChanged(int index);
  /// Table `index`'s window was moved or sized by the view itself: its state is taken as
  /// it is now, as no step.
  void Absorb(int index);
  /// The display styles of the settings may have changed.
  void StylesChanged();

  /// Changes reported until the matching End form one step named `name` (nested: the
  /// outermost name counts). A step of one table's change is named after what changed
  /// unless `name` is given for it.
  void Begin(const std::string& name);
  void End();

  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ < steps_.size(); }
  /// The name of the step Undo (Redo) would take back (do again); empty when none.
  std::string UndoName() const;
  std::string RedoName() const;
  bool Undo();
  bool Redo();
  /// Steps kept, the ones undone included.
  std::size_t size() const { return steps_.size(); }
  /// True while Undo or Redo is changing the design (its notes are not new steps).
  bool applying() const { return applying_; }

 private:
  /// A table as a step leaves it: no definition is a new table never built.
  struct TableState {
    std::shared_ptr<const TableDesign> definition;
    TableWindowState window;
  };
  enum class Kind : unsigned char { kAdded, kRemoved, kChanged, kStyles };
  struct Action {
    Kind kind = Kind::kChanged;
    int index = -1;
    TableState before;
    TableState after;
    Styles stylesBefore;
    Styles stylesAfter;
  };
  struct Step {
    std::string name;  ///< empty: named after its one action
    std::vector<Action> actions;
  };

  TableState Current(int index, const TableState* known) const;
  Styles CurrentStyles() const;
  void Record(Action action);
  void Apply(const Action& action, bool forward);
  void PutState(int index, const TableState& state);
  std::string NameOf(const Step& step) const;
  std::string TableName(const TableState& state, int index) const;

  Design& design_;
  std::function<void()> stylesRestored_;
  std::vector<TableState> tables_;  ///< table i as the last step left it
  Styles styles_;
  std::deque<Step> steps_;
  std::size_t position_ = 0;  ///< steps applied
  std::optional<std::size_t> savedAt_ = 0;
  std::size_t limit_ = kDefaultLimit;
  int depth_ = 0;
  std::string groupName_;
  std::optional<Step> open_;
  bool applying_ = false;
};

/// Makes the changes reported while it lives one step of `history` (which may be null).
class HistoryStep {
 public:
  HistoryStep(DesignHistory* history, const std::string& name) : history_(history) {
    if (history_ != nullptr) history_->Begin(name);
  }
  ~HistoryStep() {
    if (history_ != nullptr) history_->End();
  }
  HistoryStep(const HistoryStep&) = delete;
  HistoryStep& operator=(const HistoryStep&) = delete;

 private:
  DesignHistory* history_;
};

}  // namespace tablora
