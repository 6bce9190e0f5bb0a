#include "db/access/connection_strings.h"

#include <gtest/gtest.h>

#include "base/settings.h"

namespace tablora {
namespace {

TEST(ConnectionStrings, SqlServerThroughFreeTds) {
  struct Case {
    const char* host;
    const char* database;
    const char* user;
    const char* password;
    bool integrated;
    const char* expected;
  };
  const Case cases[] = {
      {"db1", "Northwind", "sa", "pw", false,
       "Driver=FreeTDS;SERVER=db1;PORT=1433;DATABASE=Northwind;UID=sa;PWD={pw};TDS_Version=7.4"},
      {"(local)", "d", "sa", "", false,
       "Driver=FreeTDS;SERVER=127.0.0.1;PORT=1433;DATABASE=d;UID=sa;PWD={};TDS_Version=7.4"},
      {".", "d", "u", "a;b}c", false,
       "Driver=FreeTDS;SERVER=127.0.0.1;PORT=1433;DATABASE=d;UID=u;PWD={a;b}}c};TDS_Version=7.4"},
      {"h,1500", "d", "u", "p", false,
       "Driver=FreeTDS;SERVER=h;PORT=1500;DATABASE=d;UID=u;PWD={p};TDS_Version=7.4"},
      {"h\\SQLEXPRESS", "d", "u", "p", false,
       "Driver=FreeTDS;SERVER=h\\SQLEXPRESS;DATABASE=d;UID=u;PWD={p};TDS_Version=7.4"},
      {"h", "", "sa", "secret", false, "Driver=FreeTDS;SERVER=h;PORT=1433;TDS_Version=7.4"},
      {"h", "d", "sa", "secret", true,
       "Driver=FreeTDS;SERVER=h;PORT=1433;DATABASE=d;TDS_Version=7.4"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected,
              ConnectionStrings::SqlServer(c.host, c.database, c.user, c.password, c.integrated));
  }
}

TEST(ConnectionStrings, AccessPassThroughAndAttributes) {
  EXPECT_EQ("Driver=MDBTools;DBQ=/data/a.mdb", ConnectionStrings::Access("/data/a.mdb", "pw"));
  EXPECT_EQ("Driver=MDBTools;DBQ={/x;y/a.mdb}", ConnectionStrings::Access("/x;y/a.mdb", ""));
  EXPECT_EQ("/x;y/a.mdb",
            ConnectionStrings::AccessFile(ConnectionStrings::Access("/x;y/a.mdb", "")));
  EXPECT_EQ("", ConnectionStrings::AccessFile("Driver=SQLite3;Database=/a.mdb"));

  EXPECT_EQ("DSN=x;PWD={p;UID=evil}}}", ConnectionStrings::WithPassword("DSN=x", "p;UID=evil}"));
  EXPECT_EQ("DSN=x;", ConnectionStrings::WithPassword("DSN=x;", ""));
  EXPECT_EQ("p;UID=evil}", ConnectionStrings::Attribute(
                               ConnectionStrings::WithPassword("DSN=x", "p;UID=evil}"), "pwd"));
  EXPECT_EQ("x", ConnectionStrings::Attribute("DSN=x;PWD={p;UID=evil}}}", "DSN"));
  EXPECT_EQ("", ConnectionStrings::Attribute("DSN=x;PWD={p;UID=evil}}}", "UID"));

  EXPECT_TRUE(ConnectionStrings::IsOracle("Provider=MSDAORA.1;Data Source=orcl"));
  EXPECT_TRUE(ConnectionStrings::IsOracle("Driver={Oracle 19 ODBC driver};DBQ=orcl"));
  EXPECT_FALSE(ConnectionStrings::IsOracle("Driver=SQLite3;Database=/tmp/oracle.db"));
}

TEST(ConnectionStrings, TheDriverImpliesTheKind) {
  struct Case {
    const char* text;
    const char* sourceDriver;  ///< the driver of the string's data source
    int kind;
  };
  const Case cases[] = {
      {"Driver=MDBTools;DBQ=nwind.mdb", "", kAccess},
      {"Driver={MDBTools};DBQ=nwind.mdb;", "", kAccess},
      {"Driver=SQLite3;Database=/tmp/oracle.db", "", kSqlServer},
      {"Driver=FreeTDS;SERVER=h;PORT=1433", "", kSqlServer},
      {"Driver={Oracle 19 ODBC driver};DBQ=orcl", "", kOracle},
      {"Provider=MSDAORA.1;Data Source=orcl", "", kOracle},
      {"DSN=books", "SQLite3", kSqlServer},
      {"DSN=books", "MDBTools", kAccess},
      {"DSN=books", "", -1},
      {"Driver=PostgreSQL Unicode;Server=h", "", -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.kind, ConnectionStrings::ImpliedKind(c.text, c.sourceDriver)) << c.text;
}

TEST(ConnectionStrings, SqliteGetsTimeoutStreamingAndNoNewFilesUnlessItSaysSo) {
  struct Case {
    const char* text;
    const char* withDefaults;
    const char* fileThatMustExist;
  };
  const Case cases[] = {
      {"Driver=SQLite3;Database=/d/a.db",
       "Driver=SQLite3;Database=/d/a.db;Timeout=3000;"
       "StepAPI=1;NoCreat=1",
       "/d/a.db"},
      {"Driver={SQLite3};Database={/d/x;y.db};",
       "Driver={SQLite3};Database={/d/x;y.db};"
       "Timeout=3000;StepAPI=1;NoCreat=1",
       "/d/x;y.db"},
      {"driver=sqlite3;timeout=100;stepapi=0;NoCreat=0;Database=a.db",
       "driver=sqlite3;timeout=100;stepapi=0;NoCreat=0;Database=a.db", ""},
      {"Driver=SQLite3;NoCreat=yes;Database=:memory:",
       "Driver=SQLite3;NoCreat=yes;Database=:memory:;Timeout=3000;StepAPI=1", ""},
      {"Driver=FreeTDS;SERVER=h;Database=a.db", "Driver=FreeTDS;SERVER=h;Database=a.db", ""},
      {"DSN=books", "DSN=books", ""},
  };
  for (const Case& c : cases) {
    const std::string text = ConnectionStrings::WithSqliteDefaults(c.text);
    EXPECT_EQ(c.withDefaults, text);
    EXPECT_EQ(c.fileThatMustExist, ConnectionStrings::SqliteFileThatMustExist(text)) << c.text;
  }
}

TEST(ConnectionStrings, DriversThatNeedToBeToldSpeakUtf8UnlessTheStringSaysOtherwise) {
  const std::pair<const char*, const char*> cases[] = {
      {"Driver=FreeTDS;SERVER=h", "Driver=FreeTDS;SERVER=h;ClientCharset=UTF-8"},
      {"Driver={FreeTDS};SERVER=h;clientcharset=GBK", "Driver={FreeTDS};SERVER=h;clientcharset=GBK"},
      {"DRIVER=MariaDB Unicode;SERVER=h;", "DRIVER=MariaDB Unicode;SERVER=h;CHARSET=utf8mb4"},
      {"Driver=MySQL;CHARSET=gbk", "Driver=MySQL;CHARSET=gbk"},
      {"Driver=SQLite3;Database=a.db", "Driver=SQLite3;Database=a.db"},
      {"Driver=MDBTools;DBQ=f.mdb", "Driver=MDBTools;DBQ=f.mdb"},
      {"DSN=books", "DSN=books"},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(expected, ConnectionStrings::WithUtf8Client(text)) << text;
}

}  // namespace
}  // namespace tablora
