#include "base/gbk_text.h"

namespace tablora::gbk {

std::string CutToBytes(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return std::string(text);
  std::size_t i = 0;
  while (i < maxBytes) {
    const std::size_t step = CharSize(text, i);
    if (i + step > maxBytes) break;
    i += step;
  }
  return std::string(text.substr(0, i));
}

std::size_t CharIndex(std::string_view text, std::size_t bytePos) {
  std::size_t chars = 0;
  std::size_t i = 0;
  const std::size_t end = bytePos < text.size() ? bytePos : text.size();
  while (i < end) {
    i += CharSize(text, i);
    ++chars;
  }
  return chars;
}

namespace {
template <char (*Fold)(char)>
std::string FoldCase(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const std::size_t size = CharSize(out, i);
    if (size > 1) {
      i += size - 1;  // the later bytes of a character may look like letters or digits
      continue;
    }
    out[i] = Fold(out[i]);
  }
  return out;
}
}  // namespace

std::string ToLowerAscii(std::string_view text) { return FoldCase<LowerAscii>(text); }
std::string ToUpperAscii(std::string_view text) { return FoldCase<UpperAscii>(text); }

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && ToLowerAscii(a) == ToLowerAscii(b);
}

std::string TrimChars(std::string_view text, std::string_view chars) {
  const auto first = text.find_first_not_of(chars);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(chars);
  return std::string(text.substr(first, last - first + 1));
}

std::string Trim(std::string_view text) { return TrimChars(text, " \t\r\n"); }

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (true) {
    const auto hit = text.find(from, pos);
    if (hit == std::string_view::npos || from.empty()) break;
    out.append(text.substr(pos, hit - pos));
    out.append(to);
    pos = hit + from.size();
  }
  out.append(text.substr(pos));
  return out;
}

}  // namespace tablora::gbk
