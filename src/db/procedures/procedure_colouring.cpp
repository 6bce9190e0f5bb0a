#include "db/procedures/procedure_colouring.h"

#include "base/gbk_text.h"

namespace tablora {

namespace {

/// The text's characters: where each starts, and which character each byte belongs to.
class CharMap {
 public:
  explicit CharMap(const std::string& text) : charOf_(text.size()) {
    for (std::size_t i = 0; i < text.size();) {
      const std::size_t width = gbk::CharSize(text, i);
      for (std::size_t k = 0; k < width; ++k) charOf_[i + k] = static_cast<int>(starts_.size());
      starts_.push_back(i);
      i += width;
    }
  }
  int count() const { return static_cast<int>(starts_.size()); }
  int CharOf(std::size_t byte) const { return byte < charOf_.size() ? charOf_[byte] : count(); }
  bool IsStart(std::size_t byte) const {
    return byte < charOf_.size() && starts_[charOf_[byte]] == byte;
  }
  /// The first byte of the character before the one at `byte` (which starts one).
  std::size_t PreviousStart(std::size_t byte) const { return starts_[charOf_[byte] - 1]; }

 private:
  std::vector<int> charOf_;
  std::vector<std::size_t> starts_;
};

/// True when a letter, digit or "_" starts at `byte` (a double-byte character is none).
bool IsWordAt(const std::string& text, const CharMap& chars, std::size_t byte) {
  return byte < text.size() && chars.IsStart(byte) &&
         gbk::IsWordChar(static_cast<unsigned char>(text[byte]));
}

void Paint(std::vector<TextColour>& colours, const CharMap& chars, std::size_t from, std::size_t to,
           TextColour colour) {
  for (int c = chars.CharOf(from); c < chars.CharOf(to) && c < chars.count(); ++c)
    colours[c] = colour;
}

void PaintWords(const std::string& lower, const CharMap& chars,
                const std::vector<std::string>& words, TextColour colour,
                std::vector<TextColour>& colours) {
  for (const std::string& spelled : words) {
    const std::string word = gbk::ToLowerAscii(spelled);
    if (word.empty()) continue;
    for (std::size_t at = lower.find(word); at != std::string::npos;
         at = lower.find(word, at + 1)) {
      if (!chars.IsStart(at)) continue;
      // A double-byte character before or after is no part of a word.
      const bool wordBefore = at > 0 && IsWordAt(lower, chars, chars.PreviousStart(at));
      const bool wordAfter = IsWordAt(lower, chars, at + word.size());
      if (!wordBefore && !wordAfter) Paint(colours, chars, at, at + word.size(), colour);
    }
  }
}

}  // namespace

std::vector<ColourRun> ProcedureColouring::Runs(const std::string& text,
                                                const std::vector<std::string>& dataTypes,
                                                const std::vector<std::string>& keywords) {
  const CharMap chars(text);
  const std::string lower = gbk::ToLowerAscii(text);
  std::vector<TextColour> colours(chars.count(), TextColour::kPlain);
  PaintWords(lower, chars, dataTypes, TextColour::kDataType, colours);
  PaintWords(lower, chars, keywords, TextColour::kKeyword, colours);
  // "-", "/", "*" and "\n" are never the second byte of a double-byte character.
  for (std::size_t at = text.find("--"); at != std::string::npos; at = text.find("--", at)) {
    const std::size_t end = text.find('\n', at);
    Paint(colours, chars, at, end == std::string::npos ? text.size() : end, TextColour::kComment);
    if (end == std::string::npos) break;
    at = end + 1;
  }
  for (std::size_t at = text.find("/*"); at != std::string::npos; at = text.find("/*", at)) {
    const std::size_t end = text.find("*/", at + 2);
    if (end == std::string::npos) break;
    Paint(colours, chars, at, end + 2, TextColour::kComment);
    at = end + 2;
  }

  std::vector<ColourRun> runs;
  for (int c = 0; c < chars.count();) {
    int end = c + 1;
    while (end < chars.count() && colours[end] == colours[c]) ++end;
    if (colours[c] != TextColour::kPlain) runs.push_back({c, end - c, colours[c]});
    c = end;
  }
  return runs;
}

}  // namespace tablora
