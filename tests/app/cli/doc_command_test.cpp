#include <gtest/gtest.h>

#include "cli_test.h"

namespace tablora::testing {
namespace {

class DocCommand : public CliTest {};

TEST_F(DocCommand, EachFormatWithoutADisplayAndEachMistakeWithItsMessage) {
  const std::string design = Fixture("writer_sample.sql");
  const struct {
    std::string args;
    int exitCode;
    const char* err;    // the start of standard error
    const char* out;    // the file written, "-" for standard output, or "" for none
    const char* start;  // how that file starts
  } cases[] = {
      {"html " + design + " d.html", 0, "", "d.html", "<!DOCTYPE html>"},
      {"md " + design + u8" d.md --group 销售 --title 销售表", 0, "", "d.md", u8"# 销售表\n"},
      {"xlsx " + design + " d.xlsx", 0, "", "d.xlsx", "PK\x03\x04"},
      {"pdf " + design + " d.pdf", 0, "", "d.pdf", "%PDF-"},
      // The workbook replaces a file as the text formats do, and goes to standard output.
      {"xlsx " + design + " d.xlsx --title again", 0, "", "d.xlsx", "PK\x03\x04"},
      {"xlsx " + design + " -", 0, "", "-", "PK\x03\x04"},
      {"docx " + design + " d.docx", 2, "tablora-cli doc: unknown format 'docx'", "", ""},
      {"html " + design, 2, "usage: tablora-cli doc", "", ""},
      {"html " + design + " e.html --title", 2, "tablora-cli doc: --title needs a text", "", ""},
      {"html missing.sql e.html", 1, u8"无法读取文件! ", "", ""},
      {"html " + design + u8" e.html --group 没有", 1,
       u8"tablora-cli: 设计中没有这个分组: 没有\n", "", ""},
      {"pdf " + design + " no/such/folder/e.pdf", 1, u8"tablora-cli: 无法写入文件: ", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const CliRun run = RunProgram("env", "-u DISPLAY '" + std::string(TABLORA_CLI) + "' doc " + c.args);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.err.rfind(c.err, 0), 0u) << run.err;
    if (std::string(c.out) == "-") {
      EXPECT_EQ(run.out.rfind(c.start, 0), 0u);
      EXPECT_GT(run.out.size(), 4000u);
    } else if (*c.out != '\0') {
      EXPECT_EQ(Read(dir / c.out).rfind(c.start, 0), 0u);
    }
  }
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos)
        << "left behind: " << entry.path();
  }
  // The group and the title: the tables of that group only.
  const std::string md = Read(dir / "d.md");
  EXPECT_NE(md.find(u8"### 订单 (t\\_order)"), std::string::npos) << md;
  EXPECT_NE(md.find(u8"| t\\_user.id |"), std::string::npos) << "a reference out of the group";
  EXPECT_EQ(md.find("t\\_user"), md.find(u8"| t\\_user.id |") + 2) << "the only mention";
  EXPECT_FALSE(std::filesystem::exists(dir / "e.html"));
  EXPECT_NE(Read(dir / "d.html").find(u8"<title>writer_sample 数据字典</title>"), std::string::npos);
}

}  // namespace
}  // namespace tablora::testing
