#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/cli/cli_commands.h"
#include "app/cli/opened_design.h"
#include "base/text_codec.h"

namespace tablora::cli {

namespace {

std::string U(const std::string& cp936) { return TextCodec::Cp936ToUtf8(cp936); }

nlohmann::ordered_json ColumnJson(const ColumnDesign& c) {
  nlohmann::ordered_json ref = nullptr;
  if (c.foreignKeyRef) {
    ref = {{"constraintName", U(c.foreignKeyRef->constraintName)},
           {"refTable", U(c.foreignKeyRef->refTable)},
           {"refColumn", U(c.foreignKeyRef->refColumn)}};
    if (!c.foreignKeyRef->refOwner.empty()) ref["refOwner"] = U(c.foreignKeyRef->refOwner);
  }
  nlohmann::ordered_json column = {{"displayName", U(c.displayName)},
                                   {"actualName", U(c.actualName)},
                                   {"typeName", U(c.typeName)},
                                   {"length", c.length},
                                   {"scale", c.scale},
                                   {"identity", U(c.identity)},
                                   {"defaultValue", U(c.defaultValue)},
                                   {"note", U(c.note)},
                                   {"nullable", c.nullable},
                                   {"primaryKey", c.primaryKey},
                                   {"foreignKey", c.foreignKey},
                                   {"checkExpression", U(c.checkExpression)},
                                   {"foreignKeyRef", ref}};
  // Shown only for computed columns, so that other designs print as before.
  if (!c.computedExpression.empty()) {
    column["computedExpression"] = U(c.computedExpression);
    column["persisted"] = c.persisted;
  }
  return column;
}

/// Writes `value` as dump(2) prints it nested `depth` levels deep: every line after the
/// first indented by 2 * depth more spaces (texts hold no raw line breaks).
void WriteNested(std::string& out, const nlohmann::ordered_json& value, int depth) {
  const std::string text = value.dump(2);
  const std::string indent(static_cast<std::size_t>(2 * depth), ' ');
  std::size_t from = 0;
  for (std::size_t nl = text.find('\n'); nl != std::string::npos; nl = text.find('\n', from)) {
    out.append(text, from, nl + 1 - from);
    out += indent;
    from = nl + 1;
  }
  out.append(text, from, std::string::npos);
}

nlohmann::ordered_json TableJson(const Design& design, std::size_t i) {
  const TableDesign& t = design.definitions()[i];
  nlohmann::ordered_json columns = nlohmann::ordered_json::array();
  for (const ColumnDesign& c : t.columns) columns.push_back(ColumnJson(c));
  nlohmann::ordered_json layout = nullptr;
  if (i < design.entries().size()) {
    const TableWindowState& w = design.entries()[i]->window;
    layout = {
        {"left", w.left}, {"top", w.top}, {"textColour", w.textColour}, {"bkColour", w.bkColour}};
  }
  return {{"displayName", U(t.displayName)},
          {"actualName", U(t.actualName)},
          {"comment", U(t.comment)},
          {"group", U(t.group)},
          {"owner", U(t.owner)},
          {"columns", std::move(columns)},
          {"layout", std::move(layout)}};
}

}  // namespace

int DumpCommand(const std::vector<std::string>& args) {
  OpenedDesign opened;
  if (!opened.Open(args[0])) return 1;
  const Design& design = opened.design;

  // Printed as one object's dump(2) would print it, one table at a time, so that the
  // whole document is never held at once.
  std::string out = "{\n  \"tables\": ";
  const auto& definitions = design.definitions();
  if (definitions.empty()) {
    out += "[]";
  } else {
    out += "[\n";
    for (std::size_t i = 0; i < definitions.size(); ++i) {
      out += "    ";
      WriteNested(out, TableJson(design, i), 2);
      out += i + 1 < definitions.size() ? ",\n" : "\n";
      if (out.size() >= (1u << 20)) {
        std::fwrite(out.data(), 1, out.size(), stdout);
        out.clear();
      }
    }
    out += "  ]";
  }
  nlohmann::ordered_json procedures = nlohmann::ordered_json::array();
  for (const ProcedureDesign& p : opened.design.procedures()) {
    nlohmann::ordered_json parameters = nlohmann::ordered_json::array();
    for (const ColumnDesign& c : p.parameters) parameters.push_back(ColumnJson(c));
    procedures.push_back({{"name", U(p.name)},
                          {"owner", U(p.owner)},
                          {"text", U(p.text)},
                          {"parameters", std::move(parameters)}});
  }
  out += ",\n  \"procedures\": ";
  WriteNested(out, procedures, 1);
  if (!design.userTypes().empty()) {
    nlohmann::ordered_json types = nlohmann::ordered_json::array();
    for (const UserType& type : design.userTypes()) {
      types.push_back(
          {{"name", U(type.name)}, {"baseType", U(type.baseType)}, {"notNull", type.notNull}});
    }
    out += ",\n  \"userTypes\": ";
    WriteNested(out, types, 1);
  }
  out += "\n}\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fflush(stdout);
  return 0;
}

}  // namespace tablora::cli
