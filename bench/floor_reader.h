// The floor the open is measured against: one pass of one Boost.Regex over a script that
// reads its tables (owner, name, display name, comment), columns (name, type, size,
// identity, default, NULL, display name, note) and ALTER TABLE key lists into records.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include <boost/regex.hpp>

namespace tablora::bench {

struct FloorColumn {
  std::string name, type, identity, defaultValue, display, note;
  int length = 0, scale = 0;
  bool nullable = false, key = false;
};
struct FloorTable {
  std::string owner, name, display, comment;
  std::vector<FloorColumn> columns;
};

inline std::vector<FloorTable> FloorRead(const std::string& text) {
  // 1-5: CREATE TABLE [owner].[name] ( --display:comment
  // 6-14: a column line: [name] [type](len[,scale]) IDENTITY (..) DEFAULT (..) NULL , --d:n
  // 15-16: ALTER TABLE [owner].[name] ... ( [key list] )
  // 17: the parenthesis closing a table
  static const boost::regex rx(
      R"re((?i:create\s+table)\s+(?:\[([^\]\n]*)\]\.)?\[([^\]\n]*)\]\s*\()re"
      R"re((?:[ \t]*--(?:([^:\r\n]*):)?([^\r\n]*))?())re"
      R"re(|^\[([^\]\n]*)\]\s+\[?(\w+)\]?(?:\((\d+)(?:,(\d+))?\))?\s*((?i:identity)\s*\([^)]*\))?\s*)re"
      R"re((?:(?i:default)\s*\(((?:[^()']|'[^']*'|\([^()]*\))*)\))?\s*((?i:not\s+)?(?i:null))?[ \t]*,?[ \t]*)re"
      R"re((?:--(?:([^:\r\n]*):)?([^\r\n]*))?)re"
      R"re(|(?i:alter\s+table)\s+(?:\[[^\]\n]*\]\.)?\[([^\]\n]*)\][^(]*?(?i:primary\s+key)[^(]*\(([^)]*)\))re"
      R"re(|^(\))\s*(?i:on))re");
  std::vector<FloorTable> tables;
  FloorTable* current = nullptr;
  auto find = [&](const std::string& name) -> FloorTable* {
    for (auto it = tables.rbegin(); it != tables.rend(); ++it)
      if (it->name == name) return &*it;
    return nullptr;
  };
  for (boost::sregex_iterator it(text.begin(), text.end(), rx), end; it != end; ++it) {
    const boost::smatch& m = *it;
    if (m[2].matched) {
      tables.push_back({m[1].str(), m[2].str(), m[3].str(), m[4].str(), {}});
      current = &tables.back();
    } else if (m[6].matched && current) {
      FloorColumn c;
      c.name = m[6].str();
      c.type = m[7].str();
      c.length = m[8].matched ? std::atoi(m[8].str().c_str()) : 0;
      c.scale = m[9].matched ? std::atoi(m[9].str().c_str()) : 0;
      c.identity = m[10].str();
      c.defaultValue = m[11].str();
      c.nullable = m[12].matched && m[12].length() == 4;
      c.display = m[13].str();
      c.note = m[14].str();
      current->columns.push_back(std::move(c));
    } else if (m[15].matched) {
      if (FloorTable* table = find(m[15].str())) {
        const std::string keys = m[16].str();
        for (FloorColumn& c : table->columns)
          c.key = c.key || keys.find("[" + c.name + "]") != std::string::npos;
      }
    } else if (m[17].matched) {
      current = nullptr;
    }
  }
  return tables;
}

}  // namespace tablora::bench
