#include "model/table_body_scanner.h"

#include "base/gbk_text.h"

namespace tablora {

namespace {

// Bodies beyond these take the whole pattern, whose matcher gives up on long or deeply
// nested bodies with an error of its own; under them it never does.
constexpr std::ptrdiff_t kLongestBody = 16 * 1024;
constexpr int kDeepestNesting = 32;

bool IsLead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
bool IsTrail(unsigned char c) { return c >= 0x40 && c <= 0xFE; }

/// A byte that ends a run of ordinary characters: ( ) ' " - [ and lead bytes.
bool EndsRun(unsigned char c) {
  return c == '(' || c == ')' || c == '\'' || c == '"' || c == '-' || c == '[' || IsLead(c);
}

/// Where a bracketed name, literal or quoted name that starts at `p` ends: `next` past
/// it, or null when it does not close (its first byte is then taken alone); `ranOut`
/// when the scan reached `limit` before it could tell.
struct Element {
  const char* next = nullptr;
  bool ranOut = false;
};

/// "[...]": bytes other than [ ] and line feeds, whole multi-byte characters and "]]" (a
/// "]" of the name), then "]".
Element Bracketed(const char* p, const char* limit) {
  for (++p; p < limit;) {
    const auto c = static_cast<unsigned char>(*p);
    if (c == ']') {
      if (p + 1 >= limit) break;
      if (p[1] != ']') return {p + 1};
      p += 2;
      continue;
    }
    if (c == '[' || c == '\n') return {};
    if (!IsLead(c)) {
      ++p;
    } else if (p + 1 >= limit) {
      break;
    } else if (IsTrail(static_cast<unsigned char>(p[1]))) {
      p += 2;
    } else if (gbk::IsFourByteAt(std::string_view(p, static_cast<std::size_t>(limit - p)), 0)) {
      p += 4;
    } else if (limit - p < 4 && gbk::IsFourByteDigit(static_cast<unsigned char>(p[1]))) {
      break;  // perhaps a four-byte character cut by the limit
    } else {
      return {};
    }
  }
  return {nullptr, true};
}

/// '...' with doubled apostrophes, across lines.
Element Literal(const char* p, const char* limit) {
  for (++p; p < limit; ++p) {
    if (*p != '\'') continue;
    if (p + 1 >= limit) break;
    if (p[1] != '\'') return {p + 1};
    ++p;
  }
  return {nullptr, true};
}

/// "..." within one line.
Element Quoted(const char* p, const char* limit) {
  for (++p; p < limit; ++p) {
    if (*p == '"') return {p + 1};
    if (*p == '\n') return {};
  }
  return {nullptr, true};
}

}  // namespace

std::string_view TableBodyScanner::Rule() {
  return R"re(((?:[^()'"\-\[\x81-\xFE]++|(?:[\x81-\xFE](?:[\x40-\xFE]|[\x30-\x39][\x81-\xFE][\x30-\x39]))++|\[(?:[^\[\]\n\x81-\xFE]++|[\x81-\xFE](?:[\x40-\xFE]|[\x30-\x39][\x81-\xFE][\x30-\x39])|\]\])*+\]|'(?:[^']++|'')*+'|"[^"\n]*+"|--[^\n]*|[-'"\[\x81-\xFE]|(\((?:[^()'"\-\[\x81-\xFE]++|(?:[\x81-\xFE](?:[\x40-\xFE]|[\x30-\x39][\x81-\xFE][\x30-\x39]))++|\[(?:[^\[\]\n\x81-\xFE]++|[\x81-\xFE](?:[\x40-\xFE]|[\x30-\x39][\x81-\xFE][\x30-\x39])|\]\])*+\]|'(?:[^']++|'')*+'|"[^"\n]*+"|--[^\n]*|[-'"\[\x81-\xFE]|(?10))*+\)))*+)\))re";
}

std::optional<std::string> TableBodyScanner::HeadOf(std::string_view pattern) {
  const std::string_view rule = Rule();
  if (pattern.size() <= rule.size() || pattern.substr(pattern.size() - rule.size()) != rule)
    return std::nullopt;
  return std::string(pattern.substr(0, pattern.size() - rule.size()));
}

const char* TableBodyScanner::FindEnd(const char* begin, const char* end) {
  // Past `limit` the body is too long to take on; an element reaching it cannot be told.
  const char* const limit = end - begin > kLongestBody ? begin + kLongestBody : end;
  // Each element as the rule tries them. A nested "(" counts until its ")"; one that never
  // closes stops the body before it, where no ")" can end it.
  int depth = 0;
  const char* p = begin;
  while (p < limit) {
    const auto c = static_cast<unsigned char>(*p);
    if (!EndsRun(c)) {
      ++p;
    } else if (IsLead(c)) {
      if (p + 1 >= limit) return nullptr;
      if (IsTrail(static_cast<unsigned char>(p[1]))) {
        p += 2;
      } else if (gbk::IsFourByteAt(std::string_view(p, static_cast<std::size_t>(limit - p)), 0)) {
        p += 4;
      } else {
        ++p;
      }
    } else if (c == '[' || c == '\'' || c == '"') {
      const Element element = c == '['    ? Bracketed(p, limit)
                              : c == '\'' ? Literal(p, limit)
                                          : Quoted(p, limit);
      if (element.ranOut) return nullptr;
      p = element.next ? element.next : p + 1;
    } else if (c == '-') {
      if (p + 1 >= limit) return nullptr;
      if (p[1] != '-') {
        ++p;
        continue;
      }
      while (p < limit && *p != '\n') ++p;
    } else if (c == '(') {
      if (++depth > kDeepestNesting) return nullptr;
      ++p;
    } else {  // ')'
      if (depth == 0) return p;
      --depth;
      ++p;
    }
  }
  return nullptr;
}

}  // namespace tablora
