#include "base/ini_file.h"

#include <algorithm>
#include <climits>
#include <string>
#include <utility>

#include "base/gbk_text.h"
#include "base/text_file.h"

namespace tablora {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view TrimBlanks(std::string_view text) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

/// The lookup form of a section or key name: trimmed, ASCII letters folded to lower case.
std::string Fold(std::string_view name) { return gbk::ToLowerAscii(TrimBlanks(name)); }

/// The last "]" of text at or after `from` that is a character of its own, not the second
/// byte of a double-byte character; npos when there is none.
std::size_t LastCloseBracket(std::string_view text, std::size_t from) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = from; i < text.size(); ++i) {
    if (gbk::IsLeadByte(static_cast<unsigned char>(text[i]))) {
      i += gbk::CharSize(text, i) - 1;
    } else if (text[i] == ']') {
      found = i;
    }
  }
  return found;
}

/// A name or value as one line of the file: line breaks become blanks.
std::string OneLine(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return out;
}
}  // namespace

IniFile::IniFile() { Index(); }

IniFile IniFile::FromBytes(std::string bytes) {
  IniFile ini;
  ini.bytes_ = std::move(bytes);
  ini.Index();
  return ini;
}

IniFile IniFile::Load(const std::string& path, bool* ok) {
  std::string bytes;
  const bool read = TextFile::ReadBytes(path, bytes);
  if (ok) *ok = read;
  return read ? FromBytes(std::move(bytes)) : IniFile();
}

void IniFile::Index() {
  sections_.clear();
  sectionIndex_.clear();
  const std::string_view text(bytes_);
  std::size_t pos = 0;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") pos = 3;  // a UTF-8 byte-order mark is not text
  sections_.push_back(Section{pos, false, {}});
  sectionIndex_.emplace(std::string(), 0);
  std::size_t current = 0;
  while (pos < text.size()) {
    const std::size_t newline = text.find('\n', pos);
    const bool open = newline == std::string_view::npos;
    const std::size_t next = open ? text.size() : newline + 1;
    std::size_t b = pos;
    std::size_t e = open ? text.size() : newline;
    pos = next;
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    if (b == e) continue;
    if (text[b] == '[') {
      const std::size_t close = LastCloseBracket(text.substr(0, e), b + 1);
      if (close != std::string_view::npos) {
        current = sections_.size();
        sections_.push_back(Section{next, open, {}});
        sectionIndex_.emplace(Fold(text.substr(b + 1, close - b - 1)), current);
        continue;
      }
    }
    Section& section = sections_[current];
    section.insertAt = next;
    section.lastLineOpen = open;
    if (text[b] == ';') continue;
    const std::size_t equals = text.substr(0, e).find('=', b);
    if (equals == std::string_view::npos) continue;
    std::size_t valueBegin = equals + 1;
    while (valueBegin < e && IsBlank(text[valueBegin])) ++valueBegin;
    section.keys.emplace(Fold(text.substr(b, equals - b)), Entry{valueBegin, e});
  }
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  const auto it = sectionIndex_.find(Fold(name));
  return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const IniFile::Entry* IniFile::Find(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (!s) return nullptr;
  const auto it = s->keys.find(Fold(key));
  return it == s->keys.end() ? nullptr : &it->second;
}

std::string IniFile::GetString(std::string_view section, std::string_view key,
                               std::string_view defaultValue, std::size_t bufferSize) const {
  if (bufferSize == 0) return {};
  std::string_view text;
  if (const Entry* entry = Find(section, key)) {
    text = std::string_view(bytes_).substr(entry->valueBegin, entry->valueEnd - entry->valueBegin);
  } else {
    text = defaultValue;
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  }
  return gbk::CutToBytes(text, bufferSize - 1);
}

int IniFile::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
  const Entry* entry = Find(section, key);
  if (!entry || entry->valueBegin == entry->valueEnd) return defaultValue;
  return ParseInt(
      std::string_view(bytes_).substr(entry->valueBegin, entry->valueEnd - entry->valueBegin));
}

int IniFile::ParseInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  const long long limit = static_cast<long long>(INT_MAX) + 1;
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min(value * 10 + (text[i] - '0'), limit);
  }
  if (negative) return static_cast<int>(-value);
  return static_cast<int>(std::min<long long>(value, INT_MAX));
}

std::size_t IniFile::KeyCount(std::string_view section) const {
  const Section* s = FindSection(section);
  return s ? s->keys.size() : 0;
}

std::string IniFile::LineEnd() const {
  const std::size_t newline = bytes_.find('\n');
  if (newline == std::string::npos) return "\r\n";
  return newline > 0 && bytes_[newline - 1] == '\r' ? "\r\n" : "\n";
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  const std::string sectionName = OneLine(section);
  const std::string keyName = OneLine(key);
  const std::string line = OneLine(value);
  if (const Entry* entry = Find(sectionName, keyName)) {
    bytes_.replace(entry->valueBegin, entry->valueEnd - entry->valueBegin, line);
  } else {
    const std::string eol = LineEnd();
    const std::string keyLine = std::string(TrimBlanks(keyName)) + "=" + line + eol;
    if (const Section* s = FindSection(sectionName)) {
      bytes_.insert(s->insertAt, (s->lastLineOpen ? eol : std::string()) + keyLine);
    } else {
      if (!bytes_.empty() && bytes_.back() != '\n') bytes_ += eol;
      bytes_ += "[" + std::string(TrimBlanks(sectionName)) + "]" + eol + keyLine;
    }
  }
  Index();
}

void IniFile::WriteInt(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

bool IniFile::Save(const std::string& path, std::string* error) const {
  return TextFile::WriteBytes(path, bytes_, error);
}

}  // namespace tablora
