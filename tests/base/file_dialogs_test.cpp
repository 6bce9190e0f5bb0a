#include "base/file_dialogs.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"

namespace tablora {
namespace {

TEST(FileDialogs, EachDialogHasItsTitleFiltersAndFolder) {
  const std::string design = "/home/li/designs/shop.sql";
  struct Case {
    FileDialogSpec spec;
    const char* title;
    std::vector<std::string> filters;
    std::string folder;
    std::string proposed;
  };
  const Case cases[] = {
      {FileDialogs::OpenDesign(design), u8"打开MSSQL脚本", {"sql", "mdb"}, "/home/li/designs", ""},
      {FileDialogs::OpenDesign(""), u8"打开MSSQL脚本", {"sql", "mdb"}, "", ""},
      {FileDialogs::SaveDesign(design, "shop.sql"), u8"保存为", {"sql", "txt"},
       "/home/li/designs", "shop.sql"},
      {FileDialogs::SaveTableScript(design, "t_order.txt"), u8"保存创建表的SQL语句",
       {"txt", "sql"}, "/home/li/designs", "t_order.txt"},
      {FileDialogs::SaveCommentScript(design, true, "Tablora_GroupComment.sql"),
       u8"产生分组信息", {"sql"}, "/home/li/designs", "Tablora_GroupComment.sql"},
      {FileDialogs::SaveCommentScript("", false, "Tablora_AllComment.sql"), u8"产生所有注释",
       {"sql"}, "", "Tablora_AllComment.sql"},
      {FileDialogs::SaveAccessCommentScript("/data/shop.mdb", "Tablora_AccessComment.vbs"),
       u8"保存注释脚本", {"vbs"}, "/data", "Tablora_AccessComment.vbs"},
      {FileDialogs::ExportPicture(design), u8"导出图片", {"png", "svg", "pdf"},
       "/home/li/designs", "shop.png"},
      {FileDialogs::ExportPicture(""), u8"导出图片", {"png", "svg", "pdf"}, "", "design.png"},
      {FileDialogs::ExportDictionary(design, "xlsx"), u8"导出数据字典", {"xlsx"},
       "/home/li/designs", "shop.xlsx"},
      {FileDialogs::ExportDictionary("", "md"), u8"导出数据字典", {"md"}, "", "design.md"},
      {FileDialogs::SaveCode("h", "TUser.h"), u8"产生C结构", {"h"}, "", "TUser.h"},
      {FileDialogs::SaveCode("java", ""), u8"产生Java类", {"java"}, "", ""},
      {FileDialogs::SaveCode("hpp", "TUser.hpp"), u8"产生C++类", {"hpp"}, "", "TUser.hpp"},
      {FileDialogs::ChooseAccessFile(), u8"选择MS Access数据库文件", {"mdb"}, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.spec.title, Cp936(c.title)) << c.title;
    EXPECT_EQ(c.spec.filters, c.filters) << c.title;
    EXPECT_EQ(c.spec.startFolder, c.folder) << c.title;
    EXPECT_EQ(c.spec.proposedName, c.proposed) << c.title;
  }
}

TEST(FileDialogs, FiltersNameTheirTypesMatchBothCasesAndEndWithAllFiles) {
  FileDialogSpec spec;
  spec.filters = {"sql", "mdb", "h", "html", "xyz"};
  const std::vector<FileFilter> expected = {
      {Cp936(u8"SQL 脚本 (*.sql)"), "*.sql;*.SQL"},
      {Cp936(u8"MS Access 数据库 (*.mdb)"), "*.mdb;*.MDB"},
      {Cp936(u8"C 头文件 (*.h)"), "*.h;*.H"},
      {Cp936(u8"HTML 网页 (*.html)"), "*.html;*.HTML"},
      {Cp936(u8"XYZ 文件 (*.xyz)"), "*.xyz;*.XYZ"},
      {Cp936(u8"所有文件 (*.*)"), "*"},
  };
  EXPECT_EQ(FileDialogs::Filters(spec), expected);
  EXPECT_EQ(FileDialogs::Filters(FileDialogSpec{}), std::vector<FileFilter>{expected.back()});
}

TEST(FileDialogs, ADialogStartsInItsOwnFolderElseTheLastOneElseHome) {
  FileDialogSpec own;
  own.startFolder = "/data/designs";
  const FileDialogSpec none;
  EXPECT_EQ(FileDialogs::StartFolder(own, "/tmp/last", "/home/li"), "/data/designs");
  EXPECT_EQ(FileDialogs::StartFolder(none, "/tmp/last", "/home/li"), "/tmp/last");
  EXPECT_EQ(FileDialogs::StartFolder(none, "", "/home/li"), "/home/li");
}

TEST(FileDialogs, ASavedNameWithoutExtensionGetsThatOfTheChosenFilter) {
  const FileDialogSpec spec = FileDialogs::SaveDesign("", "");
  const struct {
    std::string chosen;
    int filter;
    std::string saved;
  } cases[] = {
      {"/d/shop", 0, "/d/shop.sql"},
      {"/d/shop", 1, "/d/shop.txt"},
      {"/d/shop", 2, "/d/shop.txt"},  // all files: the default extension
      {"/d/shop.SQL", 1, "/d/shop.SQL"},
      {"/d/v1.2/shop", 0, "/d/v1.2/shop.sql"},
      {"/d/.profile", 0, "/d/.profile.sql"},
      {"/d/shop.", 0, "/d/shop.sql"},
      {"", 0, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileDialogs::SavedPath(c.chosen, spec, c.filter), c.saved) << c.chosen;
  }
  EXPECT_EQ(FileDialogs::SavedPath("/d/x", FileDialogSpec{}, 0), "/d/x") << "nothing to add";
}

TEST(FileDialogs, FolderOfAPath) {
  const std::pair<const char*, const char*> cases[] = {
      {"/home/li/shop.sql", "/home/li"}, {"/shop.sql", "/"}, {"shop.sql", ""}, {"", ""}};
  for (const auto& [path, folder] : cases) EXPECT_EQ(FileDialogs::FolderOf(path), folder) << path;
}

}  // namespace
}  // namespace tablora
