#include <gtest/gtest.h>

#include <filesystem>

#include "base/text_file.h"
#include "gen/code_generation.h"
#include "gen/fixed_options_prompt.h"
#include "gen/sample_design.h"
#include "model/design.h"
#include "model/script_parser.h"
#include "support/model_fixture.h"
#include "support/scripted_prompts.h"

namespace tablora {
namespace {

namespace fs = std::filesystem;

/// The generators run on a real design: what its editors hold, not a stale definition.
TEST(CodeGenerationOnADesign, GeneratesFromTheEditorsAfterRefreshing) {
  AppState app;
  app.settings = testing::EditorSettings();
  const Settings maps = testing::SampleTypeMaps();
  app.settings.typeC = maps.typeC;
  app.settings.prefixC = maps.prefixC;
  testing::ScriptedPrompts prompts;
  prompts.databaseKinds.push_back(kSqlServer);
  ScriptParser parser{std::string(TABLORA_SOURCE_DIR) + "/resources"};
  Design design(app, prompts, parser);

  ASSERT_EQ(design.AddTable(true, -1), 0);
  TableEditor& editor = design.editor(0);
  editor.DisplayNameChanged(Cp936(u8"日志"));
  editor.ActualNameChanged("TLog", true);
  editor.ActivatePage(TableEditor::kDesignPage);
  editor.grid().SetCellText(1, 1, Cp936(u8"代码"));
  editor.grid().SetCellText(1, 2, "Code");
  editor.grid().SetCellText(1, 3, "varchar(4)");
  editor.Close();
  // A definition that fell behind its editor is brought back by the refresh.
  design.definitions()[0].columns.clear();

  const fs::path out = fs::path(::testing::TempDir()) / "design_refresh.h";
  prompts.saveFiles.push_back(out.string());
  GenerationOptions prefix;
  prefix.prefix = true;
  FixedOptionsPrompt options(prefix);
  CodeGeneration generation(
      app.settings, prompts, options,
      [&design]() -> const std::vector<TableDesign>& { return design.RefreshTableDefinitions(); });
  ASSERT_EQ(generation.GenerateCStruct(-1), GenerationResult::kWritten);
  std::string bytes;
  ASSERT_TRUE(TextFile::ReadBytes(out.string(), bytes));
  EXPECT_EQ(bytes,
            Cp936(u8"// 日志:\r\ntypedef struct{\r\nchar acCode[4];\t// 代码:\r\n}TLog;\r\n\r\n"));
  fs::remove(out);
}

}  // namespace
}  // namespace tablora
