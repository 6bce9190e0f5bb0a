#include "gen/code_names.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <unordered_set>

#include "base/gbk_text.h"
#include "base/text_codec.h"

namespace tablora {

namespace {

constexpr std::string_view kCWords[] = {
    "_Alignas", "_Alignof", "_Atomic", "_BitInt", "_Bool", "_Complex", "_Decimal128",
    "_Decimal32", "_Decimal64", "_Generic", "_Imaginary", "_Noreturn", "_Pragma",
    "_Static_assert", "_Thread_local", "alignas", "alignof", "asm", "auto", "bool", "break",
    "case", "char", "const", "constexpr", "continue", "default", "do", "double", "else",
    "enum", "extern", "false", "float", "for", "goto", "if", "inline", "int", "long",
    "nullptr", "register", "restrict", "return", "short", "signed", "sizeof", "static",
    "static_assert", "struct", "switch", "thread_local", "true", "typedef", "typeof",
    "typeof_unqual", "union", "unsigned", "void", "volatile", "while"};

/// With g++'s default GNU dialect "typeof" is a keyword too.
constexpr std::string_view kCppWords[] = {
    "_Pragma", "alignas", "alignof", "and", "and_eq", "asm", "auto", "bitand", "bitor", "bool",
    "break", "case", "catch", "char", "char16_t", "char32_t", "char8_t", "class", "co_await",
    "co_return", "co_yield", "compl", "concept", "const", "const_cast", "consteval",
    "constexpr", "constinit", "continue", "decltype", "default", "delete", "do", "double",
    "dynamic_cast", "else", "enum", "explicit", "export", "extern", "false", "float", "for",
    "friend", "goto", "if", "inline", "int", "long", "mutable", "namespace", "new",
    "noexcept", "not", "not_eq", "nullptr", "operator", "or", "or_eq", "private",
    "protected", "public", "register", "reinterpret_cast", "requires", "return", "short",
    "signed", "sizeof", "static", "static_assert", "static_cast", "struct", "switch",
    "template", "this", "thread_local", "throw", "true", "try", "typedef", "typeid",
    "typename", "typeof", "union", "unsigned", "using", "virtual", "void", "volatile", "wchar_t",
    "while", "xor", "xor_eq"};

constexpr std::string_view kJavaWords[] = {
    "_", "abstract", "assert", "boolean", "break", "byte", "case", "catch", "char", "class",
    "const", "continue", "default", "do", "double", "else", "enum", "extends", "false",
    "final", "finally", "float", "for", "goto", "if", "implements", "import", "instanceof",
    "int", "interface", "long", "native", "new", "null", "package", "private", "protected",
    "public", "return", "short", "static", "strictfp", "super", "switch", "synchronized",
    "this", "throw", "throws", "transient", "true", "try", "void", "volatile", "while"};
/// Names Java refuses for a type only.
constexpr std::string_view kJavaTypeWords[] = {"permits", "record", "sealed", "var", "yield"};

template <std::size_t N>
bool Contains(const std::string_view (&words)[N], std::string_view name) {
  return std::find(std::begin(words), std::end(words), name) != std::end(words);
}

bool IsReserved(std::string_view name, CodeLanguage language, bool typeName) {
  switch (language) {
    case CodeLanguage::kC:
      return Contains(kCWords, name);
    case CodeLanguage::kCpp:
      return Contains(kCppWords, name);
    case CodeLanguage::kJava:
      return Contains(kJavaWords, name) || (typeName && Contains(kJavaTypeWords, name));
  }
  return false;
}

/// The Unicode code point of one code page 936 double-byte character; 0 when it has none.
char32_t CodePoint(char lead, char trail) {
  const std::string utf8 = TextCodec::Cp936ToUtf8(std::string{lead, trail});
  const auto* b = reinterpret_cast<const unsigned char*>(utf8.data());
  if (utf8.size() == 2 && (b[0] & 0xE0) == 0xC0) return ((b[0] & 0x1Fu) << 6) | (b[1] & 0x3Fu);
  if (utf8.size() == 3 && (b[0] & 0xF0) == 0xE0)
    return ((b[0] & 0x0Fu) << 12) | ((b[1] & 0x3Fu) << 6) | (b[2] & 0x3Fu);
  return 0;
}

/// The letters of code page 936 that C (gcc 10 and later), C++ and Java all take in a
/// name, also as its first character: ideographs, kana, bopomofo, Greek, Cyrillic, Latin
/// letters with marks and the full-width Latin letters. Punctuation and symbols are not.
bool IsLetter(char32_t c) {
  return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) ||
         (c >= 0xF900 && c <= 0xFAFF) || c == 0x3005 || c == 0x3007 ||
         (c >= 0x3041 && c <= 0x3096) || (c >= 0x30A1 && c <= 0x30FA) ||
         (c >= 0x3105 && c <= 0x312F) || (c >= 0x0391 && c <= 0x03A9) ||
         (c >= 0x03B1 && c <= 0x03C9) || c == 0x0401 || (c >= 0x0410 && c <= 0x044F) ||
         c == 0x0451 || (c >= 0x00C0 && c <= 0x024F && c != 0x00D7 && c != 0x00F7) ||
         c == 0x0251 || c == 0x0261 || (c >= 0xFF21 && c <= 0xFF3A) ||
         (c >= 0xFF41 && c <= 0xFF5A);
}

bool IsAsciiLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string CodeNames::Identifier(const std::string& name, CodeLanguage language, bool typeName) {
  std::string id;
  id.reserve(name.size() + 1);
  for (std::size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (c < 0x80) {
      const bool dollar = c == '$' && language == CodeLanguage::kJava;
      id += IsAsciiLetter(c) || IsDigit(c) || c == '_' || dollar ? static_cast<char>(c) : '_';
    } else if (gbk::IsLeadByte(c) && i + 1 < name.size() &&
               static_cast<unsigned char>(name[i + 1]) >= 0x40 && name[i + 1] != 0x7F) {
      if (IsLetter(CodePoint(name[i], name[i + 1])))
        id.append(name, i, 2);
      else
        id += '_';
      ++i;
    } else {
      id += '_';
    }
  }
  if (!id.empty() && IsDigit(static_cast<unsigned char>(id[0]))) id.insert(0, 1, '_');
  if (IsReserved(id, language, typeName)) id += '_';
  return id;
}

std::string CodeNames::TypeName(const TableDesign& table, CodeLanguage language) {
  return Identifier(table.actualName, language, true);
}

std::vector<std::string> CodeNames::MemberNames(const TableDesign& table, CodeLanguage language) {
  std::vector<std::string> names;
  names.reserve(table.columns.size());
  std::unordered_set<std::string> taken;
  for (const ColumnDesign& column : table.columns) {
    std::string name = Identifier(column.actualName, language);
    // Nameless columns are still being typed: they stay as they are.
    if (!name.empty() && !taken.insert(name).second) {
      const std::string base = name;
      for (int n = 2; !taken.insert(name = base + "_" + std::to_string(n)).second; ++n) {
      }
    }
    names.push_back(std::move(name));
  }
  return names;
}

std::string CodeNames::OriginalNote(const std::string& name, const std::string& identifier) {
  return name == identifier ? std::string() : "[" + name + "]";
}

}  // namespace tablora
