#include <cstdio>
#include <string>
#include <vector>

#include "app/cli/cli_commands.h"
#include "app/cli/opened_design.h"
#include "base/app_state.h"
#include "base/prompts.h"
#include "base/settings_loader.h"
#include "base/text_codec.h"
#include "model/design.h"
#include "model/script_parser.h"
#include "model/script_writer.h"

namespace tablora::cli {

namespace {

/// The editor grid of `loaded` (its columns, drop-down and yes/no lists, data types) on
/// default settings otherwise, so that the sample's window layout is the same everywhere.
Settings EditorGridOf(const Settings& loaded) {
  Settings s;
  s.gridCaptions = loaded.gridCaptions;
  s.gridWidths = loaded.gridWidths;
  s.dropDownColumns = loaded.dropDownColumns;
  s.dropDownLists = loaded.dropDownLists;
  s.dataTypeLists = loaded.dataTypeLists;
  return s;
}

struct SampleTable {
  const char* displayName;
  const char* actualName;
  const char* comment;
  const char* group;
  /// Rows of grid cells 1..13 (UTF-8; "Y" marks a yes cell, "" a no cell for columns 4, 5, 8, 9).
  std::vector<std::vector<const char*>> rows;
};

const std::vector<SampleTable>& SampleTables() {
  static const std::vector<SampleTable> tables = {
      {u8"用户",
       "t_user",
       u8"系统用户",
       u8"基础",
       {{u8"编号", "id", "int", "", "Y", "", u8"主键", "Y"},
        {u8"用户名", "name", "varchar(50)", "", "", "", "", "", "", "", "", "", ""},
        {u8"邮箱", "email", "varchar(100)", "Y", "", "''", "", "", "", "", "", "", ""},
        {u8"年龄", "age", "int", "Y", "", "", u8"周岁", "", "", "", "", "", "[age] >= 0"}}},
      {u8"订单",
       "t_order",
       u8"客户订单",
       u8"销售",
       {{u8"订单号", "order_id", "int", "", "Y", "", "", "Y"},
        {u8"用户", "user_id", "int", "", "", "", "", "", "Y", "FK_order_user", "t_user", "id", ""},
        {u8"金额", "amount", "decimal(10,2)", "", "", "0", u8"含税", "", "", "", "", "",
         "[amount] >= 0"},
        {u8"下单时间", "created", "datetime", "", "", "getdate()", "", "", "", "", "", "", ""}}},
      {u8"订单明细",
       "t_order_item",
       "",
       u8"销售",
       {{u8"订单号", "order_id", "int", "", "", "", "", "Y", "Y", "FK_item_order", "t_order",
         "order_id", ""},
        {u8"行号", "line_no", "int", "", "", "", "", "Y"},
        {u8"商品", "product", "varchar(80)", "Y", "", "", "", "", "", "", "", "", ""},
        {u8"数量", "qty", "int", "", "", "1", "", "", "", "", "", "", ""}}},
      {"log",
       "log",
       "",
       "",
       {{"at", "at", "datetime", "", "", "", "", "", "", "", "", "", ""},
        {"message", "message", "varchar(200)", "Y", "", "", u8"内容", "", "", "", "", "", ""}}},
  };
  return tables;
}

/// Types one table into a new table's editor as a user would and closes the editor.
void EnterTable(Design& design, const SampleTable& table) {
  const int index = design.AddTable(true, -1);
  if (index < 0) return;
  TableEditor& editor = design.editor(index);
  editor.DisplayNameChanged(Cp936(table.displayName));
  editor.ActualNameChanged(table.actualName, true);
  editor.CommentChanged(Cp936(table.comment));
  editor.GroupChanged(Cp936(table.group));
  editor.ActivatePage(TableEditor::kDesignPage);
  const Settings& s = design.app().settings;
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    const auto& cells = table.rows[r];
    for (std::size_t c = 0; c < cells.size(); ++c) {
      const int column = static_cast<int>(c) + 1;
      std::string text = Cp936(cells[c]);
      const bool yesNo = column == grid_column::kNullable || column == grid_column::kIdentity ||
                         column == grid_column::kPrimaryKey || column == grid_column::kForeignKey;
      if (yesNo) text = text == "Y" ? s.YesText(column) : s.NoText(column);
      editor.grid().SetCellText(static_cast<int>(r) + 1, column, text);
    }
  }
  editor.Close();
}

}  // namespace

int NewSampleCommand(const std::vector<std::string>& args) {
  const std::string folder = ChosenProgramFolder();
  AppState app;
  app.settings = EditorGridOf(LoadSettingsFile(folder));
  SilentPrompts prompts;  // keeps the current database kind, MS SQL Server
  ScriptParser parser(folder, &prompts);
  if (!parser.LoadPatterns()) {
    std::fprintf(stderr, "tablora-cli: %s\n", TextCodec::Cp936ToUtf8(parser.error()).c_str());
    return 1;
  }
  Design design(app, prompts, parser);
  app.designHasContent = true;
  for (const SampleTable& table : SampleTables()) EnterTable(design, table);
  if (!ScriptWriter(app).SaveScript(design, prompts, OutputPath(args[0]), -1)) {
    std::fprintf(stderr, "tablora-cli: cannot write %s\n", args[0].c_str());
    return 1;
  }
  return 0;
}

}  // namespace tablora::cli
