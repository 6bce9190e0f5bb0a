#include "ui/grid_text_wrap.h"

#include <algorithm>

#include "base/gbk_text.h"
#include "base/text_codec.h"

namespace tablora {

namespace {

std::size_t CharLength(std::string_view text, std::size_t pos) {
  return gbk::CharSize(text, pos);
}

/// The marks that stay with the character before them (closing) or after them (opening).
struct Marks {
  std::vector<std::string> closing;
  std::vector<std::string> opening;
};

const Marks& PunctuationMarks() {
  static const Marks marks = [] {
    Marks m;
    for (const char* c : {")", "]", "}", ">", ",", ".", ";", ":", "!", "?", "%"}) {
      m.closing.emplace_back(c);
    }
    for (const char* c : {"(", "[", "{", "<"}) m.opening.emplace_back(c);
    for (const char* c : {u8"，", u8"。", u8"、", u8"；", u8"：", u8"！", u8"？", u8"）", u8"】",
                          u8"》", u8"」", u8"』", u8"”", u8"’", u8"…", u8"．"}) {
      m.closing.push_back(Cp936(c));
    }
    for (const char* c : {u8"（", u8"【", u8"《", u8"「", u8"『", u8"“", u8"‘"}) {
      m.opening.push_back(Cp936(c));
    }
    return m;
  }();
  return marks;
}

bool IsOneOf(std::string_view ch, const std::vector<std::string>& set) {
  return std::find(set.begin(), set.end(), ch) != set.end();
}

/// Whether a line may end between the characters `before` and `after`.
bool MayBreakBetween(std::string_view before, std::string_view after) {
  if (after == " ") return false;  // blanks stay on the line they follow
  if (before == " ") return true;
  if (before.size() == 1 && after.size() == 1) return false;  // inside a Latin word
  const Marks& marks = PunctuationMarks();
  return !IsOneOf(after, marks.closing) && !IsOneOf(before, marks.opening);
}

std::string_view TrimEnd(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

/// Breaks one paragraph (no line feeds).
void WrapParagraph(std::string_view text, int width, const GridTextWrap::Measure& measure,
                   std::vector<std::string>& lines) {
  std::size_t lineStart = 0;
  std::size_t pieceStart = 0;
  const auto takePiece = [&](std::size_t pieceEnd) {
    // The first piece of a line stays on it however wide it is.
    if (pieceStart > lineStart &&
        measure(TrimEnd(text.substr(lineStart, pieceEnd - lineStart))) > width) {
      lines.emplace_back(TrimEnd(text.substr(lineStart, pieceStart - lineStart)));
      lineStart = pieceStart;
    }
    pieceStart = pieceEnd;
  };
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t next = pos + CharLength(text, pos);
    if (next < text.size() &&
        MayBreakBetween(text.substr(pos, next - pos), text.substr(next, CharLength(text, next)))) {
      takePiece(next);
    }
    pos = next;
  }
  takePiece(text.size());
  lines.emplace_back(TrimEnd(text.substr(lineStart)));
}

}  // namespace

std::vector<std::string> GridTextWrap::Lines(std::string_view text, int width,
                                             const Measure& measure) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find('\n', start);
    std::string_view paragraph =
        text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
    if (paragraph.empty()) {
      lines.emplace_back();
    } else {
      WrapParagraph(paragraph, width, measure, lines);
    }
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return lines;
}

}  // namespace tablora
