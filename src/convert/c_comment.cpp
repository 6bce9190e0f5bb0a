#include "convert/c_comment.h"

#include "base/text_codec.h"
#include "convert/source_text.h"

namespace tablora {

namespace {
constexpr std::size_t npos = std::string_view::npos;

std::string_view LineAt(std::string_view text, std::size_t start, std::size_t end) {
  std::string_view line = text.substr(start, end - start);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

/// The comment text with line breaks removed and full-width colons as ":".
std::string Normalised(std::string_view text) {
  static const std::string kFullWidthColon = Cp936(u8"：");
  std::string plain;
  for (char c : text) {
    if (c != '\r' && c != '\n') plain += c;
  }
  return source_text::ReplaceAll(plain, kFullWidthColon, ":");
}
}  // namespace

bool CComment::onlyComment() const { return found && source_text::Trim(code).empty(); }

CComment CComment::OfLine(std::string_view line) {
  CComment result;
  const std::size_t slashes = source_text::Find(line, "//");
  const std::size_t block = source_text::Find(line, "/*");
  if (slashes == npos && block == npos) {
    result.code = std::string(line);
    return result;
  }
  result.found = true;
  if (block == npos || (slashes != npos && slashes < block)) {
    result.text = std::string(source_text::Trim(line.substr(slashes + 2), " \t"));
    result.code = std::string(line.substr(0, slashes));
    return result;
  }
  const std::size_t close = source_text::Find(line, "*/", block + 2);
  const std::size_t end = close == npos ? line.size() : close;
  result.text = std::string(source_text::Trim(line.substr(block + 2, end - block - 2), " \t"));
  result.code = std::string(line.substr(0, block));
  if (close != npos) result.code += line.substr(close + 2);
  return result;
}

std::string CComment::ForLineAt(std::string_view text, std::size_t position) {
  const std::size_t lineFeed = position == 0 ? npos : text.rfind('\n', position - 1);
  const std::size_t start = lineFeed == npos ? 0 : lineFeed + 1;
  std::size_t end = text.find('\n', position);
  if (end == npos) end = text.size();
  const CComment own = OfLine(LineAt(text, start, end));
  if (own.found) return own.text;
  if (start == 0) return {};
  const std::size_t aboveFeed = start < 2 ? npos : text.rfind('\n', start - 2);
  const std::size_t aboveStart = aboveFeed == npos ? 0 : aboveFeed + 1;
  const CComment above = OfLine(LineAt(text, aboveStart, start - 1));
  return above.onlyComment() ? above.text : std::string();
}

TableComment TableComment::Parse(std::string_view text) {
  static const std::string kGroupMarker = Cp936(u8"(组)");
  const std::string plain = Normalised(text);
  TableComment result;
  const std::size_t marker = source_text::Find(plain, kGroupMarker);
  const std::string_view head =
      std::string_view(plain).substr(0, marker == npos ? plain.size() : marker);
  if (marker != npos) result.group = plain.substr(marker + kGroupMarker.size());
  const std::size_t colon = source_text::Find(head, ":");
  if (colon != npos) result.displayName = std::string(head.substr(0, colon));
  result.comment = source_text::ReplaceAll(colon == npos ? head : head.substr(colon + 1), ":", "-");
  return result;
}

MemberComment MemberComment::Parse(std::string_view text) {
  const std::string plain = Normalised(text);
  MemberComment result;
  const std::size_t colon = source_text::Find(plain, ":");
  if (colon != npos) result.displayName = plain.substr(0, colon);
  result.note = source_text::ReplaceAll(
      colon == npos ? std::string_view(plain) : std::string_view(plain).substr(colon + 1), ":",
      "-");
  return result;
}

}  // namespace tablora
