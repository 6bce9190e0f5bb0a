#include <gtest/gtest.h>
#include <sys/stat.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/gbk_text.h"
#include "base/settings_loader.h"
#include "base/text_codec.h"
#include "base/text_file.h"

namespace tablora {
namespace {

using Strings = std::vector<std::string>;

const char* const kShippedFolder = TABLORA_SOURCE_DIR "/resources";

std::string ShippedBytes() {
  std::string bytes;
  EXPECT_TRUE(TextFile::ReadBytes(std::string(kShippedFolder) + "/setting/Tablora.ini", bytes));
  return bytes;
}

const Settings& Shipped() {
  static const Settings settings = LoadSettingsFile(kShippedFolder);
  return settings;
}

Strings Gbk(std::initializer_list<const char*> utf8) {
  Strings out;
  for (const char* text : utf8) out.push_back(Cp936(text));
  return out;
}

bool Contains(const Strings& list, const std::string& item) {
  for (const auto& entry : list) {
    if (entry == item) return true;
  }
  return false;
}

TEST(ShippedSettingsFile, IsCodePage936WithCrLfLineEnds) {
  const std::string bytes = ShippedBytes();
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  std::size_t lines = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      ++lines;
      ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
    }
    if (bytes[i] == '\r') {
      ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at byte " << i;
    }
  }
  EXPECT_GT(lines, 100u);
  // Decoding and encoding again gives the same bytes only when every byte decoded.
  const std::string utf8 = TextCodec::Cp936ToUtf8(bytes);
  EXPECT_EQ(TextCodec::Utf8ToCp936(utf8), bytes);
  EXPECT_NE(utf8.find(u8"显示名称"), std::string::npos);
  EXPECT_EQ(bytes.find(u8"显示名称"), std::string::npos);  // not stored as UTF-8
}

TEST(ShippedSettingsFile, ListsTheThreeDatabaseKindsInKindOrder) {
  EXPECT_EQ(Shipped().databaseKindNames, (Strings{"MS SQL Server", "MS Access", "Oracle"}));
}

TEST(ShippedSettingsFile, HasFourteenGridCaptionsInGridRoleOrderWithWidths) {
  const Settings& s = Shipped();
  EXPECT_EQ(s.gridCaptions, Gbk({u8"序号", u8"显示名称", u8"实际名称", u8"数据类型", u8"允许空",
                                 u8"自动增长", u8"默认值", u8"说明", u8"主键", u8"外键",
                                 u8"外键约束名", u8"引用表", u8"引用列", u8"CHECK约束"}));
  EXPECT_EQ(s.gridWidths.size(), 14u);  // captions differ, so every width is reachable
  for (const auto& caption : s.gridCaptions) {
    const int width = s.GridColumnWidth(caption);
    EXPECT_GE(width, 30) << TextCodec::Cp936ToUtf8(caption);
    EXPECT_LE(width, 300) << TextCodec::Cp936ToUtf8(caption);
  }
}

TEST(ShippedSettingsFile, YesNoColumnsAndTheDataTypeColumnHaveDropDowns) {
  const Settings& s = Shipped();
  EXPECT_EQ(s.dropDownColumns, (std::vector<int>{4, 5, 6, 9, 10}));
  for (int column : {4, 5, 8, 9}) {
    EXPECT_TRUE(s.HasDropDown(column)) << column;
    EXPECT_EQ(s.DropDownItems(column), Gbk({u8"否", u8"是"})) << column;
    EXPECT_EQ(s.NoText(column), Cp936(u8"否"));
    EXPECT_EQ(s.YesText(column), Cp936(u8"是"));
  }
  EXPECT_TRUE(s.HasDropDown(3));
  for (int column : {1, 2, 6, 7, 10, 11, 12, 13}) EXPECT_FALSE(s.HasDropDown(column)) << column;
}

TEST(ShippedSettingsFile, DataTypeListsHoldTheRealTypeNamesOfEachKind) {
  const Settings& s = Shipped();
  for (const char* type : {"bigint",        "binary",         "bit",
                           "char",          "date",           "datetime",
                           "datetime2",     "datetimeoffset", "decimal",
                           "float",         "image",          "int",
                           "money",         "nchar",          "ntext",
                           "numeric",       "nvarchar",       "real",
                           "smalldatetime", "smallint",       "smallmoney",
                           "sql_variant",   "text",           "time",
                           "timestamp",     "tinyint",        "uniqueidentifier",
                           "varbinary",     "varchar",        "xml"}) {
    EXPECT_TRUE(Contains(s.DataTypes(kSqlServer), type)) << type;
  }
  // MS Access: the names the schema import gives ("Counter", "Text", "Memo", ...).
  for (const char* type :
       {"Text", "Memo", "Byte", "Integer", "Long", "Single", "Double", "Currency", "DateTime",
        "YesNo", "Counter", "OLEObject", "SmallInt", "Decimal", "Binary", "Char", "Date"}) {
    EXPECT_TRUE(Contains(s.DataTypes(kAccess), type)) << type;
  }
  for (const char* type : {"VARCHAR2", "NVARCHAR2", "CHAR", "NCHAR", "NUMBER", "FLOAT", "DATE",
                           "TIMESTAMP", "CLOB", "NCLOB", "BLOB", "RAW", "LONG", "INTEGER"}) {
    EXPECT_TRUE(Contains(s.DataTypes(kOracle), type)) << type;
  }
  for (int kind : {kSqlServer, kAccess, kOracle}) {
    const Strings& types = s.DataTypes(kind);
    EXPECT_EQ(std::set<std::string>(types.begin(), types.end()).size(), types.size()) << kind;
    for (const auto& type : types) {
      EXPECT_FALSE(type.empty());
      EXPECT_EQ(type.find(' '), std::string::npos) << type;
    }
  }
  EXPECT_TRUE(s.DataTypes(3).empty());
}

TEST(ShippedSettingsFile, EveryDataTypeMapsToCJavaAndOdbcTypesWithPrefixes) {
  const Settings& s = Shipped();
  // The ODBC C type must name the buffer of the C type, or a template that binds a
  // structure member with it writes past the member.
  const std::set<std::pair<std::string, std::string>> buffers = {
      {"char", "SQL_C_CHAR"},         {"char", "SQL_C_BINARY"},
      {"unsigned char", "SQL_C_BIT"}, {"unsigned char", "SQL_C_UTINYINT"},
      {"short", "SQL_C_SSHORT"},      {"int", "SQL_C_SLONG"},
      {"long long", "SQL_C_SBIGINT"}, {"long long", "SQL_C_BINARY"},
      {"float", "SQL_C_FLOAT"},       {"double", "SQL_C_DOUBLE"}};
  int checked = 0;
  for (int kind : {kSqlServer, kAccess, kOracle}) {
    for (const auto& type : s.DataTypes(kind)) {
      ASSERT_EQ(s.typeC.count(type), 1u) << type;
      ASSERT_EQ(s.typeJava.count(type), 1u) << type;
      ASSERT_EQ(s.typeOdbc.count(type), 1u) << type;
      const std::string c = s.LookupCType(type);
      EXPECT_EQ(s.prefixC.count(c), 1u) << type << " -> " << c;
      EXPECT_EQ(s.prefixJava.count(s.LookupJavaType(type)), 1u) << type;
      EXPECT_EQ(buffers.count({c, s.LookupOdbcType(type)}), 1u)
          << type << " -> " << c << " / " << s.LookupOdbcType(type);
      ++checked;
    }
  }
  EXPECT_GT(checked, 80);
  // Texts are char, so a text column with a length gets the "ac" prefix the C++ generator
  // recognises as a character array.
  EXPECT_EQ(s.LookupCPrefix(s.LookupCType("varchar"), 20), "ac");
  EXPECT_EQ(s.LookupCPrefix(s.LookupCType("VARCHAR2"), 20), "ac");
  EXPECT_EQ(s.LookupCPrefix(s.LookupCType("Text"), 50), "ac");
  for (const auto& type : s.DataTypes(kSqlServer)) {
    EXPECT_EQ(s.typeOracle.count(type), 1u) << type;
  }
}

TEST(ShippedSettingsFile, EveryFieldKeywordHasAWidthAndEveryStyleUsesKnownKeywords) {
  const Settings& s = Shipped();
  const Strings keywords =
      Gbk({u8"名称列名", u8"实际列名", u8"名称列名(实际列名)", u8"实际列名(名称列名)", u8"数据类型",
           u8"数组大小", u8"数据类型(数组大小)", u8"是否为空", u8"默认值", u8"描述", u8"自增长",
           u8"主键", u8"外键", u8"主键(外键)"});
  for (const auto& keyword : keywords) {
    EXPECT_GT(s.StyleWordWidth(keyword), 0) << TextCodec::Cp936ToUtf8(keyword);
  }
  EXPECT_EQ(s.columnWidths.size(), keywords.size());  // the width page has 14 places
  ASSERT_GE(s.columnStyles.size(), 5u);
  for (std::size_t i = 0; i < s.columnStyles.size(); ++i) {
    Settings one = s;
    one.currentColumnStyle = static_cast<int>(i) + 1;
    const auto words = one.SplitCurrentColumnStyle();
    ASSERT_FALSE(words.empty()) << i;
    for (const auto& word : words) {
      EXPECT_TRUE(Contains(keywords, word.word)) << i << ": " << TextCodec::Cp936ToUtf8(word.word);
      EXPECT_GT(word.width, 0);
    }
  }
}

TEST(ShippedSettingsFile, OffersTheSixTitleStylesAndStartsWithTheFirstStyles) {
  const Settings& s = Shipped();
  EXPECT_EQ(s.headerStyles,
            Gbk({u8"名称表名", u8"实际表名", u8"名称表名(实际表名)", u8"实际表名(名称表名)",
                 u8"名称表名(实际表名) 表注释", u8"实际表名(名称表名) 表注释"}));
  EXPECT_EQ(s.currentHeaderStyle, 1);
  EXPECT_EQ(s.currentColumnStyle, 1);
  EXPECT_TRUE(s.fitColumnWidths);  // 列宽适应内容
  EXPECT_EQ(s.maxColumnWidth, 300);
}

TEST(ShippedSettingsFile, KeywordsAreLowerCaseReservedWords) {
  const Strings& keywords = Shipped().dropDownLists[0];
  EXPECT_GE(keywords.size(), 180u);
  EXPECT_EQ(std::set<std::string>(keywords.begin(), keywords.end()).size(), keywords.size());
  for (const char* word : {"select", "from", "where", "create", "table", "procedure", "proc",
                           "begin", "end", "declare", "insert", "update", "delete", "exec",
                           "identity", "primary", "foreign", "references", "constraint"}) {
    EXPECT_TRUE(Contains(keywords, word)) << word;
  }
  for (const auto& word : keywords) {
    EXPECT_EQ(gbk::ToLowerAscii(word), word);  // the procedure view searches lower case
  }
}

}  // namespace
}  // namespace tablora
