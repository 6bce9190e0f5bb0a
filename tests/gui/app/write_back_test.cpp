// "更新到数据库(&S)" chosen with the mouse and keyboard from a table window's menu, against a
// SQLite database reached through an ODBC connection string.
#include <gtest/gtest.h>
#include <wx/uiaction.h>

#include <wx/button.h>
#include <wx/filefn.h>
#include <wx/stattext.h>

#include <cstdlib>
#include <functional>

#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "app/gui/message_dialog.h"
#include "app/gui/wx_prompts.h"
#include "app/gui/subsystem_hooks.h"
#include "app/gui/work_box_commands.h"
#include "app_test_support.h"
#include "base/document_titles.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "db/access/odbc_connection.h"
#include "db/connect/database_session.h"
#include "model/design.h"
#include "support/scripted_prompts.h"
#include "support/shared_fixtures.h"
#include "support/temp_folder.h"
#include "ui/gui/design_canvas.h"
#include "ui/table_surface.h"
#include "ui/work_box_trees.h"

namespace tablora::testing {
namespace {

TEST(WriteBackGui, UpdateToDatabaseFromTheTableWindowMenu) {
  TempFolder folder;
  const std::string connection = "Driver=SQLite3;NoCreat=0;Database=" + folder / "gui.db";
  {
    OdbcConnection db;
    ASSERT_TRUE(db.Open(connection));
    for (const char* sql : {"CREATE TABLE orders (cust_id int, line_no int)",
                            "INSERT INTO orders VALUES (1, 1)", "INSERT INTO orders VALUES (1, 2)"})
      ASSERT_TRUE(db.Execute(sql)) << sql;
  }
  ResetToOneDesignWindow();
  Frame().appState().designHasContent = false;
  Frame().SetSession(CreateDesignSession(Frame()));
  ScriptedPrompts prompts;
  prompts.yesNoAnswers = {true};
  Frame().SetPrompts(&prompts);
  Frame().Raise();
  const std::string script = folder / "orders.sql";
  ASSERT_TRUE(TextFile::WriteBytes(
      script,
      "CREATE TABLE [dbo].[orders] (\r\n[cust_id] [int] NOT NULL ,\r\n[line_no] [int] NOT NULL\r\n"
      ") ON [PRIMARY]\r\nGO\r\n\r\nALTER TABLE [dbo].[orders] WITH NOCHECK ADD\r\nCONSTRAINT "
      "[PK_ORDERS] PRIMARY KEY  CLUSTERED\r\n(\r\n[cust_id],\r\n[line_no]\r\n)\r\nON [PRIMARY]\r\n"
      "GO\r\n"));
  Frame().FindView(DocumentTitles::DesignView());
  ASSERT_TRUE(Frame().session()->OpenScript(script));
  Frame().appState().designHasContent = true;
  Frame().RefreshDesignViews();
  DatabaseSession& database = *Frame().session()->database();
  database.state().connectionMode = ConnectionState::kDataLink;
  ASSERT_TRUE(database.state().sharedConnection->Open(connection));
  database.state().connected = true;
  Frame().appState().databaseKind = kSqlServer;

  DesignCanvas* canvas = Frame().designWindow().Canvas();
  ASSERT_TRUE(WaitFor([&] { return canvas->surface() && canvas->surface()->Count() == 1; }));
  const PixelRect r = canvas->surface()->Rect(0);
  const wxPoint at = canvas->ClientToScreen(canvas->ToClient({r.x + r.width / 2, r.y + 30}));
  wxUIActionSimulator sim;
  // The menu's mnemonic S is "更新到数据库(&S)".
  Later([&] { sim.Char('s'); }, 800);
  sim.MouseMove(at);
  PumpEvents(60);
  sim.MouseClick(wxMOUSE_BTN_RIGHT);
  ASSERT_TRUE(WaitFor([&] { return !prompts.messages.empty(); }, 5000));
  EXPECT_EQ(std::vector<std::string>{Cp936(
                u8"表 orders已存在, 有 2 行数据, 删除后数据将丢失. 要删除吗?")},
            prompts.questions);
  EXPECT_EQ(std::vector<std::string>{"OK!"}, prompts.messages);

  ResultSet rows;
  AdoConnection& db = *database.state().sharedConnection;
  ASSERT_TRUE(db.Query("SELECT COUNT(*) FROM orders", rows));
  EXPECT_EQ("0", rows.Text(0, 0));
  ResultSet keys;
  ASSERT_TRUE(db.PrimaryKeys("orders", keys));
  EXPECT_EQ(2u, keys.rows.size());

  // "从数据库更新表(&U)" (mnemonic U) reads the column added behind the design's back.
  ASSERT_TRUE(db.Execute("ALTER TABLE orders ADD COLUMN note varchar(20)"));
  Later([&] { sim.Char('u'); }, 800);
  sim.MouseMove(at);
  PumpEvents(60);
  sim.MouseClick(wxMOUSE_BTN_RIGHT);
  Design& design = *Frame().session()->design();
  ASSERT_TRUE(WaitFor([&] { return design.definitions()[0].columns.size() == 3; }, 5000));
  EXPECT_EQ("note", design.definitions()[0].columns[2].actualName);
  EXPECT_NE(std::string::npos, design.editor(0).tableText().find("[note] [varchar](20)"));
  EXPECT_EQ(1u, prompts.messages.size());

  // The group tree's "更新所有分组信息到数据库(&C)" reaches the main menu's command: the
  // table has no comment, so only its drop is sent, and a failed drop counts for nothing.
  WorkBoxTrees* trees = Frame().workBoxCommands().trees();
  ASSERT_NE(trees, nullptr);
  ASSERT_TRUE(Frame().workBoxCommands().IsCommandEnabled(WorkBoxTrees::kGroupTree, 32823,
                                                         trees->groupsNode()));
  Frame().workBoxCommands().RunCommand(WorkBoxTrees::kGroupTree, 32823, trees->groupsNode());
  EXPECT_EQ((std::vector<std::string>{"OK!", "OK!"}), prompts.messages);

  db.Close();
  Frame().SetPrompts(nullptr);
  Frame().SetSession(nullptr);
  Frame().appState().designHasContent = false;
}

/// The program's own message boxes; the save dialog answers with a path chosen in advance.
class RealBoxesChosenFile : public ScriptedPrompts {
 public:
  bool Offer(const std::string& text, const std::string& caption,
             const std::string& action) override {
    return boxes.Offer(text, caption, action);
  }
  WxPrompts boxes{&Frame(), Frame().appState().settings};
};

// "只更新注释到数据库(&V)" on an MS Access file: the box says why nothing can be written and
// offers "保存注释脚本", which, clicked, saves the script for the table.
TEST(WriteBackGui, AccessCommentsOfferTheirScriptInsteadOfWriting) {
  TABLORA_SHARED_FIXTURE(nwind, "nwind.mdb");
  TempFolder folder;
  ResetToOneDesignWindow();
  Frame().SetSession(CreateDesignSession(Frame()));
  RealBoxesChosenFile prompts;
  const std::string saved = folder / "Tablora_AccessComment.vbs";
  prompts.saveFiles = {saved};
  Frame().SetPrompts(&prompts);
  Frame().Raise();
  const std::string script = folder / "shippers.sql";
  ASSERT_TRUE(TextFile::WriteBytes(
      script, Cp936(u8"CREATE TABLE [Shippers] (\r\n[ShipperID] [int] NOT NULL ,  --编号:\r\n"
                    u8"[CompanyName] [varchar] (40) NULL   --公司名称:送货公司\r\n)\r\nGO\r\n")));
  Frame().FindView(DocumentTitles::DesignView());
  ASSERT_TRUE(Frame().session()->OpenScript(script));
  Frame().appState().designHasContent = true;
  Frame().RefreshDesignViews();
  DatabaseSession& database = *Frame().session()->database();
  ASSERT_TRUE(database.state().sharedConnection->OpenAccess(nwind, "", -1));
  database.state().connected = true;
  Frame().appState().databaseKind = kAccess;

  DesignCanvas* canvas = Frame().designWindow().Canvas();
  ASSERT_TRUE(WaitFor([&] { return canvas->surface() && canvas->surface()->Count() == 1; }));
  const PixelRect r = canvas->surface()->Rect(0);
  const wxPoint at = canvas->ClientToScreen(canvas->ToClient({r.x + r.width / 2, r.y + 30}));
  wxUIActionSimulator sim;
  std::vector<wxString> buttons;
  wxString text;
  // Two items of the menu have the mnemonic V: the second is "只更新注释到数据库(&V)".
  Later(
      [&] {
        sim.Char('v');
        sim.Char('v');
        sim.Char(WXK_RETURN);
      },
      800);
  // The box, once it shows: its buttons and text read, a screenshot, the offer clicked.
  int tries = 0;
  std::function<void()> answer = [&] {
    MessageDialog* box = nullptr;
    for (wxWindow* w : wxTopLevelWindows) {
      if (auto* found = dynamic_cast<MessageDialog*>(w); found != nullptr && found->IsShown())
        box = found;
    }
    if (box == nullptr) {
      if (++tries < 100) Later(answer, 100);
      return;
    }
    wxButton* offered = nullptr;
    for (wxWindow* child : box->GetChildren()) {
      if (auto* button = dynamic_cast<wxButton*>(child)) {
        buttons.push_back(button->GetLabel());
        if (offered == nullptr) offered = button;
      }
      if (auto* label = dynamic_cast<wxStaticText*>(child)) text = label->GetLabel();
    }
    PumpEvents(200);
    std::system("mkdir -p '" TABLORA_BUILD_DIR "/screenshots' && import -window root '"
                TABLORA_BUILD_DIR "/screenshots/access_comment_offer.png'");
    Click(offered);
    // A click that did not land must not leave the box open.
    Later([box] { if (box->IsModal()) box->EndModal(wxID_NO); }, 1500);
  };
  Later(answer, 1200);
  sim.MouseMove(at);
  PumpEvents(60);
  sim.MouseClick(wxMOUSE_BTN_RIGHT);
  ASSERT_TRUE(WaitFor([&] { return wxFileExists(saved); }, 8000));
  EXPECT_EQ((std::vector<wxString>{wxString::FromUTF8(u8"保存注释脚本"),
                                   wxString::FromUTF8(u8"关闭")}),
            buttons);
  text.Replace("\n", " ");  // the box wraps long lines at spaces
  EXPECT_EQ(wxString::FromUTF8(u8"MS Access 数据库只能读取: 本系统没有可写入 MS Access 文件的驱动 "
                               u8"可以保存注释脚本, 在 Windows 上运行它把字段说明写入数据库文件."),
            text);
  ASSERT_EQ(1u, prompts.fileDialogs.size());
  EXPECT_EQ(Cp936(u8"保存注释脚本"), prompts.fileDialogs[0].title);
  std::string bytes;
  ASSERT_TRUE(TextFile::ReadBytes(saved, bytes));
  const std::string written = TextCodec::Cp936ToUtf8(TextCodec::Utf16LeToCp936(bytes.substr(2)));
  EXPECT_NE(std::string::npos, written.find(u8"Describe \"Shippers\", \"CompanyName\", \"公司名称:送货公司\""))
      << written;
  EXPECT_NE(std::string::npos, written.find(u8"ScriptFullName), \"nwind.mdb\")")) << written;
  EXPECT_TRUE(prompts.messages.empty());

  database.state().sharedConnection->Close();
  database.state().connected = false;
  Frame().appState().databaseKind = kSqlServer;
  Frame().SetPrompts(nullptr);
  Frame().SetSession(nullptr);
  Frame().appState().designHasContent = false;
}

}  // namespace
}  // namespace tablora::testing
