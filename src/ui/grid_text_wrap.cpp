#include "ui/grid_text_wrap.h"

#include "base/gbk_text.h"

namespace tablora {

namespace {

std::size_t CharLength(std::string_view text, std::size_t pos) {
  return gbk::IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

/// Breaks one paragraph (no line feeds).
void WrapParagraph(std::string_view text, int width, const GridTextWrap::Measure& measure,
                   std::vector<std::string>& lines) {
  while (!text.empty()) {
    std::size_t fit = 0;        // bytes that fit on this line
    std::size_t lastBreak = 0;  // end of the last piece that may end a line
    for (std::size_t pos = 0; pos < text.size();) {
      const std::size_t next = pos + CharLength(text, pos);
      if (measure(text.substr(0, next)) > width && fit > 0) break;
      const bool doubleByte = next - pos == 2;
      if (text[pos] == ' ' || doubleByte) lastBreak = next;
      if (next < text.size() && gbk::IsLeadByte(static_cast<unsigned char>(text[next]))) {
        lastBreak = next;
      }
      fit = next;
      pos = next;
    }
    std::size_t cut = fit;
    if (fit < text.size() && text[fit] != ' ' && lastBreak > 0) cut = lastBreak;
    std::string_view line = text.substr(0, cut);
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    lines.emplace_back(line);
    text.remove_prefix(cut);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  }
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
