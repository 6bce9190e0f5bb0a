#pragma once

#include <string>

namespace tablora {

/// The five texts of a table editor's name page (code page 936).
struct TableNames {
  std::string displayName;
  std::string actualName;
  std::string comment;  ///< may end with "(组)" + group, as a script carried it
  std::string group;
  std::string owner;  ///< empty means the default owner

  bool operator==(const TableNames& o) const {
    return displayName == o.displayName && actualName == o.actualName && comment == o.comment &&
           group == o.group && owner == o.owner;
  }
};

}  // namespace tablora
