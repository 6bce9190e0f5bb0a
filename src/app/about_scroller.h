#pragma once

#include <string>
#include <vector>

namespace tablora {

/// The about box's scrolling lines without a window: which lines show, where, and how the
/// mouse changes them. The window calls Tick every 30 ms and draws lines() at LineTop(i).
class AboutScroller {
 public:
  static constexpr int kLineHeight = 30;

  enum class LineSet { kCredits, kSecond, kSingle };

  explicit AboutScroller(int clientHeight);

  /// Moves the lines up by one pixel unless paused; after the last line has left the top
  /// (offset below -30 x line count) they start again at the client height - 50.
  void Tick();
  /// The left button: pauses or resumes the scrolling.
  void TogglePause() { paused_ = !paused_; }
  /// The right button: switches between the credit lines and the second set (the single
  /// line goes back to the credits).
  void RightClick();
  /// The right double-click. Its first click has already switched away from the credits;
  /// when that is what happened, the single line replaces the second set.
  void RightDoubleClick();

  bool paused() const { return paused_; }
  int offset() const { return offset_; }
  LineSet lineSet() const { return lineSet_; }
  /// The current lines, code page 936.
  const std::vector<std::string>& lines() const;
  /// The top of line i in client pixels.
  int LineTop(int index) const { return offset_ + index * kLineHeight; }

  static const std::vector<std::string>& Lines(LineSet set);

 private:
  int clientHeight_;
  int offset_;
  bool paused_ = false;
  LineSet lineSet_ = LineSet::kCredits;
};

}  // namespace tablora
