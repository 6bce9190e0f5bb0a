#include "doc/html_dictionary_writer.h"

#include <gtest/gtest.h>

namespace tablora {
namespace {

TEST(HtmlDictionaryWriter, ThePictureInlineAndScalable) {
  const std::pair<const char*, const char*> cases[] = {
      {"<?xml version=\"1.0\"?>\n<!DOCTYPE svg>\n<svg width=\"120\" height=\"80\" "
       "version=\"1.1\">\n<g/></svg>\n",
       "<svg viewBox=\"0 0 120 80\" width=\"120\" height=\"80\" version=\"1.1\">\n<g/></svg>\n"},
      {"<svg viewBox=\"0 0 5 5\" width=\"10\" height=\"10\"></svg>",
       "<svg viewBox=\"0 0 5 5\" width=\"10\" height=\"10\"></svg>"},
      {"<svgx/><svg width='2.5' height='4'/>", "<svg viewBox=\"0 0 2.5 4\" width='2.5' height='4'/>"},
      {"<svg>", "<svg>"},
      {"<?xml version=\"1.0\"?><html/>", ""},
      {"", ""},
  };
  for (const auto& [svg, inline_] : cases) EXPECT_EQ(HtmlDictionaryWriter::InlineSvg(svg), inline_);
  EXPECT_EQ(HtmlDictionaryWriter::Escape(u8"<a href=\"x\">&订单</a>"),
            u8"&lt;a href=&quot;x&quot;&gt;&amp;订单&lt;/a&gt;");
}

}  // namespace
}  // namespace tablora
