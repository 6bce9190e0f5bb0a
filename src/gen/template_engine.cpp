#include "gen/template_engine.h"

#include <algorithm>
#include <filesystem>

#include "base/gbk_text.h"
#include "base/text_codec.h"
#include "base/text_file.h"

namespace tablora {

namespace {

namespace fs = std::filesystem;

/// Replaces every occurrence, left to right; an empty search text changes nothing.
void ReplaceEvery(std::string& text, const std::string& search, const std::string& value) {
  if (search.empty()) return;
  text = gbk::ReplaceAll(text, search, value);
}

void ReplaceFirst(std::string& text, const std::string& search, const std::string& value) {
  if (search.empty()) return;
  const std::size_t at = text.find(search);
  if (at != std::string::npos) text.replace(at, search.size(), value);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

/// `text` escaped for a C or Java string literal: "\\" and "\"" get a backslash; the
/// second byte of a double-byte character is left alone, whatever its value.
std::string InStringLiteral(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (gbk::IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < text.size()) {
      out += c;
      out += text[++i];
      continue;
    }
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out;
}

}  // namespace

CodeLanguage TemplateEngine::LanguageOf(const std::string& codeKind) {
  const std::string name = gbk::ToLowerAscii(codeKind);
  if (name.compare(0, 4, "java") == 0) return CodeLanguage::kJava;
  if (name.compare(0, 3, "cpp") == 0 || name.compare(0, 3, "c++") == 0) return CodeLanguage::kCpp;
  return CodeLanguage::kC;
}

bool TemplateEngine::ListCodeKinds(const std::string& folder, std::vector<CodeKindFile>& kinds,
                                   std::string& error) {
  kinds.clear();
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  if (ec) {
    error = Cp936(u8"找不到代码模板文件夹: ") + folder;
    return false;
  }
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    if (it->is_directory(ec)) continue;
    const std::string file = it->path().filename().string();
    const std::size_t dot = file.rfind('.');
    if (dot == std::string::npos || !gbk::EqualsIgnoreCase(file.substr(dot), ".h")) continue;
    kinds.push_back({file.substr(0, dot), file});
  }
  std::sort(kinds.begin(), kinds.end(), [](const CodeKindFile& a, const CodeKindFile& b) {
    return a.name != b.name ? a.name < b.name : a.file < b.file;
  });
  return true;
}

bool TemplateEngine::ReadTemplate(const std::string& path, std::string& text, std::string& error) {
  std::string bytes;
  if (!TextFile::ReadBytes(path, bytes)) {
    error = Cp936(u8"无法读取代码模板文件: ") + path;
    return false;
  }
  text = gbk::ReplaceAll(bytes, "\r\n", "\n");
  return true;
}

std::string TemplateEngine::DropLastCharacter(const std::string& text) {
  std::size_t last = 0;
  for (std::size_t i = 0; i < text.size();) {
    last = i;
    i += gbk::CharSize(text, i);
  }
  return text.substr(0, last);
}

std::string TemplateEngine::JavaAccessorType(const std::string& javaType) {
  std::string type =
      javaType.substr(javaType.rfind('.') == std::string::npos ? 0 : javaType.rfind('.') + 1);
  if (type.size() > 2 && type.compare(type.size() - 2, 2, "[]") == 0) {
    type = type.substr(0, type.size() - 2) + "s";  // byte[] -> getBytes / setBytes
  }
  if (!type.empty() && type[0] >= 'a' && type[0] <= 'z') type[0] = static_cast<char>(type[0] - 32);
  return type;
}

std::string TemplateEngine::SingleLine(const std::string& statement) {
  std::string out;
  std::size_t pos = 0;
  while (pos <= statement.size()) {
    std::size_t end = statement.find("\r\n", pos);
    if (end == std::string::npos) end = statement.size();
    std::string line = statement.substr(pos, end - pos);
    const std::string trimmed = gbk::TrimChars(line, " \t");
    if (trimmed.compare(0, 2, "--") == 0) {
      line = "/*" + gbk::ReplaceAll(trimmed.substr(2), "*/", "* /") + "*/";
    }
    if (!out.empty() && !line.empty() && !IsBlank(out.back()) && !IsBlank(line.front())) {
      out += ' ';
    }
    out += line;
    pos = end + 2;
  }
  return InStringLiteral(out);
}

std::string TemplateEngine::Expand(const std::string& text, TemplateMarkers& markers,
                                   const TemplateInput& input, TemplateBoxes& boxes,
                                   const Settings& settings) {
  markers["tablename"].value = CodeNames::Identifier(input.tableName, input.language, true);
  markers["tablenameCN"].value = input.tableNameCN;
  markers["tablecomment"].value = input.tableComment;
  markers["sqlselecttext"].value = SingleLine(input.statement);
  const std::pair<const char*, std::string*> pairs[] = {{"classname", &boxes.className},
                                                        {"funcionbegin", &boxes.functionPrefix},
                                                        {"funcionend", &boxes.functionSuffix},
                                                        {"tablevariable", &boxes.tableVariable},
                                                        {"databasename", &boxes.databaseName}};
  for (const auto& [name, box] : pairs) {
    TemplateMarker& marker = markers[name];
    if (!box->empty()) {
      marker.defaultValue = gbk::CutToBytes(*box, 127);
    } else {
      *box = marker.defaultValue;
    }
  }

  std::string out = text;
  const std::string& begin = markers.Get("repeatmarkbegin").search;
  const std::string& end = markers.Get("repeatmarkend").search;
  if (!begin.empty() && !end.empty()) {
    std::size_t from = 0;
    for (;;) {
      const std::size_t b = out.find(begin, from);
      if (b == std::string::npos) break;
      const std::size_t e = out.find(end, b + begin.size());
      if (e == std::string::npos) break;
      const std::string expansion =
          ExpandBlock(out.substr(b + begin.size(), e - b - begin.size()), markers, input, settings);
      out.replace(b, e + end.size() - b, expansion);
      from = b + expansion.size();
    }
  }
  for (const auto& [name, marker] : markers.all()) {
    if (marker.repeat == 1) continue;
    ReplaceEvery(out, marker.search, marker.Current());
  }
  return out;
}

std::string TemplateEngine::ExpandBlock(const std::string& block, const TemplateMarkers& markers,
                                        const TemplateInput& input, const Settings& settings) {
  auto search = [&](const char* name) -> const std::string& { return markers.Get(name).search; };
  const std::string& variable = markers.Get("tablevariable").Current();
  std::string joined;
  for (std::size_t i = 0; i < input.fields.size(); ++i) {
    const TemplateField& field = input.fields[i];
    std::string copy = block;
    ReplaceFirst(copy, search("increaseid"), std::to_string(i + 1));
    ReplaceFirst(copy, search("increaseid0"), std::to_string(i));
    const std::string cType = settings.LookupCType(field.typeName);
    const std::string prefix = settings.LookupCPrefix(cType, field.length);
    const std::string member = field.memberName.empty()
                                   ? CodeNames::Identifier(field.actualName, input.language)
                                   : field.memberName;
    const std::string structName = prefix + member;
    const std::string javaType = settings.LookupJavaType(field.typeName);
    ReplaceEvery(copy, search("sqltype"), settings.LookupOdbcType(field.typeName));
    ReplaceEvery(copy, search("fieldaddress_struct_c"),
                 (field.length < 1 ? "&" : "") + variable + "." + structName);
    ReplaceEvery(copy, search("field_struct_c"), structName);
    ReplaceEvery(copy, search("field_EN"), member);
    ReplaceEvery(copy, search("field_CN"),
                 field.displayName.empty() ? field.actualName : field.displayName);
    ReplaceEvery(copy, search("field_comment"), field.note);
    ReplaceEvery(copy, search("fieldtype_c"), cType);
    ReplaceEvery(copy, search("fieldtype_java"), javaType);
    ReplaceEvery(copy, search("fieldtype_java_Caps"), JavaAccessorType(javaType));
    joined += copy;
  }
  return DropLastCharacter(joined);
}

}  // namespace tablora
