#include "base/document_titles.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"

namespace tablora {
namespace {

std::string Utf8(const std::string& cp936) { return TextCodec::Cp936ToUtf8(cp936); }

TEST(DocumentTitles, FirstTwoUntitledDocumentsBecomeTheTwoViews) {
  EXPECT_EQ(DocumentTitles::UntitledName(1), "TabloraD1");
  EXPECT_EQ(Utf8(DocumentTitles::TitleOfNewDocument("TabloraD1")), u8"表视图");
  EXPECT_EQ(Utf8(DocumentTitles::TitleOfNewDocument("TabloraD2")), u8"存储过程视图");
  EXPECT_EQ(DocumentTitles::TitleOfNewDocument("TabloraD3"), "TabloraD3");
  EXPECT_EQ(DocumentTitles::TitleOfNewDocument("TabloraD12"), "TabloraD12");
  EXPECT_EQ(DocumentTitles::TitleOfNewDocument("TabloraD11"), "TabloraD11");
}

TEST(DocumentTitles, FrameTitleFollowsTheActiveDocument) {
  EXPECT_EQ(DocumentTitles::FrameTitle(""), "Tablora");
  EXPECT_EQ(Utf8(DocumentTitles::FrameTitle(DocumentTitles::DesignView())), u8"Tablora - 表视图");
  EXPECT_EQ(Utf8(DocumentTitles::FrameTitle(DocumentTitles::DesignView(), true)),
            u8"Tablora - 表视图 *");
}

TEST(DocumentTitles, TitlesCompareIgnoringAsciiCaseOnly) {
  EXPECT_TRUE(DocumentTitles::SameTitle("TabloraD3", "tablorad3"));
  EXPECT_TRUE(DocumentTitles::SameTitle(DocumentTitles::DesignView(), Cp936(u8"表视图")));
  EXPECT_FALSE(
      DocumentTitles::SameTitle(DocumentTitles::DesignView(), DocumentTitles::ProcedureView()));
  EXPECT_FALSE(DocumentTitles::SameTitle("TabloraD1", "TabloraD"));
}

TEST(DocumentTitles, SaveQuestionNamesTheFile) {
  EXPECT_EQ(Utf8(DocumentTitles::SaveQuestion("/home/u/db.sql")),
            u8"将改动保存到 /home/u/db.sql？");
  // A name that itself holds "%1" is inserted as it is.
  EXPECT_EQ(Utf8(DocumentTitles::SaveQuestion("a%1b")), u8"将改动保存到 a%1b？");
}

}  // namespace
}  // namespace tablora
