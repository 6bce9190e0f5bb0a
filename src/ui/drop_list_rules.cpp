#include "ui/drop_list_rules.h"

#include <algorithm>

#include "base/gbk_text.h"

namespace tablora {

namespace {

/// The common Chinese characters of code page 936 (lead bytes 0xB0 to 0xD7) are ordered by
/// reading: each entry is the first character whose reading starts with the letter.
struct InitialStart {
  unsigned code;
  char letter;
};
constexpr InitialStart kInitialStarts[] = {
    {0xB0A1, 'a'}, {0xB0C5, 'b'}, {0xB2C1, 'c'}, {0xB4EE, 'd'}, {0xB6EA, 'e'}, {0xB7A2, 'f'},
    {0xB8C1, 'g'}, {0xB9FE, 'h'}, {0xBBF7, 'j'}, {0xBFA6, 'k'}, {0xC0AC, 'l'}, {0xC2E8, 'm'},
    {0xC4C3, 'n'}, {0xC5B6, 'o'}, {0xC5BE, 'p'}, {0xC6DA, 'q'}, {0xC8BB, 'r'}, {0xC8F6, 's'},
    {0xCBFA, 't'}, {0xCDDA, 'w'}, {0xCEF4, 'x'}, {0xD1B9, 'y'}, {0xD4D1, 'z'}};
constexpr unsigned kLastCommon = 0xD7F9;

/// The reading initial of a double-byte character, or 0 outside the common characters.
char InitialOf(unsigned char lead, unsigned char trail) {
  const unsigned code = (static_cast<unsigned>(lead) << 8) | trail;
  if (code < kInitialStarts[0].code || code > kLastCommon || trail < 0xA1) return 0;
  char letter = 0;
  for (const InitialStart& start : kInitialStarts) {
    if (code < start.code) break;
    letter = start.letter;
  }
  return letter;
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

int DropListRules::ShownItems(int count) { return std::clamp(count, 0, kMostShownItems); }

DropPlacement DropListRules::Place(const PixelRect& cell, int width, int items, int itemHeight,
                                   int frame, const PixelRect& screen) {
  itemHeight = std::max(1, itemHeight);
  int shown = ShownItems(items);
  const auto heightFor = [&](int count) { return count * itemHeight + 2 * frame; };
  const int below = screen.bottom() - cell.bottom();
  const int above = cell.y - screen.y;
  bool downwards = true;
  if (heightFor(shown) > below) {
    if (heightFor(shown) <= above) {
      downwards = false;
    } else {
      downwards = below >= above;
      const int room = downwards ? below : above;
      shown = std::clamp((room - 2 * frame) / itemHeight, std::min(shown, 1), shown);
    }
  }
  const int height = heightFor(shown);
  int x = cell.x;
  if (x + width > screen.right()) x = screen.right() - width;
  x = std::max(x, screen.x);
  const int y = downwards ? cell.bottom() : cell.y - height;
  return DropPlacement{PixelRect{x, y, width, height}, shown};
}

std::string DropListRules::Initials(const std::string& text) {
  std::string initials;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (gbk::IsLeadByte(c) && i + 1 < text.size()) {
      const char letter = InitialOf(c, static_cast<unsigned char>(text[i + 1]));
      if (letter == 0) break;
      initials += letter;
      ++i;
    } else if (gbk::IsWordChar(c) && c != '_') {
      initials += gbk::LowerAscii(static_cast<char>(c));
    } else {
      break;
    }
  }
  return initials;
}

TypeAheadMatch DropListRules::TypeAhead(const std::vector<std::string>& items,
                                        const std::string& typed) {
  if (typed.empty()) return {};
  const std::string wanted = gbk::ToLowerAscii(typed);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (gbk::ToLowerAscii(items[i]).compare(0, wanted.size(), wanted) == 0) {
      return TypeAheadMatch{static_cast<int>(i), false};
    }
  }
  if (!std::all_of(typed.begin(), typed.end(), IsAsciiLetter)) return {};
  // Only items with Chinese characters have initials other than their own letters.
  const auto byInitials = [&items](const std::string& letters) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      const bool chinese = std::any_of(items[i].begin(), items[i].end(),
                                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
      if (chinese && Initials(items[i]).compare(0, letters.size(), letters) == 0) {
        return TypeAheadMatch{static_cast<int>(i), true};
      }
    }
    return TypeAheadMatch{};
  };
  const TypeAheadMatch all = byInitials(wanted);
  // Letters that name no item together pick again by the last one ("sf": 否).
  return all.index >= 0 || wanted.size() == 1 ? all : byInitials(wanted.substr(wanted.size() - 1));
}

}  // namespace tablora
