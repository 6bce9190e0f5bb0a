#pragma once

#include <gtest/gtest.h>
#include <wx/gdicmn.h>

#include <string>

#include "base/settings.h"
#include "support/scripted_prompts.h"

namespace tablora {
class Design;
class DesignCanvas;
}  // namespace tablora

namespace tablora::testing {

/// A test of the main frame's design window: the settings are given back, the session and
/// prompts let go and open modal dialogs ended when the test ends, whatever it changed.
class DesignWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  DesignCanvas* Canvas();
  Design& TheDesign();
  /// The screen point of design point (x, y) at the canvas's scroll and zoom.
  wxPoint Screen(int x, int y);
  /// Opens `path` as the open command does and waits until its `count` windows are shown
  /// and drawn once (fitted to their content, so points inside them hold from here).
  void OpenScriptFile(const std::string& path, int count);
  /// Keeps a screenshot of the whole display as screenshots/NAME.png in the build folder.
  void Shot(const std::string& name);

  Settings saved;
  ScriptedPrompts prompts;
};

}  // namespace tablora::testing
