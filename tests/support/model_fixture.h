#pragma once

#include <string>
#include <vector>

#include "base/app_state.h"
#include "model/design_view.h"
#include "support/editor_settings.h"

namespace tablora::testing {

/// A design view that records what the design tells it; width and height are settable.
class RecordingDesignView : public DesignView {
 public:
  bool open = true;
  int clientWidth = 1000;
  int clientHeight = 700;
  int scrollHeight = 1000;
  int scrollResets = 0;
  /// "added 0 show", "changed 1", "tree 0 t(x)", "cleared", "removed 2"
  std::vector<std::string> events;

  bool IsOpen() const override { return open; }
  int ClientWidth() const override { return clientWidth; }
  int ClientHeight() const override { return clientHeight; }
  int ScrollHeight() const override { return scrollHeight; }
  void SetScrollHeight(int totalHeight) override { scrollHeight = totalHeight; }
  void ScrollToOrigin() override { ++scrollResets; }
  void TableAdded(int index, bool show) override;
  void TableChanged(int index) override;
  void TableTreeTextChanged(int index, const std::string& treeText) override;
  void DesignCleared() override { events.push_back("cleared"); }
  void TableRemoved(int index) override { events.push_back("removed " + std::to_string(index)); }
};

}  // namespace tablora::testing
