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

}  // namespace

int DumpCommand(const std::vector<std::string>& args) {
  OpenedDesign opened;
  if (!opened.Open(args[0])) return 1;
  Design& design = opened.design;

  nlohmann::ordered_json tables = nlohmann::ordered_json::array();
  const auto& definitions = design.definitions();
  for (std::size_t i = 0; i < definitions.size(); ++i) {
    const TableDesign& t = definitions[i];
    nlohmann::ordered_json columns = nlohmann::ordered_json::array();
    for (const ColumnDesign& c : t.columns) columns.push_back(ColumnJson(c));
    nlohmann::ordered_json layout = nullptr;
    if (i < design.entries().size()) {
      const TableWindowState& w = design.entries()[i]->window;
      layout = {
          {"left", w.left}, {"top", w.top}, {"textColour", w.textColour}, {"bkColour", w.bkColour}};
    }
    tables.push_back({{"displayName", U(t.displayName)},
                      {"actualName", U(t.actualName)},
                      {"comment", U(t.comment)},
                      {"group", U(t.group)},
                      {"owner", U(t.owner)},
                      {"columns", columns},
                      {"layout", layout}});
  }
  nlohmann::ordered_json procedures = nlohmann::ordered_json::array();
  for (const ProcedureDesign& p : design.procedures()) {
    nlohmann::ordered_json parameters = nlohmann::ordered_json::array();
    for (const ColumnDesign& c : p.parameters) parameters.push_back(ColumnJson(c));
    procedures.push_back({{"name", U(p.name)},
                          {"owner", U(p.owner)},
                          {"text", U(p.text)},
                          {"parameters", parameters}});
  }
  nlohmann::ordered_json out = {{"tables", tables}, {"procedures", procedures}};
  if (!design.userTypes().empty()) {
    nlohmann::ordered_json types = nlohmann::ordered_json::array();
    for (const UserType& type : design.userTypes()) {
      types.push_back(
          {{"name", U(type.name)}, {"baseType", U(type.baseType)}, {"notNull", type.notNull}});
    }
    out["userTypes"] = types;
  }
  std::cout << out.dump(2) << "\n";
  return 0;
}

}  // namespace tablora::cli
