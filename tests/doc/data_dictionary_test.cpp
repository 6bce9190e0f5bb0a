#include "doc/data_dictionary.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"
#include "support/editor_settings.h"

namespace tablora {
namespace {

using testing::EditorSettings;

TableDesign Table(const char* actual, const char* display, const char* group,
                  const char* owner = "dbo", const char* comment = "") {
  TableDesign t;
  t.actualName = Cp936(actual);
  t.displayName = Cp936(display);
  t.group = Cp936(group);
  t.owner = owner;
  t.comment = Cp936(comment);
  return t;
}

ColumnDesign Reference(const char* actual, const char* table, const char* owner = "") {
  ColumnDesign c;
  c.actualName = actual;
  c.typeName = "int";
  c.foreignKey = true;
  c.foreignKeyRef = std::make_unique<ForeignKeyRef>(ForeignKeyRef{"FK", table, "id", owner});
  return c;
}

/// "group: table table | group: table" in document order.
std::string Outline(const DataDictionary& d) {
  std::string out;
  for (const DataDictionary::Group& g : d.groups()) {
    out += (out.empty() ? "" : " | ") + g.name + ":";
    for (const int t : g.tables) out += " " + d.tables()[t].actualName;
  }
  return out;
}

TEST(DataDictionary, GroupsInTreeOrderAndTheGroupFilter) {
  std::vector<TableDesign> tables = {
      Table("orders", u8"订单", u8"销售"), Table("log", "", ""), Table("users", u8"用户", u8"基础"),
      Table("items", u8"明细", u8"销售"), Table("", u8"新表", ""),  // a new table not yet built
      Table("notes", "", u8"其他表")};
  const struct {
    const char* group;
    const char* outline;
  } cases[] = {
      {"", u8"销售: orders items | 其他表: log notes | 基础: users"},
      {u8"其他表", u8"其他表: log notes"},
      {u8"基础", u8"基础: users"},
      {u8"没有", ""},
  };
  for (const auto& c : cases) {
    const DataDictionary d(tables, EditorSettings(), Cp936(c.group), "T");
    EXPECT_EQ(Outline(d), c.outline) << c.group;
  }
  std::vector<std::string> names;
  for (const std::string& name : DataDictionary::GroupNames(tables)) {
    names.push_back(TextCodec::Cp936ToUtf8(name));
  }
  EXPECT_EQ(names, (std::vector<std::string>{u8"销售", u8"其他表", u8"基础"}));
}

TEST(DataDictionary, TableTextsAndAnchors) {
  std::vector<TableDesign> tables = {
      Table("orders", u8"订单", u8"销售", "dbo", u8"客户订单(组)销售"),
      Table("log", "", "", "", u8"日志(组)旧组"),
      Table("orders", "orders", u8"销售", "sales"),
      Table(u8"用户.表", "", u8"销售"),
  };
  const DataDictionary d(tables, EditorSettings(), "", Cp936(u8"标题"));
  EXPECT_EQ(d.title(), u8"标题");
  struct Expected {
    const char* heading;
    const char* comment;
    const char* group;
    const char* anchor;
  };
  const Expected expected[] = {
      {u8"订单 (orders)", u8"客户订单", u8"销售", "table-orders"},
      {"orders", "", u8"销售", "table-orders-2"},
      {u8"用户.表", "", u8"销售", "table-.D3.C3.BB.A7.2E.B1.ED"},
      {"log", u8"日志(组)旧组", u8"其他表", "table-log"},
  };
  ASSERT_EQ(d.tables().size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(d.tables()[i].Heading(), expected[i].heading);
    EXPECT_EQ(d.tables()[i].comment, expected[i].comment);
    EXPECT_EQ(d.tables()[i].group, expected[i].group);
    EXPECT_EQ(d.tables()[i].anchor, expected[i].anchor);
  }
  EXPECT_EQ(TextCodec::Cp936ToUtf8(DataDictionary::DefaultTitle(u8"/home/li/商店.sql")),
            u8"商店 数据字典");
  EXPECT_EQ(TextCodec::Cp936ToUtf8(DataDictionary::DefaultTitle("")), u8"数据字典");
}

TEST(DataDictionary, ColumnRowsWithTheGridsCaptionsTextsAndReferences) {
  std::vector<TableDesign> tables = {Table("orders", "", u8"销售"), Table("Users", "", u8"销售"),
                                     Table("users", "", u8"销售", "sales"),
                                     Table("stock", "", u8"库存")};
  TableDesign& orders = tables[0];
  ColumnDesign id;
  id.actualName = "id";
  id.displayName = Cp936(u8"编号");
  id.typeName = "decimal";
  id.length = 10;
  id.scale = 2;
  id.identity = "IDENTITY (1,1)";
  id.primaryKey = true;
  id.defaultValue = "0";
  id.note = Cp936(u8"主键 | 唯一");
  orders.columns.push_back(std::move(id));
  orders.columns.push_back(Reference("user_id", "Users"));          // same name and owner
  orders.columns.push_back(Reference("seller_id", "users", "sales"));  // the owner named
  orders.columns.push_back(Reference("buyer_id", "USERS"));         // the name in another case
  orders.columns.push_back(Reference("stock_id", "stock"));         // filtered out
  orders.columns.push_back(Reference("gone_id", "gone"));           // not in the design
  orders.columns.back().nullable = true;

  const DataDictionary d(tables, EditorSettings(), Cp936(u8"销售"), "");
  std::vector<std::string> captions(d.captions().begin(), d.captions().end());
  EXPECT_EQ(captions, (std::vector<std::string>{u8"行", u8"名称", u8"实际名称", u8"数据类型",
                                                u8"允许空", u8"自动增长", u8"默认值", u8"主键",
                                                u8"外键", u8"说明"}));
  const struct {
    std::vector<std::string> cells;
    int reference;
  } expected[] = {
      {{"1", u8"编号", "id", "decimal(10,2)", "No", "Yes", "0", "Yes", "", u8"主键 | 唯一"}, -1},
      {{"2", "user_id", "user_id", "int", "No", "No", "", "No", "Users.id", ""}, 1},
      {{"3", "seller_id", "seller_id", "int", "No", "No", "", "No", "users.id", ""}, 2},
      {{"4", "buyer_id", "buyer_id", "int", "No", "No", "", "No", "USERS.id", ""}, 1},
      {{"5", "stock_id", "stock_id", "int", "No", "No", "", "No", "stock.id", ""}, -1},
      {{"6", "gone_id", "gone_id", "int", "Yes", "No", "", "No", "gone.id", ""}, -1},
  };
  ASSERT_EQ(d.ColumnCount(0), 6);
  EXPECT_EQ(d.totalColumns(), 6u);
  for (int c = 0; c < 6; ++c) {
    const DataDictionary::Row row = d.ColumnRow(0, c);
    EXPECT_EQ(std::vector<std::string>(row.cells.begin(), row.cells.end()), expected[c].cells);
    EXPECT_EQ(row.reference, expected[c].reference) << c;
  }
}

}  // namespace
}  // namespace tablora
