#include "doc/dictionary_export.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "doc/dictionary_picture.h"
#include "support/editor_settings.h"

namespace tablora {
namespace {

// A Markdown dictionary keeps its picture in a file beside it; written into a device there is
// no folder of its own to put one in, so the picture is left out rather than written as
// "/dev/null.svg".
TEST(DictionaryExport, MarkdownIntoADeviceLeavesThePictureOut) {
  std::vector<TableDesign> tables(1);
  tables[0].actualName = "orders";
  DictionaryOptions options;
  options.format = DictionaryFormat::kMarkdown;
  DictionaryPicture picture;
  picture.svg = "<svg xmlns=\"http://www.w3.org/2000/svg\"/>";
  std::string error;
  ASSERT_TRUE(DictionaryExport::Write(tables, testing::EditorSettings(), options, "/dev/null",
                                      &picture, &error))
      << error;
  EXPECT_FALSE(std::filesystem::exists("/dev/null.svg"));
}

}  // namespace
}  // namespace tablora
