#include "model/sql_cursor.h"

#include "base/gbk_text.h"

namespace tablora {

namespace {
using gbk::IsSpace;
bool IsNameByte(unsigned char c) { return gbk::IsSqlNameByte(c); }
char Lower(char c) { return gbk::LowerAscii(c); }
}  // namespace

std::size_t SqlCursor::SkipQuoted(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return pos;
  const char c = text[pos];
  if (c == '\'') {
    std::size_t i = pos + 1;
    while (i < text.size()) {
      if (text[i] == '\'') {
        if (i + 1 < text.size() && text[i + 1] == '\'') {
          i += 2;
          continue;
        }
        return i + 1;
      }
      ++i;
    }
    return text.size();
  }
  if (c == '"' || c == '[') {
    const char close = c == '"' ? '"' : ']';
    std::size_t i = pos + 1;
    while (i < text.size() && text[i] != '\n') {
      if (text[i] == close) {
        // Inside brackets "]]" is a "]" of the name.
        if (c != '[' || i + 1 >= text.size() || text[i + 1] != ']') return i + 1;
        i += 2;
        continue;
      }
      i += c == '[' ? gbk::CharSize(text, i) : 1;
    }
    return pos + 1;  // an unclosed name is a plain character
  }
  if (c == '-' && pos + 1 < text.size() && text[pos + 1] == '-') {
    const std::size_t nl = text.find('\n', pos);
    return nl == std::string_view::npos ? text.size() : nl;
  }
  return pos;
}

std::size_t SqlCursor::MatchingParen(std::string_view text, std::size_t open) {
  std::size_t depth = 0;
  bool unbalanced = false;
  const std::size_t close = FindInCode(text, open, [&](std::size_t i) {
    if (text[i] == '(') {
      ++depth;
      return false;
    }
    if (text[i] != ')') return false;
    if (depth == 0) unbalanced = true;
    return depth == 0 || --depth == 0;
  });
  return unbalanced ? std::string_view::npos : close;
}

std::vector<std::string_view> SqlCursor::SplitTopLevel(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  std::size_t depth = 0;
  FindInCode(text, 0, [&](std::size_t i) {
    const char c = text[i];
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth > 0) --depth;
    } else if (c == separator && depth == 0) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
    return false;
  });
  parts.push_back(text.substr(start));
  return parts;
}

void SqlCursor::SkipSpace() {
  while (pos_ < text_.size()) {
    if (IsSpace(text_[pos_])) {
      ++pos_;
    } else if (text_.compare(pos_, 2, "--") == 0) {
      pos_ = SkipQuoted(text_, pos_);
    } else if (text_.compare(pos_, 2, "/*") == 0) {
      const std::size_t close = text_.find("*/", pos_ + 2);
      pos_ = close == std::string_view::npos ? text_.size() : close + 2;
    } else {
      break;
    }
  }
}

bool SqlCursor::Keyword(std::string_view keyword) {
  SkipSpace();
  std::size_t i = pos_;
  for (std::size_t k = 0; k < keyword.size(); ++k) {
    if (keyword[k] == ' ') {
      if (i >= text_.size() || !IsSpace(text_[i])) return false;
      while (i < text_.size() && IsSpace(text_[i])) ++i;
      continue;
    }
    if (i >= text_.size() || Lower(text_[i]) != Lower(keyword[k])) return false;
    ++i;
  }
  if (i < text_.size() && IsNameByte(static_cast<unsigned char>(text_[i])) &&
      IsNameByte(static_cast<unsigned char>(keyword.back()))) {
    return false;
  }
  pos_ = i;
  return true;
}

bool SqlCursor::Char(char c) {
  SkipSpace();
  if (pos_ < text_.size() && text_[pos_] == c) {
    ++pos_;
    return true;
  }
  return false;
}

std::optional<std::string> SqlCursor::Name() {
  SkipSpace();
  if (pos_ >= text_.size()) return std::nullopt;
  const char c = text_[pos_];
  if (c == '[') {
    std::string name;
    std::size_t i = pos_ + 1;
    while (i < text_.size() && text_[i] != '\n') {
      const unsigned char b = static_cast<unsigned char>(text_[i]);
      if (gbk::IsLeadByte(b) && i + 1 < text_.size()) {
        const std::size_t size = gbk::CharSize(text_, i);
        name.append(text_.substr(i, size));
        i += size;
        continue;
      }
      if (b == ']') {
        if (i + 1 < text_.size() && text_[i + 1] == ']') {
          name += ']';
          i += 2;
          continue;
        }
        pos_ = i + 1;
        return name;
      }
      name += static_cast<char>(b);
      ++i;
    }
    return std::nullopt;
  }
  if (c == '"') {
    const std::size_t close = text_.find('"', pos_ + 1);
    if (close == std::string_view::npos) return std::nullopt;
    std::string name(text_.substr(pos_ + 1, close - pos_ - 1));
    pos_ = close + 1;
    return name;
  }
  std::size_t i = pos_;
  while (i < text_.size() && IsNameByte(static_cast<unsigned char>(text_[i]))) {
    i += gbk::CharSize(text_, i);
  }
  if (i == pos_) return std::nullopt;
  std::string name(text_.substr(pos_, i - pos_));
  pos_ = i;
  return name;
}

std::optional<std::vector<std::string>> SqlCursor::QualifiedNameParts() {
  auto name = Name();
  if (!name) return std::nullopt;
  std::vector<std::string> parts{std::move(*name)};
  while (true) {
    const std::size_t before = pos_;
    if (!Char('.')) break;
    auto next = Name();
    if (!next) {
      pos_ = before;
      break;
    }
    parts.push_back(std::move(*next));
  }
  return parts;
}

std::optional<std::string> SqlCursor::QualifiedName() {
  auto parts = QualifiedNameParts();
  if (!parts) return std::nullopt;
  return std::move(parts->back());
}

std::optional<std::string> SqlCursor::Parenthesised() {
  SkipSpace();
  if (pos_ >= text_.size() || text_[pos_] != '(') return std::nullopt;
  const std::size_t close = MatchingParen(text_, pos_);
  if (close == std::string_view::npos) return std::nullopt;
  std::string inside(text_.substr(pos_ + 1, close - pos_ - 1));
  pos_ = close + 1;
  return inside;
}

std::optional<std::vector<std::string>> SqlCursor::NameList() {
  const std::size_t start = pos_;
  auto inside = Parenthesised();
  if (!inside) return std::nullopt;
  std::vector<std::string> names;
  for (std::string_view item : SplitTopLevel(*inside, ',')) {
    SqlCursor itemCursor(item);
    if (auto name = itemCursor.Name()) names.push_back(*name);
  }
  if (names.empty()) {
    pos_ = start;
    return std::nullopt;
  }
  return names;
}

std::optional<std::string> SqlCursor::Literal() {
  SkipSpace();
  std::size_t i = pos_;
  if (i < text_.size() && (text_[i] == 'N' || text_[i] == 'n')) ++i;
  if (i >= text_.size() || text_[i] != '\'') return std::nullopt;
  std::string value;
  ++i;
  while (i < text_.size()) {
    if (text_[i] == '\'') {
      if (i + 1 < text_.size() && text_[i + 1] == '\'') {
        value += '\'';
        i += 2;
        continue;
      }
      pos_ = i + 1;
      return value;
    }
    value += text_[i++];
  }
  return std::nullopt;
}

}  // namespace tablora
