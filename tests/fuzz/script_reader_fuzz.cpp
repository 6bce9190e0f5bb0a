// libFuzzer target: the script parser and the whole open flow over arbitrary bytes.
// Besides crashes and sanitizer reports it traps when a name or free text breaks its field
// width (CHECK and DEFAULT expressions are kept whole, whatever their length).
#include <unistd.h>

#include <cstdint>
#include <string>

#include "base/app_state.h"
#include "base/prompts.h"
#include "base/text_file.h"
#include "model/design.h"
#include "model/procedure_script.h"
#include "model/script_opener.h"
#include "model/script_parser.h"
#include "support/editor_settings.h"

namespace {

using namespace tablora;

/// Answers yes (replace the open design) and keeps quiet.
class QuietPrompts : public SilentPrompts {
 public:
  QuietPrompts() : SilentPrompts(true, false) {}
};

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

void CheckWidths(const std::vector<TableDesign>& tables) {
  for (const TableDesign& t : tables) {
    Check(t.actualName.size() < width::kName && t.displayName.size() < width::kName &&
          t.comment.size() < width::kComment && t.group.size() < width::kName &&
          t.owner.size() < width::kName);
    for (const ColumnDesign& c : t.columns) {
      Check(c.actualName.size() < width::kName && c.displayName.size() < width::kName &&
            c.typeName.size() < width::kTypeName && c.identity.size() < width::kIdentity &&
            c.note.size() < width::kNote);
      Check(c.foreignKey == static_cast<bool>(c.foreignKeyRef));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QuietPrompts prompts;
  static ScriptParser parser(TABLORA_SOURCE_DIR "/resources", &prompts);
  static const std::string path =
      "/tmp/tablora_script_reader_fuzz_" + std::to_string(::getpid()) + ".sql";
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  CheckWidths(parser.ParseTables(bytes));
  std::string text;
  if (ScriptOpener::DecodeFile(bytes, text)) {
    const ScriptOpener::StoredLayout layout = ScriptOpener::ReadLayout(text);
    Check(layout.textStart <= text.size());
    ProcedureScript::ParseProcedureScript(text);
  }

  // The open flow into a design that already holds a table.
  if (!TextFile::WriteBytes(path, bytes)) return 0;
  AppState app;
  app.settings = testing::EditorSettings();
  Design design(app, prompts, parser);
  design.AddTable(true, -1);
  ScriptOpener opener(design, parser, prompts);
  opener.OpenScript(path);
  CheckWidths(design.definitions());
  Check(design.definitions().size() <= static_cast<std::size_t>(design.tableCount()));
  return 0;
}
