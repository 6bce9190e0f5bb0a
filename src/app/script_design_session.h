#pragma once

#include <string>
#include <vector>

#include "app/design_history.h"
#include "app/design_session.h"
#include "db/connect/database_session.h"
#include "model/design.h"
#include "model/design_view.h"
#include "model/script_opener.h"
#include "model/script_parser.h"
#include "model/script_writer.h"

namespace tablora {

/// The program's design with its script files: opening through the script reader, saving
/// through the script writer, and a changed flag kept from the design's own notes.
class ScriptDesignSession : public DesignSession, private DesignView {
 public:
  /// `view` (not owned) is the window side and gets every note of the design; nullptr
  /// means no windows.
  ScriptDesignSession(AppState& app, Prompts& prompts, DesignView* view = nullptr);

  bool OpenScript(const std::string& path) override;
  bool SaveScript(const std::string& path) override;
  bool SaveTableScript(int index) override;
  std::string currentPath() const override { return design_.currentPath(); }
  bool currentFileHoldsMore() const override { return design_.currentFileHoldsMore(); }
  bool modified() const override { return unrecorded_ || !history_.AtSavedMark(); }
  std::vector<TableSummary> Tables() const override;

  Design* design() override { return &design_; }
  DatabaseSession* database() override { return &database_; }
  DesignHistory* history() override { return &history_; }
  bool Undo() override;
  bool Redo() override;

 private:
  // DesignView: passed on to the window side; every change marks the design changed,
  // except the tables an open adds.
  bool IsOpen() const override { return view_->IsOpen(); }
  int ClientWidth() const override { return view_->ClientWidth(); }
  int ClientHeight() const override { return view_->ClientHeight(); }
  int ScrollHeight() const override { return view_->ScrollHeight(); }
  void SetScrollHeight(int totalHeight) override { view_->SetScrollHeight(totalHeight); }
  void ScrollToOrigin() override { view_->ScrollToOrigin(); }
  void TableAdded(int index, bool show) override;
  void TableChanged(int index) override;
  void TableTreeTextChanged(int index, const std::string& treeText) override;
  void TableWindowChanged(int index) override;
  void DesignCleared() override;
  void TableRemoved(int index) override;
  void TableInserted(int index) override { view_->TableInserted(index); }
  void TableWindowSet(int index) override { view_->TableWindowSet(index); }
  void TableWindowFitted(int index) override { history_.Absorb(index); }
  void ChangesBegin(const std::string& name) override { history_.Begin(name); }
  void ChangesEnd() override { history_.End(); }
  void DesignLoaded() override { view_->DesignLoaded(); }
  void ArrangeDesign() override { view_->ArrangeDesign(); }
  void SetRootTexts(const std::string& text) override { view_->SetRootTexts(text); }
  /// A note of a change: a step of the history, or (when it holds none) a change the
  /// history cannot see, such as names typed but not yet applied.
  void Noted(bool recorded);

  Prompts& prompts_;
  HeadlessDesignView headless_;
  DesignView* view_;
  ScriptParser parser_;
  Design design_;
  ScriptOpener opener_;
  ScriptWriter writer_;
  DatabaseSession database_;
  DesignHistory history_;
  bool opening_ = false;
  bool clearedWhileOpening_ = false;
  /// A change was reported that no step of the history holds.
  bool unrecorded_ = false;
};

}  // namespace tablora
