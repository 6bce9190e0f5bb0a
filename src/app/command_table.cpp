#include "app/command_table.h"

#include "base/gbk_text.h"
#include "base/text_codec.h"

namespace tablora {

namespace {

MenuEntry Command(int id, const char* captionUtf8 = nullptr) {
  MenuEntry entry;
  entry.kind = MenuEntry::kCommand;
  entry.id = id;
  if (captionUtf8 != nullptr) entry.caption = Cp936(captionUtf8);
  return entry;
}

MenuEntry Separator() {
  MenuEntry entry;
  entry.kind = MenuEntry::kSeparator;
  return entry;
}

MenuEntry Submenu(const char* captionUtf8, std::vector<MenuEntry> items) {
  MenuEntry entry;
  entry.kind = MenuEntry::kSubmenu;
  entry.caption = Cp936(captionUtf8);
  entry.items = std::move(items);
  return entry;
}

void CollectIds(const std::vector<MenuEntry>& menu, std::vector<int>& ids) {
  for (const MenuEntry& entry : menu) {
    if (entry.kind == MenuEntry::kCommand) ids.push_back(entry.id);
    if (entry.kind == MenuEntry::kSubmenu) CollectIds(entry.items, ids);
  }
}

}  // namespace

const CommandTable& CommandTable::Get() {
  static const CommandTable table;
  return table;
}

CommandTable::CommandTable() {
  using namespace cmd;
  struct Row {
    int id;
    const char* caption;
    const char* accelerator;
    bool checkable;
  };
  static const Row kRows[] = {
      {kNewTable, u8"新建表(&A)", "Ctrl+N", false},
      {kFileNew, u8"新建(&N)", "", false},
      {kFileSaveAs, u8"保存为(&S)...", "Ctrl+S", false},
      {kFileOpen, u8"打开MSSQL脚本(&O)...", "Ctrl+O", false},
      {kConnect, u8"连接数据库(ADO/ODBC)(&D)", "Ctrl+D", false},
      {kBrowseServers, u8"查看MS SQL Server数据库(&E)", "", false},
      {kFileClose, u8"关闭(&C)", "", false},
      {kPrint, u8"打印(&P)...", "Ctrl+P", false},
      {kPrintPreview, u8"打印预览(&V)", "", false},
      {kPrintSetup, u8"打印设置(&R)...", "", false},
      {kExportPicture, u8"导出图片(&G)...", "", false},
      {kExportDictionary, u8"导出数据字典(&Z)...", "", false},
      {kRecentFile1, u8"最近文件", "", false},
      {kExit, u8"退出(&X)", "", false},
      {kViewToolbar, u8"工具栏(&T)", "", true},
      {kViewStatusBar, u8"状态栏(&S)", "", true},
      {kWorkBox, u8"左边工作框(&L)", "Ctrl+L", true},
      {kZoomIn, u8"放大(&I)", "Ctrl++", false},
      {kZoomOut, u8"缩小(&O)", "Ctrl+-", false},
      {kZoomActual, u8"实际大小(&A)", "Ctrl+0", false},
      {kZoomFit, u8"适合窗口(&W)", "", false},
      {kShowRelations, u8"显示关系线(&R)", "", true},
      {kGenCStruct, u8"产生C结构(&C)", "", false},
      {kGenJavaClass, u8"产生Java类(&J)", "", false},
      {kGenCppClass, u8"产生C++类(&D)", "", false},
      {kSelectStatement, u8"SELECT语句(&S)", "", false},
      {kInsertStatement, u8"INSERT语句(&I)", "", false},
      {kGroupCommentScript, u8"产生分组信息(&A)", "", false},
      {kAllCommentScript, u8"产生所有注释(&B)", "", false},
      {kGroupCommentToDb, u8"更新分组信息到数据库(&C)", "", false},
      {kAllCommentToDb, u8"更新所有注释到数据库(&D)", "", false},
      {kMacroToJava, u8"C++宏转成Java定义(&A)", "", false},
      {kStructToTable, u8"C++结构转成表结构(&B)", "", false},
      {kArrange, u8"排列(&S)", "", false},
      {kTextColour, u8"字体颜色(&A)", "", false},
      {kBackColour, u8"背景颜色(&B)", "", false},
      {kDisplayStyles, u8"显示属性(&F)", "", false},
      {kWindowNew, u8"新建窗口(&N)", "", false},
      {kWindowCascade, u8"层叠(&C)", "", true},
      {kWindowTile, u8"平铺(&T)", "", true},
      {kWindowArrange, u8"排列图标(&A)", "", false},
      {kAbout, u8"关于 Tablora(&A)...", "", false},
      {kHelp, u8"使用说明文档(&B)", "", false},
      {kUndo, u8"撤销(&U)", "Ctrl+Z", false},
      {kRedo, u8"重做(&R)", "Ctrl+Y", false},
      {kFind, u8"查找(&F)...", "Ctrl+F", false},
      {kFindNext, u8"查找下一个(&N)", "F3", false},
      {kFindPrevious, u8"查找上一个(&V)", "Shift+F3", false},
  };
  for (const Row& row : kRows) {
    commands_.push_back({row.id, Cp936(row.caption), row.accelerator, row.checkable});
  }
  // The plus key without Shift and the keypad's keys zoom too.
  extraAccelerators_ = {{kNextPane, "", "F6", false},
                        {kPrevPane, "", "Shift+F6", false},
                        {kZoomIn, "", "Ctrl+=", false},
                        {kZoomIn, "", "Ctrl+Num +", false},
                        {kZoomOut, "", "Ctrl+Num -", false},
                        {kRedo, "", "Ctrl+Shift+Z", false}};

  emptyMenu_ = {
      Submenu(u8"文件(&F)", {Command(kFileNew), Command(kFileOpen, u8"打开(&O)..."), Separator(),
                             Command(kPrintSetup), Separator(), Command(kRecentFile1), Separator(),
                             Command(kExit)}),
      Submenu(u8"查看(&V)", {Command(kViewToolbar), Command(kViewStatusBar), Command(kWorkBox)}),
      Submenu(u8"帮助(&H)", {Command(kAbout)}),
  };
  documentMenu_ = {
      Submenu(u8"文件(&F)",
              {Command(kNewTable), Command(kFileSaveAs), Separator(), Command(kFileOpen),
               Command(kConnect), Command(kBrowseServers), Command(kFileClose), Separator(),
               Command(kPrint), Command(kPrintPreview), Command(kPrintSetup), Separator(),
               Command(kExportPicture), Command(kExportDictionary), Separator(),
               Command(kRecentFile1), Separator(), Command(kExit)}),
      Submenu(u8"编辑(&E)", {Command(kUndo), Command(kRedo), Separator(), Command(kFind),
                             Command(kFindNext), Command(kFindPrevious)}),
      Submenu(u8"查看(&V)", {Command(kViewToolbar), Command(kViewStatusBar), Separator(),
                             Command(kWorkBox), Command(kShowRelations), Separator(),
                             Command(kZoomIn), Command(kZoomOut), Command(kZoomActual),
                             Command(kZoomFit)}),
      Submenu(u8"产生(&D)",
              {Command(kGenCStruct), Command(kGenJavaClass), Command(kGenCppClass), Separator(),
               Submenu(u8"产生SQL语句(&A)", {Command(kSelectStatement), Command(kInsertStatement)}),
               Separator(),
               Submenu(u8"产生注释(B)", {Command(kGroupCommentScript), Command(kAllCommentScript),
                                         Command(kGroupCommentToDb), Command(kAllCommentToDb)}),
               Separator(),
               Submenu(u8"其他功能(&O)", {Command(kMacroToJava), Command(kStructToTable)})}),
      Submenu(u8"显示(&S)", {Command(kArrange), Separator(),
                             Submenu(u8"颜色(&C)", {Command(kTextColour), Command(kBackColour)}),
                             Command(kDisplayStyles)}),
      Submenu(u8"窗口(&W)", {Command(kWindowNew), Command(kWindowCascade), Command(kWindowTile),
                             Command(kWindowArrange)}),
      Submenu(u8"帮助(&H)", {Command(kAbout), Command(kHelp)}),
  };
  toolbar_ = {kNewTable, kFileOpen, kFileSaveAs,    0,           kUndo,       kRedo, 0,
              kPrint,    0,         kWorkBox, kShowRelations, kTextColour, kBackColour, kAbout};
}

const CommandInfo* CommandTable::Find(int id) const {
  for (const CommandInfo& info : commands_) {
    if (info.id == id) return &info;
  }
  for (const CommandInfo& info : extraAccelerators_) {
    if (info.id == id) return &info;
  }
  return nullptr;
}

std::string CommandTable::MenuLabel(const MenuEntry& entry) const {
  if (entry.kind != MenuEntry::kCommand) return entry.caption;
  const CommandInfo* info = Find(entry.id);
  std::string label = !entry.caption.empty() || info == nullptr ? entry.caption : info->caption;
  if (info != nullptr && !info->accelerator.empty()) label += "\t" + info->accelerator;
  return label;
}

std::vector<int> CommandTable::CommandIds(const std::vector<MenuEntry>& menu) {
  std::vector<int> ids;
  CollectIds(menu, ids);
  return ids;
}

std::string CommandTable::PlainCaption(const std::string& caption) {
  std::string plain;
  for (std::size_t i = 0; i < caption.size();) {
    const unsigned char c = static_cast<unsigned char>(caption[i]);
    if (const std::size_t size = gbk::CharSize(caption, i); size > 1) {
      plain.append(caption, i, size);
      i += size;
      continue;
    }
    // "(&X)" disappears whole; a lone "&" marks the next character.
    if (c == '(' && i + 3 < caption.size() && caption[i + 1] == '&' && caption[i + 3] == ')') {
      i += 4;
      continue;
    }
    if (c != '&') plain.push_back(static_cast<char>(c));
    ++i;
  }
  while (plain.size() >= 3 && plain.compare(plain.size() - 3, 3, "...") == 0) {
    plain.resize(plain.size() - 3);
  }
  return plain;
}

}  // namespace tablora
