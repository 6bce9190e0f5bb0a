// The generated scripts every open benchmark reads: `tables` tables of 20 columns each,
// laid out as the writer saves them (header with layout block, table texts, then the
// ALTER TABLE statements), CR LF line ends.
#pragma once

#include <string>
#include <vector>

#include "base/text_codec.h"
#include "base/text_file.h"
#include "model/layout_block.h"

namespace tablora::bench {

inline std::string GeneratedScript(int tables) {
  const std::string display = Cp936(u8"显示名");
  const std::string note = Cp936(u8"说明, 含逗号");
  std::vector<LayoutRecord> layout;
  std::string body, extra;
  for (int t = 0; t < tables; ++t) {
    layout.push_back({t * 160 % 3000, t / 18 * 170, 0x000000FF, 0x0080FF80});
    const std::string name = "t" + std::to_string(t);
    body += "CREATE TABLE [dbo].[" + name + "] (\t\t\t--" + display + ":" + note + "\n";
    for (int c = 0; c < 20; ++c) {
      const std::string col = "col" + std::to_string(c);
      if (c == 0) {
        body += "[" + col + "] [int] IDENTITY (1,1) NOT NULL ,  --" + display + ":" + note + "\n";
      } else if (c % 3 == 0) {
        body += "[" + col + "] [decimal](10,2) DEFAULT (0) NULL ,  --" + display + ":\n";
      } else {
        body += "[" + col + "] [varchar](50) NULL " + std::string(c == 19 ? "  " : ",  ") + "--" +
                note + "\n";
      }
    }
    body += ") ON [PRIMARY]\n\n";
    extra += "\n\nALTER TABLE [dbo].[" + name + "] WITH NOCHECK ADD\nCONSTRAINT [PK_" + name +
             "] PRIMARY KEY  CLUSTERED\n(\n[col0]\n)\nON [PRIMARY]\nGO\n\n";
  }
  const std::string encoded = LayoutBlock::Encode(layout);
  return TextFile::ToCrLf("/* TABLORA V1.5 :" + std::to_string(encoded.size()) + ":" + encoded +
                          "      */\n\n\n\n\n\n\n\n" + body + extra);
}

}  // namespace tablora::bench
