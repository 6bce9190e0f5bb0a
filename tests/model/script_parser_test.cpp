#include "model/script_parser.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"
#include "support/script_test_support.h"

namespace tablora {
namespace {

using testing::Col;
using testing::Describe;
using testing::Table;

std::string G(const char* utf8) { return Cp936(utf8); }

class ScriptParserTest : public ::testing::Test {
 protected:
  ScriptParser parser{testing::ResourceFolder()};

  std::vector<TableDesign> Parse(const std::string& text) {
    auto tables = parser.ParseTables(text);
    EXPECT_EQ(parser.error(), "");
    return tables;
  }
  void ExpectTables(const std::vector<TableDesign>& expected,
                    const std::vector<TableDesign>& actual) {
    ASSERT_EQ(expected.size(), actual.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(expected[i], actual[i]) << "expected:\n"
                                        << Describe(expected[i]) << "actual:\n"
                                        << Describe(actual[i]);
    }
  }
};

// The table text the table editor builds with the first column template.
TEST_F(ScriptParserTest, ReadsTheEditorsTableTextWithTheSqlServerTemplate) {
  const std::string text =
      G(u8"CREATE TABLE [dbo].[t_user] (\t\t\t--用户:用户表(组)基础\n"
        u8"[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键\n"
        u8"[name] [varchar](50) DEFAULT ('') NULL ,  \n"
        u8"[price] [decimal](10,2) DEFAULT ((0)) NOT NULL ,  --价格:\n"
        u8"[memo] [text] NULL ,  --memo, with (comma): and 'quote'\n"
        u8"[名称] [nvarchar](20) NULL   --名:\n"
        u8") ON [PRIMARY]");
  ExpectTables(
      {Table("t_user", G(u8"用户"), G(u8"用户表(组)基础"), G(u8"基础"), "dbo",
             {Col("id", "int").Display(G(u8"编号")).Identity("IDENTITY (1,1)").Note(G(u8"主键")),
              Col("name", "varchar").Size(50).Default("''").Nullable(),
              Col("price", "decimal").Size(10, 2).Default("(0)").Display(G(u8"价格")),
              Col("memo", "text").Nullable().Display("memo, with (comma)").Note(" and 'quote'"),
              Col(G(u8"名称"), "nvarchar").Size(20).Nullable().Display(G(u8"名"))})},
      Parse(text));
}

TEST_F(ScriptParserTest, ReadsTheAccessTemplate) {
  const std::string text =
      G(u8"CREATE TABLE [orders] (\t\t\t--订单\n"
        u8"[id] int  NOT NULL,  --编号:主键\n"
        u8"[qty] decimal(8,3)  NULL,  \n"
        u8") ON [PRIMARY]");
  ExpectTables({Table("orders", "", G(u8"订单"), "", "",
                      {Col("id", "int").Display(G(u8"编号")).Note(G(u8"主键")),
                       Col("qty", "decimal").Size(8, 3).Nullable()})},
               Parse(text));
}

TEST_F(ScriptParserTest, ReadsExtraStatementsOfTheEditor) {
  const std::string text =
      G(u8"CREATE TABLE [dbo].[t] (\t\t\t\n"
        u8"[a] [int] NOT NULL ,  \n"
        u8"[b] [int] NOT NULL ,  \n"
        u8"[c] [int] NULL   \n"
        u8") ON [PRIMARY]"
        u8"\n\nALTER TABLE [dbo].[t] WITH NOCHECK ADD"
        u8"\nCONSTRAINT [PK_T] PRIMARY KEY  CLUSTERED\n(\n[a]\n)\nON [PRIMARY],"
        u8"\nCONSTRAINT [PK_T] PRIMARY KEY  CLUSTERED\n(\n[b]\n)\nON [PRIMARY],\n"
        u8"CONSTRAINT [CK_c] CHECK ([c] IN (1,2))\n"
        u8"\nGO\n\n"
        u8"\n\nALTER TABLE [dbo].[t] ADD"
        u8"\nCONSTRAINT [fk_c] FOREIGN KEY\n(\n[c]\n) REFERENCES [dbo].[other] (\n[oc]\n)"
        u8"\nGO\n\n");
  ExpectTables(
      {Table("t", "", "", "", "dbo",
             {Col("a", "int").Key(), Col("b", "int").Key(),
              Col("c", "int").Nullable().Check("[c] IN (1,2)").Refs("fk_c", "other", "oc")})},
      Parse(text));
}

TEST_F(ScriptParserTest, SortsTablesByActualNameAndKeepsTheLastDefinition) {
  const std::string text =
      "CREATE TABLE [t_b] (\n[x] [int] NULL\n)\n"
      "CREATE TABLE [t_a] (\n[y] [int] NULL\n)\n"
      "CREATE TABLE [t_b] (\n[z] [int] NULL\n)\n";
  ExpectTables({Table("t_a", "", "", "", "", {Col("y", "int").Nullable()}),
                Table("t_b", "", "", "", "", {Col("z", "int").Nullable()})},
               Parse(text));
}

// An ordinary script as MS SQL Server's tools export it.
TEST_F(ScriptParserTest, ReadsAnExportedSqlServerScript) {
  const std::string text =
      "SET ANSI_NULLS ON\nGO\n"
      "CREATE TABLE [dbo].[Orders](\n"
      "\t[OrderID] [int] IDENTITY(1,1) NOT FOR REPLICATION NOT NULL,\n"
      "\t[Customer] [nvarchar](max) NULL,\n"
      "\t[Freight] [money] NULL CONSTRAINT [DF_Orders_Freight]  DEFAULT ((0)),\n"
      "\t[ShipDate] [datetime] NOT NULL DEFAULT (CONVERT([varchar](10),getdate(),(120))),\n"
      "\t[Rate] [decimal]( 10 , 2 ) NOT NULL,\n"
      "\t[Status] [char](1) COLLATE Chinese_PRC_CI_AS NOT NULL,\n"
      " CONSTRAINT [PK_Orders] PRIMARY KEY CLUSTERED \n(\n\t[OrderID] ASC\n)WITH (PAD_INDEX = OFF, "
      "IGNORE_DUP_KEY = OFF) ON [PRIMARY],\n"
      " CONSTRAINT [CK_Orders_Status] CHECK (([Status] IN ('a','b'))),\n"
      " CONSTRAINT [FK_Orders_Cust] FOREIGN KEY ([Customer]) REFERENCES [dbo].[Customers] "
      "([Name])\n"
      ") ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]\n"
      "GO\n"
      "EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'Order''s id' , "
      "@level0type=N'SCHEMA',@level0name=N'dbo', @level1type=N'TABLE',@level1name=N'Orders', "
      "@level2type=N'COLUMN',@level2name=N'OrderID'\nGO\n"
      "ALTER TABLE [dbo].[Orders] ADD  CONSTRAINT [DF_Orders_Rate]  DEFAULT ((1.5)) FOR "
      "[Rate]\nGO\n";
  ExpectTables(
      {Table(
          "Orders", "", "", "", "dbo",
          {Col("OrderID", "int")
               .Identity("IDENTITY(1,1) NOT FOR REPLICATION")
               .Key()
               .Note("Order's id"),
           Col("Customer", "nvarchar(max)").Nullable().Refs("FK_Orders_Cust", "Customers", "Name"),
           Col("Freight", "money").Nullable().Default("(0)"),
           Col("ShipDate", "datetime").Default("CONVERT([varchar](10),getdate(),(120))"),
           Col("Rate", "decimal").Size(10, 2).Default("(1.5)"),
           Col("Status", "char").Size(1).Check("([Status] IN ('a','b'))")})},
      Parse(text));
}

TEST_F(ScriptParserTest, ReadsHandWrittenScriptsWithQuotesBareNamesAndLowerCase) {
  const std::string text =
      "create table \"sales\".\"item\" (\n"
      "  id int not null primary key,\n"
      "  \"code\" varchar(10) not null unique,\n"
      "  owner_id int null constraint fk_owner references sales.person(id),\n"
      "  qty smallint default 1 check (qty > 0),\n"
      "  note nvarchar(200) default N'n/a'\n"
      ");\n"
      "create table [x].[y].[z] (a int)\n";
  ExpectTables({Table("item", "", "", "", "sales",
                      {Col("id", "int").Key(), Col("code", "varchar").Size(10),
                       Col("owner_id", "int").Nullable().Refs("fk_owner", "person", "id"),
                       Col("qty", "smallint").Nullable().Default("1").Check("qty > 0"),
                       Col("note", "nvarchar").Size(200).Nullable().Default("N'n/a'")}),
                Table("z", "", "", "", "y", {Col("a", "int").Nullable()})},
               Parse(text));
}

TEST_F(ScriptParserTest, AppliesDescriptionsToTablesAndColumns) {
  const std::string text = G(
      u8"CREATE TABLE [dbo].[t_user] (\n[id] [int] NOT NULL ,\n[nm] [int] NULL\n) ON [PRIMARY]\n"
      u8"exec sp_addextendedproperty N'MS_Description', N'用户：用户表(组)基础', N'user', N'dbo', "
      u8"N'table', N'T_USER'\nGO\n"
      u8"exec sp_addextendedproperty N'MS_Description', N'编号:a:b', N'user', N'dbo', N'table', "
      u8"N't_user', N'column', N'id'\nGO\n"
      u8"exec sp_addextendedproperty N'MS_Description', N'it''s a note', N'user', N'dbo', "
      u8"N'table', N't_user', N'column', N'nm'\nGO\n"
      u8"exec sp_addextendedproperty N'MS_Description', N'ignored', N'user', N'dbo', N'table', "
      u8"N't_user', N'column', N'NM'\nGO\n");
  ExpectTables({Table("t_user", G(u8"用户"), G(u8"用户表"), G(u8"基础"), "dbo",
                      {Col("id", "int").Display(G(u8"编号")).Note("a-b"),
                       Col("nm", "int").Nullable().Note("it's a note")})},
               Parse(text));
}

TEST_F(ScriptParserTest, ReadsAlterTableConstraintsAsOrdinaryScriptsWriteThem) {
  const std::string text =
      "CREATE TABLE [dbo].[t] (\n[a] [int] NULL ,\n[b] [int] NULL, [c] [int] NULL, [d] [char](10) "
      "NULL\n)\nGO\n"
      "ALTER TABLE [dbo].[t] WITH NOCHECK ADD CONSTRAINT [DF_t_a] DEFAULT (0) FOR [a]\nGO\n"
      "ALTER TABLE [dbo].[t] WITH NOCHECK ADD\n CONSTRAINT [PK_t] PRIMARY KEY CLUSTERED\n (\n"
      "  [a],\n  [b]\n ) ON [PRIMARY]\nGO\n"
      "ALTER TABLE [dbo].[missing] ADD CONSTRAINT [DF_x] DEFAULT (1) FOR [c]\nGO\n"
      "ALTER TABLE t ADD CONSTRAINT ck_b CHECK ([b] > 0 AND [a] < 9), CONSTRAINT df_c DEFAULT "
      "'x,y' FOR c;\n"
      "ALTER TABLE [dbo].[t] CHECK CONSTRAINT [ck_b]\nGO\n"
      "ALTER TABLE [dbo].[t] ADD CONSTRAINT [DF_d] DEFAULT (CONVERT(varchar(10),getdate(),120)) "
      "FOR [d],"
      " CONSTRAINT [CK_d] CHECK ([d] IN ('a,b', 'c)'))\nGO\n"
      "-- ALTER TABLE [dbo].[t] ADD CONSTRAINT [DF_x] DEFAULT (9) FOR [a]\n";
  // Key columns are NOT NULL on the server.
  ExpectTables({Table("t", "", "", "", "dbo",
                      {Col("a", "int").Default("0").Key(),
                       Col("b", "int").Key().Check("[b] > 0 AND [a] < 9"),
                       Col("c", "int").Nullable().Default("'x,y'"),
                       Col("d", "char")
                           .Size(10)
                           .Nullable()
                           .Default("CONVERT(varchar(10),getdate(),120)")
                           .Check("[d] IN ('a,b', 'c)')")})},
               Parse(text));
}

TEST_F(ScriptParserTest, DropsACheckThatNamesNoColumn) {
  const std::string text =
      "CREATE TABLE [t] (\n[a] [int] NULL\n)\n"
      "ALTER TABLE [dbo].[t] ADD CONSTRAINT [c1] CHECK (1 = 1)\nGO\n";
  ExpectTables({Table("t", "", "", "", "", {Col("a", "int").Nullable()})}, Parse(text));
}

TEST_F(ScriptParserTest, CutsLongTextsToTheirFieldsAtCharacterBoundaries) {
  const std::string longName(200, 'n');
  std::string chinese;
  for (int i = 0; i < 200; ++i) chinese += G(u8"表");
  const std::string text = "CREATE TABLE [" + longName + "].[" + longName + "] (\t--" + chinese +
                           ":" + chinese + "\n[" + longName + "] [int] NULL  --" + chinese + ":" +
                           chinese + "\n)";
  const auto tables = Parse(text);
  ASSERT_EQ(tables.size(), 1u);
  const TableDesign& t = tables[0];
  EXPECT_EQ(t.actualName, std::string(127, 'n'));
  EXPECT_EQ(t.owner, std::string(127, 'n'));
  EXPECT_EQ(t.displayName, chinese.substr(0, 126));
  EXPECT_EQ(t.comment, chinese.substr(0, 254));
  ASSERT_EQ(t.columns.size(), 1u);
  EXPECT_EQ(t.columns[0].actualName, std::string(127, 'n'));
  EXPECT_EQ(t.columns[0].displayName, chinese.substr(0, 126));
  EXPECT_EQ(t.columns[0].note, chinese.substr(0, 254));
}

// Double-byte characters whose second byte is "[" or "]" stay inside their names.
TEST_F(ScriptParserTest, KeepsDoubleByteCharactersWithBracketTrailBytesInNames) {
  const std::string name = "\xB1\x5D\xC4\x5B";  // two characters with trail bytes ']' and '['
  const std::string text = "CREATE TABLE [" + name + "] (\n[" + name + "] [int] NULL\n)";
  ExpectTables({Table(name, "", "", "", "", {Col(name, "int").Nullable()})}, Parse(text));
}

TEST_F(ScriptParserTest, FindsNothingInTextsWithoutTables) {
  EXPECT_TRUE(Parse("").empty());
  EXPECT_TRUE(Parse("select * from t -- create table x (a int)\n").empty());
  EXPECT_TRUE(Parse("CREATE TABLE [t] ([a] int").empty());
}

TEST_F(ScriptParserTest, ParseTableTextTakesTheFirstTableAndFullWidthColons) {
  EXPECT_FALSE(parser.ParseTableText("").has_value());
  const auto table =
      parser.ParseTableText(G(u8"CREATE TABLE [b] (\t--显示：说明\n[x] [int] NULL --名：注\n)\n"
                              u8"CREATE TABLE [a] (\n[y] [int] NULL\n)"));
  ASSERT_TRUE(table.has_value());
  ExpectTables({Table("a", "", "", "", "", {Col("y", "int").Nullable()})}, {*table});
  const auto single =
      parser.ParseTableText(G(u8"CREATE TABLE [b] (\t--显示：说明\n[x] [int] NULL --名：注\n)"));
  ASSERT_TRUE(single.has_value());
  ExpectTables({Table("b", G(u8"显示"), G(u8"说明"), "", "",
                      {Col("x", "int").Nullable().Display(G(u8"名")).Note(G(u8"注"))})},
               {*single});
}

// Forms of ordinary MS SQL Server scripts, as the server's own tools and people write them.
TEST_F(ScriptParserTest, ReadsRealScriptsWithoutLosingAnything) {
  struct Case {
    const char* what;
    std::string text;
    std::vector<TableDesign> tables;
    bool lineComments = true;
  };
  const std::string longCheck = "[s] IN ('" + std::string(300, 'x') + "', 'b(c)', 'd]e')";
  const std::string longDefault = "'" + std::string(200, 'y') + "'";
  const std::string addAddress = "EXECUTE [sys].[sp_addextendedproperty] N'MS_Description', ";
  const std::vector<Case> cases = {
      {"extended properties: positional bracketed, named, bare; other objects ignored",
       "CREATE TABLE [Person].[Address] ([AddressID] int NOT NULL, [City] nvarchar(30) NULL)\n"
       "GO\n" +
           addAddress + "N'Street addresses', N'SCHEMA', [Person], N'TABLE', [Address]\nGO\n" +
           addAddress +
           "N'Key:of it: all', N'SCHEMA', [Person], N'TABLE', [Address], N'COLUMN', "
           "[AddressID]\nGO\n"
           "exec sp_addextendedproperty @name='MS_Description', @value='it''s the city', "
           "@level0type=N'SCHEMA', @level0name=Person, @level1type=N'TABLE', "
           "@level1name=N'Address', @level2type=N'COLUMN', @level2name=N'City'\nGO\n" +
           addAddress +
           "N'Primary key', N'SCHEMA', [Person], N'TABLE', [Address], N'CONSTRAINT', "
           "[PK_Address]\nGO\n"
           "EXEC sys.sp_addextendedproperty @name=N'MS_Description', @value=N'Schema', "
           "@level0type=N'SCHEMA', @level0name=N'Person'\nGO\n",
       {Table("Address", "", "Street addresses", "", "Person",
              {Col("AddressID", "int").Display("Key").Note("of it- all"),
               Col("City", "nvarchar").Size(30).Nullable().Note("it's the city")})}},
      {"a description with colons names the display name once",
       "CREATE TABLE [Item] ([a] int NULL)\n"
       "exec sp_addextendedproperty N'MS_Description', N'Item:Stock items: all warehouses', "
       "N'user', N'dbo', N'table', N'Item'\n",
       {Table("Item", "Item", "Stock items- all warehouses", "", "",
              {Col("a", "int").Nullable()})}},
      {"line comments of a script with descriptions are only comments",
       "CREATE TABLE [t] ( -- the table\n[a] int NULL, -- the key: a\n[b] int NULL\n)\n",
       {Table("t", "", "", "", "", {Col("a", "int").Nullable(), Col("b", "int").Nullable()})},
       false},
      {"long CHECK and DEFAULT expressions stay whole",
       "CREATE TABLE [t] ([s] varchar(400) NULL DEFAULT (" + longDefault +
           "), [u] int NULL)\n"
           "ALTER TABLE [dbo].[t] ADD CONSTRAINT [CK_s] CHECK (" +
           longCheck +
           "),\n"
           " CONSTRAINT [CK_u] CHECK ([u] > 0)\nGO\n",
       {Table("t", "", "", "", "",
              {Col("s", "varchar").Size(400).Nullable().Default(longDefault).Check(longCheck),
               Col("u", "int").Nullable().Check("[u] > 0")})}},
      {"identity seeds; key and identity columns are NOT NULL",
       "CREATE TABLE [t] ([a] int IDENTITY (100000, 1), [b] int NULL, [c] int,\n"
       " CONSTRAINT [PK_t] PRIMARY KEY ([b], [c]))\n",
       {Table("t", "", "", "", "",
              {Col("a", "int").Identity("IDENTITY (100000, 1)"), Col("b", "int").Key(),
               Col("c", "int").Key()})}},
      {"foreign keys: referenced schema, unnamed, composite",
       "CREATE TABLE [Sales].[o] ([p] int NULL REFERENCES [Person].[Person] ([id]),\n"
       " parent_id int references users(id), [x] int NULL, [y] int NULL,\n"
       " FOREIGN KEY ([x], [y]) REFERENCES [Sales].[pair] ([px], [py]))\n",
       {Table("o", "", "", "", "Sales",
              {Col("p", "int").Nullable().Refs("", "Person", "id", "Person"),
               Col("parent_id", "int").Nullable().Refs("", "users", "id"),
               Col("x", "int").Nullable().Refs("", "pair", "px"),
               Col("y", "int").Nullable().Refs("", "pair", "py")})}},
      {"computed columns and types of several words",
       "CREATE TABLE [t] ([Qty] int NULL, [Total] AS ([Qty]*[Price]),\n"
       " [Kept] AS ([Qty]*(2)) PERSISTED NOT NULL, [r] double precision NOT NULL,\n"
       " [n] national character varying(20) NULL)\n",
       {Table(
           "t", "", "", "", "",
           {Col("Qty", "int").Nullable(), Col("Total", "").Computed("([Qty]*[Price])").Nullable(),
            Col("Kept", "").Computed("([Qty]*(2))", true), Col("r", "double precision"),
            Col("n", "national character varying").Size(20).Nullable()})}},
      {"user types defined NOT NULL make their columns NOT NULL",
       "CREATE TYPE [dbo].[Phone] FROM [nvarchar](25) NOT NULL\nGO\n"
       "EXEC sp_addtype N'Flag', N'bit', N'NULL'\nGO\n"
       "CREATE TABLE [t] ([p] [dbo].[Phone], [q] Phone NULL, [f] Flag)\n",
       {Table("t", "", "", "", "",
              {Col("p", "Phone"), Col("q", "Phone").Nullable(), Col("f", "Flag").Nullable()})}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto tables = parser.ParseTables(c.text, c.lineComments);
    EXPECT_EQ(parser.error(), "");
    ExpectTables(c.tables, tables);
  }
  // The user types of the last text, as read.
  ASSERT_EQ(parser.userTypes().size(), 2u);
  EXPECT_EQ(parser.userTypes()[0], (UserType{"Phone", "nvarchar(25)", true}));
  EXPECT_EQ(parser.userTypes()[1], (UserType{"Flag", "bit", false}));
}

}  // namespace
}  // namespace tablora
