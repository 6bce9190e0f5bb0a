#include "base/settings.h"

#include "base/ini_file.h"

namespace tablora {

namespace {
const std::vector<std::string>& EmptyList() {
  static const std::vector<std::string> empty;
  return empty;
}

std::string LookupOr(const TextMap& map, const std::string& key, const std::string& fallback) {
  const auto it = map.find(key);
  return it == map.end() ? fallback : it->second;
}

int WidthOf(const TextMap& map, const std::string& key) {
  const auto it = map.find(key);
  return it == map.end() ? -1 : IniFile::ParseInt(it->second);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}
}  // namespace

std::string Settings::LookupCType(const std::string& designType) const {
  return LookupOr(typeC, designType, designType);
}

std::string Settings::LookupCPrefix(const std::string& cType, int length) const {
  const auto it = prefixC.find(cType);
  if (it == prefixC.end()) return {};
  return length > 0 ? "a" + it->second : it->second;
}

std::string Settings::LookupJavaType(const std::string& designType) const {
  return LookupOr(typeJava, designType, designType);
}

std::string Settings::LookupJavaPrefix(const std::string& javaType) const {
  return LookupOr(prefixJava, javaType, std::string());
}

std::string Settings::LookupOdbcType(const std::string& designType) const {
  return LookupOr(typeOdbc, designType, designType);
}

int Settings::GridColumnWidth(const std::string& caption) const {
  return WidthOf(gridWidths, caption);
}

int Settings::StyleWordWidth(const std::string& word) const { return WidthOf(columnWidths, word); }

std::vector<Settings::StyleWord> Settings::SplitCurrentColumnStyle() const {
  std::vector<StyleWord> words;
  if (currentColumnStyle < 1 || currentColumnStyle > static_cast<int>(columnStyles.size())) {
    return words;
  }
  const std::string& entry = columnStyles[currentColumnStyle - 1];
  if (entry.empty()) return words;
  std::size_t start = 0;
  while (start <= entry.size()) {
    std::size_t end = entry.find(' ', start);
    if (end == std::string::npos) end = entry.size();
    std::string word = entry.substr(start, end - start);
    const auto last = word.find_last_not_of(" \t\r\n");
    word.erase(last == std::string::npos ? 0 : last + 1);
    words.push_back({word, StyleWordWidth(word)});
    start = end + 1;
  }
  return words;
}

const std::vector<std::string>& Settings::DataTypes(int databaseKind) const {
  if (databaseKind < 0 || databaseKind >= kDataTypeSlots) return EmptyList();
  return dataTypeLists[databaseKind];
}

const std::vector<std::string>& Settings::DropDownItems(int column) const {
  if (column < 0 || column + 1 >= kDropDownSlots) return EmptyList();
  return dropDownLists[column + 1];
}

bool Settings::HasDropDown(int column) const {
  if (column <= 0) return false;
  for (int n : dropDownColumns) {
    if (n == column + 1) return true;
  }
  return false;
}

std::string Settings::YesText(int column) const {
  if (column < 0 || column + 1 >= kDropDownSlots) return {};
  const auto& items = dropDownLists[column + 1];
  return items.size() >= 2 ? items[1] : std::string();
}

std::string Settings::NoText(int column) const {
  if (column < 0 || column + 1 >= kDropDownSlots) return {};
  const auto& items = dropDownLists[column + 1];
  return items.empty() ? std::string() : items[0];
}

Rgb Settings::ParseColour(std::string_view text) {
  char digits[6] = {'0', '0', '0', '0', '0', '0'};
  for (std::size_t i = 0; i < 6 && i < text.size(); ++i) digits[i] = text[i];
  auto byteAt = [&](int i) {
    return static_cast<std::uint8_t>(HexDigit(digits[i]) * 16 + HexDigit(digits[i + 1]));
  };
  return {byteAt(0), byteAt(2), byteAt(4)};
}

}  // namespace tablora
