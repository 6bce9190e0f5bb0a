#pragma once

#include <string>
#include <string_view>

namespace tablora {

/// `text` made safe inside an HTML or XML element or a double-quoted attribute: &, <, > and
/// " become entities; every other byte stays as it is.
inline std::string MarkupText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace tablora
