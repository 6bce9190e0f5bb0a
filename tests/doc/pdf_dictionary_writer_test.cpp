#include "doc/pdf_dictionary_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <regex>

#include "base/text_codec.h"
#include "support/editor_settings.h"
#include "support/temp_folder.h"

namespace tablora {
namespace {

std::string Output(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    ::pclose(pipe);
  }
  return out;
}

TableDesign Table(const std::string& actual, const char* display, const char* group, int columns,
                  const char* note = "") {
  TableDesign t;
  t.actualName = actual;
  t.displayName = Cp936(display);
  t.group = Cp936(group);
  for (int c = 0; c < columns; ++c) {
    ColumnDesign column;
    column.actualName = actual + "_c" + std::to_string(c);
    column.typeName = "varchar";
    column.length = 20;
    column.note = Cp936(note);
    t.columns.push_back(std::move(column));
  }
  return t;
}

TEST(PdfDictionaryWriter, ContentsPointAtEachTablesPageAndLongTablesContinueUnderTheirHeader) {
  const char* note =
      u8"这一段说明很长, 在它的格子里要折成好几行才放得下, 行高随之变高 wrapped words end here";
  const std::vector<TableDesign> tables = {
      Table("t_long", u8"长表", u8"甲组", 120), Table("t_short", u8"短表", u8"乙组", 2),
      Table("t_noted", u8"注释表", u8"甲组", 3, note), Table("t_empty", u8"空表", "", 0)};
  const DataDictionary dictionary(tables, testing::EditorSettings(), "", Cp936(u8"测试字典"));
  testing::TempFolder dir;
  const std::string pdf = dir.path().string() + "/d.pdf";
  std::string error;
  ASSERT_TRUE(PdfDictionaryWriter::Write(dictionary, nullptr, pdf, &error)) << error;

  const auto page = [&](int n) {
    return Output("pdftotext -q -f " + std::to_string(n) + " -l " + std::to_string(n) + " " +
                  pdf + " -");
  };
  EXPECT_NE(page(1).find(u8"测试字典"), std::string::npos);
  EXPECT_NE(page(1).find(u8"4 个表, 3 个分组, 125 列"), std::string::npos);

  // Every table's contents line gives the page its heading opens.
  const std::string contents = Output("pdftotext -q -layout -f 2 -l 2 " + pdf + " -");
  std::map<std::string, int> pages;
  const std::regex line(R"(^\s*(\S.*?\S|\S)\s{2,}(\d+)\s*$)");
  std::smatch m;
  for (std::size_t from = 0, end; (end = contents.find('\n', from)) != std::string::npos;
       from = end + 1) {
    const std::string text = contents.substr(from, end - from);
    if (std::regex_match(text, m, line)) pages[m[1]] = std::stoi(m[2]);
  }
  const std::pair<const char*, const char*> headings[] = {{u8"长表 (t_long)", u8"长表"},
                                                          {u8"注释表 (t_noted)", u8"注释表"},
                                                          {u8"短表 (t_short)", u8"短表"},
                                                          {u8"空表 (t_empty)", u8"空表"}};
  int previous = 2;
  for (const auto& [entry, heading] : headings) {
    SCOPED_TRACE(entry);
    ASSERT_EQ(pages.count(entry), 1u) << contents;
    EXPECT_GT(pages[entry], previous) << "tables in contents order, each from a new page";
    EXPECT_EQ(page(pages[entry]).rfind(heading, 0), 0u) << page(pages[entry]);
    previous = pages[entry];
  }
  // The long table runs over more pages, each with the header row and a note that it
  // continues; its last column is on the page before the next table.
  const int longPages = pages[u8"注释表 (t_noted)"] - pages[u8"长表 (t_long)"];
  EXPECT_GE(longPages, 2);
  for (int p = pages[u8"长表 (t_long)"] + 1; p < pages[u8"注释表 (t_noted)"]; ++p) {
    const std::string text = page(p);
    EXPECT_EQ(text.rfind(u8"长表 (t_long) (续)", 0), 0u) << text;
    EXPECT_NE(text.find(u8"实际名称"), std::string::npos) << text;
  }
  EXPECT_NE(page(pages[u8"注释表 (t_noted)"] - 1).find("t_long_c119"), std::string::npos);
  const std::string all = Output("pdftotext -q " + pdf + " -");
  for (int c = 0; c < 120; ++c) {
    EXPECT_TRUE(std::regex_search(all, std::regex("t_long_c" + std::to_string(c) + "\\b"))) << c;
  }
  // A note too long for its cell is folded into several lines, all of it kept.
  const std::string noted = page(pages[u8"注释表 (t_noted)"]);
  EXPECT_NE(noted.find(u8"这一段说明很长"), std::string::npos) << noted;
  EXPECT_NE(noted.find("end here"), std::string::npos) << noted;
  EXPECT_NE(page(pages[u8"空表 (t_empty)"]).find(u8"(没有列)"), std::string::npos);
  EXPECT_EQ(Output("pdfinfo " + pdf + " | sed -n 's/^Pages: *//p'"),
            std::to_string(pages[u8"空表 (t_empty)"]) + "\n")
      << "the last table's page is the last page";
}

}  // namespace
}  // namespace tablora
