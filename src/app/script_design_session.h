#pragma once

#include <string>
#include <vector>

#include "app/design_session.h"
#include "db/database_session.h"
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
  bool modified() const override { return modified_; }
  std::vector<TableSummary> Tables() const override;

  Design* design() override { return &design_; }
  DatabaseSession* database() override { return &database_; }

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
  void DesignLoaded() override { view_->DesignLoaded(); }
  void ArrangeDesign() override { view_->ArrangeDesign(); }
  void SetRootTexts(const std::string& text) override { view_->SetRootTexts(text); }
  void MarkChanged();

  Prompts& prompts_;
  HeadlessDesignView headless_;
  DesignView* view_;
  ScriptParser parser_;
  Design design_;
  ScriptOpener opener_;
  ScriptWriter writer_;
  DatabaseSession database_;
  bool opening_ = false;
  bool clearedWhileOpening_ = false;
  bool modified_ = false;
  /// The new table last added and whether the design was changed before it: taking that
  /// table out again before anything else changed leaves the design as it was.
  int newTable_ = -1;
  bool modifiedBeforeNewTable_ = false;
};

}  // namespace tablora
