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

/// Tables of one name under two owners become types (and Java files) of their own; so do
/// two names that only become one as identifiers.
TEST(CodeGenerationOnADesign, TablesSharingANameGetTheirOwnersNamesAndNoFileIsWrittenTwice) {
  AppState app;
  app.settings = testing::EditorSettings();
  testing::ScriptedPrompts prompts;
  std::vector<TableDesign> tables(6);
  const char* const names[][2] = {{"dbo", "t"},          {"Sales", "t"},
                                  {"", "sales_t"},       {"dbo", "u"},
                                  {"", "Order Details"}, {"Sales", "Order_Details"}};
  for (std::size_t i = 0; i < tables.size(); ++i) {
    tables[i].owner = names[i][0];
    tables[i].actualName = names[i][1];
  }
  GenerationOptions plain;
  FixedOptionsPrompt options(plain);
  CodeGeneration generation(app.settings, prompts, options,
                            [&tables]() -> const std::vector<TableDesign>& { return tables; });

  const fs::path folder = fs::path(::testing::TempDir()) / "two_owners_java";
  fs::remove_all(folder);
  fs::create_directories(folder);
  prompts.folders.push_back(folder.string());
  ASSERT_EQ(generation.GenerateJavaClass(-1), GenerationResult::kWritten);
  const char* const types[] = {"dbo_t", "Sales_t_2", "sales_t", "u", "dbo_Order_Details",
                               "Sales_Order_Details"};
  ASSERT_EQ(generation.writtenFiles().size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) {
    const fs::path file = folder / (std::string(types[i]) + ".java");
    EXPECT_EQ(generation.writtenFiles()[i], file.string());
    std::string bytes;
    ASSERT_TRUE(TextFile::ReadBytes(file.string(), bytes)) << file;
    EXPECT_NE(bytes.find("public class " + std::string(types[i]) + "\r\n"), std::string::npos)
        << types[i];
  }

  const fs::path header = folder / "all.h";
  prompts.saveFiles.push_back(header.string());
  ASSERT_EQ(generation.GenerateCStruct(-1), GenerationResult::kWritten);
  std::string bytes;
  ASSERT_TRUE(TextFile::ReadBytes(header.string(), bytes));
  for (const char* type : types) {
    EXPECT_NE(bytes.find("}" + std::string(type) + ";"), std::string::npos) << type;
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace tablora
