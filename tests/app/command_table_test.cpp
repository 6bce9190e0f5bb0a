#include "app/command_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "base/text_codec.h"

namespace tablora {
namespace {

std::string Utf8(const std::string& cp936) { return TextCodec::Cp936ToUtf8(cp936); }

/// The menu as one line: submenus as caption[...], separators as "-", commands by id.
std::string Render(const std::vector<MenuEntry>& menu) {
  std::string out;
  for (const MenuEntry& entry : menu) {
    if (!out.empty()) out += ",";
    switch (entry.kind) {
      case MenuEntry::kSeparator:
        out += "-";
        break;
      case MenuEntry::kCommand:
        out += std::to_string(entry.id);
        break;
      case MenuEntry::kSubmenu:
        out += Utf8(entry.caption) + "[" + Render(entry.items) + "]";
        break;
    }
  }
  return out;
}

const CommandTable& Table() { return CommandTable::Get(); }

TEST(CommandTableMenus, DocumentMenuHasTheFullStructureInOrder) {
  EXPECT_EQ(Render(Table().MainMenu(true)),
            u8"文件(&F)[32771,57604,-,57601,32812,32817,57602,-,57607,57609,57606,-,32900,32901,-,57616,-,57665],"
            u8"编辑(&E)[57643,57644,-,57636,57637,32902],"
            u8"查看(&V)[59392,59393,-,32818,32920,-,32910,32911,32912,32913],"
            u8"产生(&D)[32775,32776,32781,-,产生SQL语句(&A)[32784,32801],-,"
            u8"产生注释(B)[32824,32825,32823,32826],-,其他功能(&O)[32821,32828]],"
            u8"显示(&S)[32780,-,颜色(&C)[32779,32805],32810],"
            u8"窗口(&W)[57648,57650,57651,57649],"
            u8"帮助(&H)[57664,32809]");
}

TEST(CommandTableMenus, EmptyMenuIsTheShortOne) {
  EXPECT_EQ(Render(Table().MainMenu(false)),
            u8"文件(&F)[57600,57601,-,57606,-,57616,-,57665],"
            u8"查看(&V)[59392,59393,32818],"
            u8"帮助(&H)[57664]");
}

TEST(CommandTableMenus, OpenIsCaptionedPerMenu) {
  const MenuEntry& openInDocumentMenu = Table().MainMenu(true)[0].items[3];
  const MenuEntry& openInEmptyMenu = Table().MainMenu(false)[0].items[1];
  ASSERT_EQ(openInDocumentMenu.id, cmd::kFileOpen);
  ASSERT_EQ(openInEmptyMenu.id, cmd::kFileOpen);
  EXPECT_EQ(Utf8(Table().MenuLabel(openInDocumentMenu)), u8"打开MSSQL脚本(&O)...\tCtrl+O");
  EXPECT_EQ(Utf8(Table().MenuLabel(openInEmptyMenu)), u8"打开(&O)...\tCtrl+O");
}

TEST(CommandTableMenus, EveryMenuCommandHasACaptionAndAppearsOncePerMenu) {
  for (bool documentOpen : {false, true}) {
    const std::vector<int> ids = CommandTable::CommandIds(Table().MainMenu(documentOpen));
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), ids.size());
    for (int id : ids) {
      const CommandInfo* info = Table().Find(id);
      ASSERT_NE(info, nullptr) << id;
      EXPECT_FALSE(info->caption.empty()) << id;
    }
  }
  EXPECT_EQ(CommandTable::CommandIds(Table().MainMenu(true)).size(), 47u);
  EXPECT_EQ(CommandTable::CommandIds(Table().MainMenu(false)).size(), 9u);
}

TEST(CommandTableMenus, CaptionsAreTheProgramsTexts) {
  const std::pair<int, const char*> expected[] = {
      {cmd::kNewTable, u8"新建表(&A)"},
      {cmd::kFileNew, u8"新建(&N)"},
      {cmd::kFileSaveAs, u8"保存为(&S)..."},
      {cmd::kConnect, u8"连接数据库(ADO/ODBC)(&D)"},
      {cmd::kBrowseServers, u8"查看MS SQL Server数据库(&E)"},
      {cmd::kPrintSetup, u8"打印设置(&R)..."},
      {cmd::kExportPicture, u8"导出图片(&G)..."},
      {cmd::kExportDictionary, u8"导出数据字典(&Z)..."},
      {cmd::kRecentFile1, u8"最近文件"},
      {cmd::kWorkBox, u8"左边工作框(&L)"},
      {cmd::kGenCppClass, u8"产生C++类(&D)"},
      {cmd::kAllCommentToDb, u8"更新所有注释到数据库(&D)"},
      {cmd::kMacroToJava, u8"C++宏转成Java定义(&A)"},
      {cmd::kWindowArrange, u8"排列图标(&A)"},
      {cmd::kAbout, u8"关于 Tablora(&A)..."},
      {cmd::kHelp, u8"使用说明文档(&B)"},
      {cmd::kZoomFit, u8"适合窗口(&W)"},
  };
  for (const auto& [id, caption] : expected) {
    ASSERT_NE(Table().Find(id), nullptr) << id;
    EXPECT_EQ(Utf8(Table().Find(id)->caption), caption) << id;
  }
  EXPECT_EQ(Table().Find(12345), nullptr);
}

TEST(CommandTableMenus, OnlyTheBarTogglesAndTheWindowArrangementCarryCheckMarks) {
  std::set<int> checkable;
  for (const CommandInfo& info : Table().commands()) {
    if (info.checkable) checkable.insert(info.id);
  }
  EXPECT_EQ(checkable, (std::set<int>{cmd::kWorkBox, cmd::kShowRelations, cmd::kViewToolbar,
                                      cmd::kViewStatusBar, cmd::kWindowCascade,
                                      cmd::kWindowTile}));
}

TEST(CommandTableKeys, AcceleratorsAreTheCommandKeysThePaneKeysAndTheZoomKeys) {
  std::map<std::string, int> keys;
  for (const CommandInfo& info : Table().commands()) {
    if (!info.accelerator.empty()) {
      EXPECT_TRUE(keys.emplace(info.accelerator, info.id).second);
    }
  }
  for (const CommandInfo& info : Table().ExtraAccelerators()) {
    EXPECT_TRUE(keys.emplace(info.accelerator, info.id).second);
  }
  const std::map<std::string, int> expected = {
      {"Ctrl+N", cmd::kNewTable},    {"Ctrl+O", cmd::kFileOpen},   {"Ctrl+S", cmd::kFileSaveAs},
      {"Ctrl+D", cmd::kConnect},     {"Ctrl+L", cmd::kWorkBox},    {"Ctrl+P", cmd::kPrint},
      {"F6", cmd::kNextPane},        {"Shift+F6", cmd::kPrevPane}, {"Ctrl++", cmd::kZoomIn},
      {"Ctrl+=", cmd::kZoomIn},      {"Ctrl+Num +", cmd::kZoomIn}, {"Ctrl+-", cmd::kZoomOut},
      {"Ctrl+Num -", cmd::kZoomOut}, {"Ctrl+0", cmd::kZoomActual},
      {"Ctrl+Z", cmd::kUndo},        {"Ctrl+Y", cmd::kRedo},       {"Ctrl+Shift+Z", cmd::kRedo},
      {"Ctrl+F", cmd::kFind},        {"F3", cmd::kFindNext},       {"Shift+F3", cmd::kFindPrevious}};
  EXPECT_EQ(keys, expected);
}

TEST(CommandTableKeys, MenuLabelAppendsTheAcceleratorAfterATab) {
  MenuEntry newTable;
  newTable.id = cmd::kNewTable;
  EXPECT_EQ(Utf8(Table().MenuLabel(newTable)), u8"新建表(&A)\tCtrl+N");
  MenuEntry about;
  about.id = cmd::kAbout;
  EXPECT_EQ(Utf8(Table().MenuLabel(about)), u8"关于 Tablora(&A)...");
  MenuEntry submenu;
  submenu.kind = MenuEntry::kSubmenu;
  submenu.caption = Cp936(u8"颜色(&C)");
  EXPECT_EQ(Utf8(Table().MenuLabel(submenu)), u8"颜色(&C)");
}

TEST(CommandTableToolbar, ButtonsInOrderWithSeparators) {
  EXPECT_EQ(Table().Toolbar(),
            (std::vector<int>{32771, 57601, 57604, 0, 57643, 57644, 0, 57607, 0, 32818, 32920,
                              32779, 32805, 57664}));
}

TEST(CommandTableCaptions, PlainCaptionDropsMnemonicsAndEllipsis) {
  const std::pair<const char*, const char*> cases[] = {
      {u8"保存为(&S)...", u8"保存为"},
      {u8"连接数据库(ADO/ODBC)(&D)", u8"连接数据库(ADO/ODBC)"},
      {u8"产生注释(B)", u8"产生注释(B)"},
      {u8"关于 Tablora(&A)...", u8"关于 Tablora"},
      {u8"E&xit", u8"Exit"},
      {u8"最近文件", u8"最近文件"},
      {u8"", u8""},
  };
  for (const auto& [caption, plain] : cases) {
    EXPECT_EQ(Utf8(CommandTable::PlainCaption(Cp936(caption))), plain) << caption;
  }
}

}  // namespace
}  // namespace tablora
