#include "convert/struct_conversion.h"

#include "convert/struct_reader.h"
#include "model/design.h"

namespace tablora {

int StructConversion::AddToDesign(Design& design, std::string_view text) {
  if (!design.view().IsOpen()) return -1;
  int added = 0;
  for (TableDesign& table : StructReader::Read(text)) {
    // The definition goes where the table will stand: right after "新建表" the table list
    // is one ahead of the definitions until the new table's editor builds its text.
    const std::size_t index = static_cast<std::size_t>(design.tableCount());
    std::vector<TableDesign>& definitions = design.definitions();
    const std::size_t before = definitions.size();
    if (before < index + 1) definitions.resize(index + 1);
    std::swap(definitions[index], table);
    design.app().designHasContent = true;
    if (design.AddTable(false, -1) < 0) {  // the view closed: take the definition back
      std::swap(definitions[index], table);
      if (before < index + 1) definitions.resize(before);
      break;
    }
    ++added;
  }
  return added;
}

}  // namespace tablora
