#include "convert/source_text.h"

#include "base/gbk_text.h"

namespace tablora::source_text {

namespace {
std::size_t CharLength(std::string_view text, std::size_t at) {
  return gbk::CharSize(text, at);
}
}  // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::size_t stop = end;
    if (end != text.size() && stop > start && text[stop - 1] == '\r') --stop;
    if (stop > start) lines.push_back(text.substr(start, stop - start));
    start = next;
  }
  return lines;
}

std::size_t Find(std::string_view text, std::string_view needle, std::size_t from) {
  if (needle.empty()) return from <= text.size() ? from : std::string_view::npos;
  const char first = needle[0];
  for (std::size_t i = from; i < text.size(); i += CharLength(text, i)) {
    if (text[i] == first && text.compare(i, needle.size(), needle) == 0) return i;
  }
  return std::string_view::npos;
}

std::size_t FindFirstOf(std::string_view text, std::string_view chars, std::size_t from) {
  for (std::size_t i = from; i < text.size(); i += CharLength(text, i)) {
    if (chars.find(text[i]) != std::string_view::npos) return i;
  }
  return std::string_view::npos;
}

std::size_t FindLast(std::string_view text, std::string_view needle, std::size_t last) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < text.size() && i <= last; i += CharLength(text, i)) {
    if (text.compare(i, needle.size(), needle) == 0) found = i;
  }
  return found;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t at = Find(text, from); at != std::string_view::npos;
       at = Find(text, from, start)) {
    out.append(text.substr(start, at - start)).append(to);
    start = at + from.size();
  }
  out.append(text.substr(start));
  return out;
}

std::string_view Trim(std::string_view text, std::string_view chars) {
  const std::size_t first = text.find_first_not_of(chars);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(chars);
  return text.substr(first, last - first + 1);
}

}  // namespace tablora::source_text
