#include "doc/sheet_names.h"

#include "base/gbk_text.h"

namespace tablora {

namespace {

/// The byte length of a UTF-8 sequence that starts with `lead`.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0xC0) return 1;
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  return 4;
}

/// The longest prefix of `name` of at most `units` UTF-16 units, cut between characters.
std::string CutToUnits(const std::string& name, std::size_t units) {
  std::size_t used = 0;
  std::size_t i = 0;
  while (i < name.size()) {
    const std::size_t length = SequenceLength(static_cast<unsigned char>(name[i]));
    const std::size_t need = length == 4 ? 2 : 1;
    if (used + need > units) break;
    used += need;
    i += length;
  }
  return name.substr(0, std::min(i, name.size()));
}

}  // namespace

std::string SheetNames::Add(std::string_view wanted) {
  std::string base;
  for (const char c : wanted) {
    const bool forbidden = c == '\\' || c == '/' || c == '?' || c == '*' || c == '[' ||
                           c == ']' || c == ':' || static_cast<unsigned char>(c) < 0x20;
    base += forbidden ? '_' : c;
  }
  if (!base.empty() && base.front() == '\'') base.front() = '_';
  base = CutToUnits(base, kMaxLength);
  if (!base.empty() && base.back() == '\'') base.back() = '_';
  if (base.empty()) base = "Sheet";
  std::string name = base;
  // "History" is kept by the spreadsheet programs for themselves.
  for (int n = 2; gbk::EqualsIgnoreCase(name, "History") ||
                  !taken_.insert(gbk::ToLowerAscii(name)).second;
       ++n) {
    const std::string suffix = "~" + std::to_string(n);
    std::string cut = CutToUnits(base, kMaxLength - suffix.size());
    if (!cut.empty() && cut.back() == '\'') cut.back() = '_';
    name = cut + suffix;
  }
  return name;
}

}  // namespace tablora
