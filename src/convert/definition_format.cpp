#include "convert/definition_format.h"

#include <cstdlib>

#include "base/gbk_text.h"
#include "convert/source_text.h"

namespace tablora {

namespace {

constexpr std::string_view kBlanks = " \t";

/// True when `text` starts with `prefix`, ignoring ASCII case.
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         gbk::EqualsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

DefinitionFormat::Field ReadField(const ColumnDesign& column) {
  using Rule = DefinitionFormat::Field::Rule;
  DefinitionFormat::Field field;
  field.name = column.actualName;
  const std::string& rule = column.defaultValue;
  static const struct {
    std::string_view name;
    Rule rule;
  } kRules[] = {
      {"prelineafter", Rule::kPrelineAfter}, {"before", Rule::kBefore}, {"after", Rule::kAfter}};
  for (const auto& known : kRules) {
    if (StartsWithIgnoreCase(rule, known.name)) {
      field.rule = known.rule;
      field.delimiter = rule.substr(known.name.size());
      break;
    }
  }
  return field;
}

/// The position of the first blank or tab at or after `from` (the end when none).
std::size_t NextBlank(std::string_view line, std::size_t from) {
  const std::size_t at = line.find_first_of(kBlanks, from);
  return at == std::string_view::npos ? line.size() : at;
}

/// The text after the last `delimiter` that starts at or before `position`; empty when
/// there is none. `found` tells whether there was one.
std::string_view After(std::string_view line, std::string_view delimiter, std::size_t position,
                       bool& found) {
  const std::size_t at = source_text::FindLast(line, delimiter, position);
  found = at != std::string_view::npos;
  return found ? line.substr(at + delimiter.size()) : std::string_view{};
}

}  // namespace

DefinitionFormat DefinitionFormat::FromTables(const TableDesign& fields,
                                              const TableDesign& separators) {
  DefinitionFormat format;
  for (const ColumnDesign& column : fields.columns) format.fields_.push_back(ReadField(column));
  for (const ColumnDesign& column : separators.columns) {
    Separator separator;
    separator.field = std::atoi(column.displayName.c_str());
    separator.blanks = gbk::EqualsIgnoreCase(column.defaultValue, "space");
    separator.text = column.defaultValue;
    separator.optional = column.nullable;
    format.separators_.push_back(std::move(separator));
  }
  return format;
}

std::string DefinitionFormat::Extract(const Field& field, std::string_view line,
                                      std::string_view previousLine, std::size_t& position) const {
  switch (field.rule) {
    case Field::Rule::kWord: {
      const std::size_t end = NextBlank(line, position);
      std::string value(line.substr(position, end - position));
      position = end;
      return value;
    }
    case Field::Rule::kBefore: {
      std::size_t end = source_text::Find(line, field.delimiter, position);
      if (end == std::string_view::npos) end = line.size();
      std::string value(line.substr(position, end - position));
      position = end;
      return value;
    }
    case Field::Rule::kAfter:
    case Field::Rule::kPrelineAfter: {
      bool found = false;
      std::string value(After(line, field.delimiter, position, found));
      if (found) position = line.size();
      if (field.rule == Field::Rule::kAfter || !source_text::Trim(value, kBlanks).empty()) {
        return value;
      }
      // A comment on a line of its own above the definition: the previous line, unless
      // that line is a definition itself (it holds the first separator's text).
      // (A conditional of "" and a std::string would view a temporary copy.)
      const std::string_view marker =
          separators_.empty() ? std::string_view() : std::string_view(separators_.front().text);
      if (!previousLine.empty() &&
          (marker.empty() || !source_text::Contains(previousLine, marker))) {
        const std::size_t at = source_text::Find(previousLine, field.delimiter);
        value = at == std::string_view::npos
                    ? std::string()
                    : std::string(previousLine.substr(at + field.delimiter.size()));
      }
      return value;
    }
  }
  return {};
}

std::optional<std::string> DefinitionFormat::ConvertLine(std::string_view line,
                                                         std::string_view previousLine,
                                                         const std::string& outputFormat) const {
  std::string out = outputFormat;
  std::size_t position = 0;
  std::size_t next = 0;  // the first separator not yet used
  for (std::size_t k = 1; k <= fields_.size(); ++k) {
    while (next < separators_.size() && separators_[next].field <= static_cast<int>(k)) {
      const Separator& separator = separators_[next++];
      if (separator.blanks) {
        const std::size_t at = line.find_first_not_of(kBlanks, position);
        position = at == std::string_view::npos ? line.size() : at;
        continue;
      }
      const std::size_t at = source_text::Find(line, separator.text, position);
      if (at == std::string_view::npos) {
        if (separator.optional) break;
        return std::nullopt;
      }
      position = at + separator.text.size();
    }
    const Field& field = fields_[k - 1];
    const std::string value(
        source_text::Trim(Extract(field, line, previousLine, position), kBlanks));
    out = source_text::ReplaceAll(out, "%" + field.name + "%", value);
  }
  return out;
}

std::string DefinitionFormat::Convert(std::string_view source,
                                      const std::string& outputFormat) const {
  std::string result;
  std::string_view previous;
  for (std::string_view line : source_text::SplitLines(source)) {
    if (auto converted = ConvertLine(line, previous, outputFormat)) {
      result += *converted;
      result += "\r\n";
    }
    previous = line;
  }
  return result;
}

}  // namespace tablora
