#include "doc/sheet_names.h"

#include <gtest/gtest.h>

namespace tablora {
namespace {

TEST(SheetNames, ValidUniqueNamesInTheOrderAsked) {
  SheetNames names;
  const std::pair<const char*, const char*> cases[] = {
      {u8"目录", u8"目录"},
      {"orders", "orders"},
      {"ORDERS", "ORDERS~2"},  // names are compared ignoring case
      {"orders", "orders~3"},
      {"a/b\\c?d*e[f]g:h", "a_b_c_d_e_f_g_h"},
      {"'quoted'", "_quoted_"},
      {"purchase_order_approval_history_detail", "purchase_order_approval_history"},
      {"purchase_order_approval_history_summary", "purchase_order_approval_histo~2"},
      // 31 characters, not bytes: a Chinese name is cut between characters.
      {u8"一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三",
       u8"一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一"},
      {"history", "history~2"},  // kept by the spreadsheet programs
      {"", "Sheet"},
      {"", "Sheet~2"},
  };
  for (const auto& [wanted, given] : cases) EXPECT_EQ(names.Add(wanted), given) << wanted;
}

}  // namespace
}  // namespace tablora
