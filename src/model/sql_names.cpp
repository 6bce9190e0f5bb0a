#include "model/sql_names.h"

#include "base/gbk_text.h"

namespace tablora::sql_names {

namespace {

/// Appends `name` to `out` with each `close` doubled.
void AppendDoubled(std::string& out, std::string_view name, char close) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    out += name[i];
    if (const std::size_t size = gbk::CharSize(name, i); size > 1) {
      out.append(name, i + 1, size - 1);
      i += size - 1;
    } else if (name[i] == close) {
      out += close;
    }
  }
}

}  // namespace

std::string Quoted(std::string_view name, char open, char close) {
  std::string text;
  text.reserve(name.size() + 2);
  text += open;
  AppendDoubled(text, name, close);
  text += close;
  return text;
}

std::string InsideBrackets(std::string_view name) {
  std::string text;
  text.reserve(name.size());
  AppendDoubled(text, name, ']');
  return text;
}

std::string FromInsideBrackets(std::string_view inside) {
  std::string name;
  name.reserve(inside.size());
  for (std::size_t i = 0; i < inside.size(); ++i) {
    name += inside[i];
    if (const std::size_t size = gbk::CharSize(inside, i); size > 1) {
      name.append(inside, i + 1, size - 1);
      i += size - 1;
    } else if (inside[i] == ']' && i + 1 < inside.size() && inside[i + 1] == ']') {
      ++i;
    }
  }
  return name;
}

std::string InsideLiteral(std::string_view text) { return gbk::ReplaceAll(text, "'", "''"); }

}  // namespace tablora::sql_names
