// The statement builder windows through the real main window: the menu command opens a
// builder; joins, conditions, order and values are set in their own dialogs, answered
// while they are shown; buttons are pressed with real clicks where the builder's own
// buttons are concerned. With TABLORA_SCREENSHOTS set to a folder, pictures of the builder,
// the join window and the condition builder are saved there.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/odcombo.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/wx.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <typeinfo>

#include "app/command_table.h"
#include "app/design_session.h"
#include "app/gui/command_ids.h"
#include "app/gui/frame_statement_host.h"
#include "app/gui/main_frame.h"
#include "app/gui/query_window.h"
#include "base/app_state.h"
#include "base/gui/wx_text.h"
#include "base/settings_loader.h"
#include "base/text_codec.h"
#include "gen/gui/code_kind_dialog.h"
#include "gen/gui/condition_dialog.h"
#include "gen/gui/join_dialog.h"
#include "gen/gui/order_by_dialog.h"
#include "gen/gui/statement_builder_dialog.h"
#include "gen/gui/value_dialog.h"
#include "model/design.h"
#include "model/script_parser.h"
#include "support/gui_test_support.h"
#include "support/scripted_prompts.h"
#include "ui/gui/data_grid.h"

namespace tablora {
namespace {

using testing::Pick;
using testing::Press;
using testing::WhenModal;

class DesignOnlySession : public DesignSession {
 public:
  explicit DesignOnlySession(Design* design) : design_(design) {}
  bool OpenScript(const std::string&) override { return false; }
  bool SaveScript(const std::string&) override { return false; }
  std::string currentPath() const override { return {}; }
  bool modified() const override { return false; }
  std::vector<TableSummary> Tables() const override { return {}; }
  Design* design() override { return design_; }

 private:
  Design* design_;
};

template <typename T>
T* FindTop() {
  for (wxWindow* w : wxTopLevelWindows) {
    if (auto* d = dynamic_cast<T*>(w); d != nullptr && d->IsShown()) return d;
  }
  return nullptr;
}

/// A real mouse click in the middle of a window.
void Click(wxWindow* window) {
  ASSERT_TRUE(window != nullptr && window->IsShownOnScreen());
  wxUIActionSimulator sim;
  const wxRect r = window->GetScreenRect();
  sim.MouseMove(r.x + r.width / 2, r.y + r.height / 2);
  testing::PumpEvents(60);
  sim.MouseClick();
  testing::PumpEvents(150);
}

void Screenshot(const char* name) {
  const char* folder = std::getenv("TABLORA_SCREENSHOTS");
  if (folder == nullptr) return;
  testing::PumpEvents(300);
  const std::string command =
      std::string("import -window root '") + folder + "/" + name + ".png' 2>/dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

ColumnDesign Col(const char* display, const char* actual, const char* type, int length = 0) {
  ColumnDesign c;
  c.displayName = Cp936(display);
  c.actualName = actual;
  c.typeName = type;
  c.length = length;
  return c;
}

std::vector<TableDesign> PeopleAndOrders() {
  TableDesign people;
  people.actualName = "People";
  people.displayName = Cp936(u8"人员");
  people.columns = {Col(u8"编号", "id", "int"), Col(u8"姓名", "name", "varchar", 40),
                    Col("", "price", "float")};
  TableDesign orders;
  orders.actualName = "Orders";
  orders.columns = {Col(u8"编号", "id", "int"), Col("", "personId", "int"),
                    Col("", "total", "int")};
  return {people, orders};
}

class StatementBuilderWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    state.settings = LoadSettingsFile(std::string(TABLORA_SOURCE_DIR) + "/resources");
    design = std::make_unique<Design>(state, prompts, parser);
    frame = new MainFrame(state, nullptr);
    frame->SetPrompts(&prompts);
    RegisterStatementCommands(*frame);
    frame->Show();
    testing::PumpEvents(100);
  }
  void TearDown() override {
    for (wxWindow* w : wxTopLevelWindows) {
      if (auto* d = dynamic_cast<StatementBuilderDialog*>(w)) d->Destroy();
    }
    frame->Destroy();
    testing::PumpEvents(100);
  }
  void UseDesign(std::vector<TableDesign> tables) {
    design->definitions() = std::move(tables);
    frame->SetSession(std::make_unique<DesignOnlySession>(design.get()));
  }
  StatementBuilderDialog* OpenFromMenu(int id) {
    EXPECT_TRUE(frame->IsCommandEnabled(id));
    wxCommandEvent event(wxEVT_MENU, ToWxId(id));
    event.SetEventObject(frame);
    frame->GetEventHandler()->ProcessEvent(event);
    testing::PumpEvents(200);
    return FindTop<StatementBuilderDialog>();
  }

  AppState state;
  testing::ScriptedPrompts prompts;
  ScriptParser parser{std::string(TABLORA_SOURCE_DIR) + "/resources"};
  std::unique_ptr<Design> design;
  MainFrame* frame = nullptr;
};

TEST_F(StatementBuilderWindow, BuildsAJoinAConditionAndAnOrderThenWritesCode) {
  UseDesign(PeopleAndOrders());
  StatementBuilderDialog* builder = OpenFromMenu(cmd::kSelectStatement);
  ASSERT_NE(builder, nullptr);

  // The join window: table 2 with alias b, related to table 1 through the condition builder.
  bool joined = false;
  WhenModal<JoinDialog>([&](JoinDialog& join) {
    join.ChooseTable(1, 1);
    auto* alias = wxDynamicCast(join.FindWindow(JoinDialog::kAliasBoxId + 1), wxCheckBox);
    alias->SetValue(true);
    wxCommandEvent ticked(wxEVT_CHECKBOX, alias->GetId());
    alias->GetEventHandler()->ProcessEvent(ticked);
    Press(join, JoinDialog::kRelationId);
    EXPECT_TRUE(join.FindWindow(JoinDialog::kJoinTypesId)->IsShown());
    WhenModal<ConditionDialog>([&](ConditionDialog& condition) {
      Pick(wxDynamicCast(condition.FindWindow(ConditionDialog::kLeftId), wxListBox),
           wxString::FromUTF8(u8"a.id(编号)"));
      Pick(wxDynamicCast(condition.FindWindow(ConditionDialog::kOperatorId), wxListBox), "=");
      Pick(wxDynamicCast(condition.FindWindow(ConditionDialog::kRightId), wxListBox), "b.personId");
      Screenshot("condition_builder");
      condition.EndModal(wxID_OK);
    });
    join.ChooseJoinType(0, 0);
    EXPECT_EQ(join.FindWindow(JoinDialog::kOnTextId)->GetLabel(), "ON a.id = b.personId");
    Screenshot("join_window");
    joined = true;
    join.EndModal(wxID_OK);
  });
  Click(builder->FindWindow(StatementBuilderDialog::kJoinsId));
  ASSERT_TRUE(joined);

  auto* available =
      wxDynamicCast(builder->FindWindow(StatementBuilderDialog::kAvailableId), wxListBox);
  ASSERT_EQ(available->GetCount(), 6u);
  EXPECT_EQ(available->GetString(1), wxString::FromUTF8(u8"a.name(姓名)"));
  available->SetSelection(1);
  Click(builder->FindWindow(StatementBuilderDialog::kChooseId));
  available->SetSelection(4);  // b.total once a.name has left the list
  Click(builder->FindWindow(StatementBuilderDialog::kChooseId));

  WhenModal<ConditionDialog>([&](ConditionDialog& condition) {
    Pick(wxDynamicCast(condition.FindWindow(ConditionDialog::kLeftId), wxListBox),
         wxString::FromUTF8(u8"a.name(姓名)"));
    Pick(wxDynamicCast(condition.FindWindow(ConditionDialog::kOperatorId), wxListBox), "LIKE");
    Press(condition, ConditionDialog::kSwitchId);
    wxDynamicCast(condition.FindWindow(ConditionDialog::kValueId), wxTextCtrl)->SetValue("'O%'");
    Press(condition, ConditionDialog::kAndId);  // a trailing AND must not reach the statement
    condition.EndModal(wxID_OK);
  });
  Click(builder->FindWindow(StatementBuilderDialog::kConditionId));

  WhenModal<OrderByDialog>([&](OrderByDialog& order) {
    Pick(wxDynamicCast(order.FindWindow(OrderByDialog::kSourceId), wxListBox), "b.total");
    Press(order, OrderByDialog::kDescId);
    order.EndModal(wxID_OK);
  });
  Click(builder->FindWindow(StatementBuilderDialog::kOrderId));

  const std::string expected =
      "SELECT a.name, b.total \r\nFROM People a \r\nINNER JOIN Orders b ON a.id = b.personId\r\n"
      " \r\nWHERE a.name LIKE 'O%' \r\nORDER BY b.total DESC";
  EXPECT_EQ(builder->shownStatement(), expected);

  // Cancelling the condition builder keeps the WHERE the box shows.
  WhenModal<ConditionDialog>([](ConditionDialog& condition) { condition.EndModal(wxID_CANCEL); });
  Click(builder->FindWindow(StatementBuilderDialog::kConditionId));
  EXPECT_EQ(builder->shownStatement(), expected);
  EXPECT_NE(builder->builder().where(), "");

  // Execute opens a query window with the statement; this design has no connection, so
  // nothing runs and the grid stays empty.
  Click(builder->FindWindow(StatementBuilderDialog::kExecuteId));
  QueryWindow* query = FindTop<QueryWindow>();
  ASSERT_NE(query, nullptr);
  EXPECT_EQ(query->sqlText(), expected);
  EXPECT_EQ(query->grid().Model().GetRowCount(), 0);
  query->Destroy();

  WhenModal<CodeKindDialog>([](CodeKindDialog& chooser) {
    auto* list = wxDynamicCast(chooser.FindWindow(CodeKindDialog::kListId), wxChoice);
    EXPECT_EQ(list->GetCount(), 3u);
    list->SetSelection(list->FindString("CPP_ODBC"));
    Press(chooser, wxID_OK);
  });
  Click(builder->FindWindow(StatementBuilderDialog::kGenerateId));
  const std::string code = builder->shownCode();
  EXPECT_NE(code.find("inline void SelectPeople(SQLHDBC hdbc,"), std::string::npos) << code;
  EXPECT_NE(code.find("\"SELECT a.name, b.total FROM People a INNER JOIN Orders b ON a.id = "
                      "b.personId WHERE a.name LIKE 'O%' ORDER BY b.total DESC\""),
            std::string::npos)
      << code;
  EXPECT_EQ(code.find('$'), std::string::npos);
  EXPECT_EQ(CodeKindDialog::Remembered(), "CPP_ODBC");
  EXPECT_EQ(
      from_wx(wxDynamicCast(builder->FindWindow(StatementBuilderDialog::kVariableId), wxTextCtrl)
                  ->GetValue()),
      "rec");
  Screenshot("statement_builder");
}

TEST_F(StatementBuilderWindow, InsertValuesAndTablesChangingWhileOpen) {
  UseDesign(PeopleAndOrders());
  StatementBuilderDialog* builder = OpenFromMenu(cmd::kInsertStatement);
  ASSERT_NE(builder, nullptr);
  EXPECT_FALSE(builder->FindWindow(StatementBuilderDialog::kTopId)->IsShown());
  Click(builder->FindWindow(StatementBuilderDialog::kChooseAllId));

  WhenModal<ValueDialog>([&](ValueDialog& value) {
    Press(value, wxID_OK);  // nothing typed: a message, the dialog stays
    EXPECT_TRUE(value.IsModal());
    wxDynamicCast(value.FindWindow(ValueDialog::kValueId), wxTextCtrl)->SetValue("O'Brien");
    wxDynamicCast(value.FindWindow(ValueDialog::kStringId), wxRadioButton)->SetValue(true);
    Press(value, wxID_OK);
  });
  builder->RunValue(1);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], Cp936(u8"请输入值或选择设置当前时间"));
  EXPECT_EQ(builder->shownStatement(),
            "INSERT INTO People(id, name, \r\nprice )\r\n VALUES(%d, 'O''Brien', \r\n%d)");

  // The design is cleared and refilled while the window is open.
  design->definitions().clear();
  Click(builder->FindWindow(StatementBuilderDialog::kUnchooseAllId));
  EXPECT_EQ(wxDynamicCast(builder->FindWindow(StatementBuilderDialog::kAvailableId), wxListBox)
                ->GetCount(),
            0u);
  design->definitions() = {PeopleAndOrders()[1]};
  Click(builder->FindWindow(StatementBuilderDialog::kChooseAllId));
  EXPECT_EQ(builder->builder().Input().tables.size(), 0u);
  builder->ChooseTable(0);
  Click(builder->FindWindow(StatementBuilderDialog::kChooseAllId));
  EXPECT_EQ(builder->shownStatement(),
            "INSERT INTO Orders(id, personId, \r\ntotal )\r\n VALUES(%d, %d, \r\n%d)");
}

// A guard against a hang on a large design, not a speed limit: the speed of the same work
// is measured in bench/statement_builder_bench.cpp.
TEST_F(StatementBuilderWindow, OpensBuilderAndJoinWindowOnALargeDesignWithoutHanging) {
  std::vector<TableDesign> tables(5000);
  for (int t = 0; t < 5000; ++t) {
    tables[t].actualName = "Table" + std::to_string(t);
    tables[t].displayName = Cp936(u8"表") + std::to_string(t);
    for (int c = 0; c < 20; ++c) tables[t].columns.push_back(Col("", "Field", "int"));
  }
  UseDesign(std::move(tables));
  auto host = std::make_shared<FrameStatementHost>(*frame);
  const auto start = std::chrono::steady_clock::now();
  StatementBuilderDialog* builder = StatementBuilderDialog::Open(host, StatementKind::kSelect, 0);
  { JoinDialog join(builder, design->definitions(), 0, nullptr, nullptr); }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  // The windows hold the whole design: every table to choose from, the first one's fields.
  EXPECT_EQ(wxDynamicCast(builder->FindWindow(StatementBuilderDialog::kTableId),
                          wxOwnerDrawnComboBox)
                ->GetCount(),
            5000u);
  EXPECT_EQ(wxDynamicCast(builder->FindWindow(StatementBuilderDialog::kAvailableId), wxListBox)
                ->GetCount(),
            20u);
  builder->Destroy();
  testing::PumpEvents(50);
  EXPECT_LT(seconds, 20.0);
}

}  // namespace
}  // namespace tablora
