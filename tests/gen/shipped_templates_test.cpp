// The code templates the program ships, filled for every statement kind and fed to real
// compilers over a table holding every MS SQL Server type of the settings; then the
// select, insert, update and delete code of each language runs against SQLite (C and C++
// through unixODBC, Java through JDBC) and stores and reads back a name with an apostrophe.
// The record headers come from the program-code generators (C structures and C++ classes
// with the prefix option, Java classes without options); the tests wrap each C and C++
// header in an include guard so that one program can include several generated files.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/ini_file.h"
#include "base/settings_loader.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "gen/c_struct_generator.h"
#include "gen/code_names.h"
#include "gen/cpp_class_generator.h"
#include "gen/java_class_generator.h"
#include "gen/statement_builder.h"
#include "gen/template_engine.h"
#include "support/odbc_test_connection.h"

namespace tablora {
namespace {

namespace fs = std::filesystem;

const StatementKind kKinds[] = {StatementKind::kSelect, StatementKind::kInsert,
                                StatementKind::kUpdate, StatementKind::kDelete,
                                StatementKind::kBackup, StatementKind::kDrop};

struct Language {
  const char* codeKind;
  const char* extension;
};
const Language kC{"C_ODBC", "c"};
const Language kCpp{"CPP_ODBC", "cpp"};
const Language kJava{"Java_JDBC", "java"};

bool HaveProgram(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

/// Runs a shell command; the output lands in `output`, the failure message carries it.
::testing::AssertionResult Runs(const std::string& command, const fs::path& dir,
                                std::string* output = nullptr) {
  const fs::path log = dir / "command.log";
  const int status = std::system((command + " >" + log.string() + " 2>&1").c_str());
  std::ifstream in(log);
  std::stringstream text;
  text << in.rdbuf();
  if (output) *output = text.str();
  if (status == 0) return ::testing::AssertionSuccess();
  std::string shown = text.str();
  if (shown.size() > 6000) shown.resize(6000);
  return ::testing::AssertionFailure() << command << "\nexit " << status << "\n" << shown;
}

std::string Guarded(const std::string& name, const std::string& text) {
  return "#ifndef " + name + "_RECORD\n#define " + name + "_RECORD\n" + text + "#endif\n";
}

class ShippedTemplates : public ::testing::Test {
 protected:
  void SetUp() override {
    resources = std::string(TABLORA_SOURCE_DIR) + "/resources";
    settings = LoadSettingsFile(resources);
    ASSERT_GE(settings.DataTypes(kSqlServer).size(), 20u);
    dir = fs::path(::testing::TempDir()) /
          ("templates_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override {
    if (!HasFailure()) fs::remove_all(dir);
  }

  /// The template of `kind` and `language` filled for table 0 of `defs` with every column
  /// chosen (or the columns named in `fields`).
  std::string Fill(const std::vector<TableDesign>& defs, StatementKind kind,
                   const Language& language, const std::string& where,
                   const std::vector<std::string>& fields, const std::string& className) {
    StatementBuilder builder(kind, 0,
                             [&defs]() -> const std::vector<TableDesign>& { return defs; });
    if (fields.empty()) {
      builder.ChooseAll();
    } else {
      for (const std::string& name : fields) {
        for (std::size_t i = 0; i < builder.available().size(); ++i) {
          if (builder.available()[i].copy.actualName == name) {
            builder.Choose(i);
            break;
          }
        }
      }
    }
    builder.setWhere(where);
    builder.Rebuild();
    const std::string folder = resources + "/sqltemplate/" + TemplateFolder(kind);
    std::string text, error;
    EXPECT_TRUE(TemplateEngine::ReadTemplate(folder + "/" + language.codeKind + ".h", text, error))
        << error;
    bool ok = false;
    TemplateMarkers markers =
        TemplateMarkers::FromIni(IniFile::Load(resources + "/sqltemplate/template.ini", &ok));
    EXPECT_TRUE(ok);
    TemplateBoxes boxes;
    boxes.functionPrefix = FunctionPrefixDefault(kind);
    boxes.className = className;
    TemplateInput input;
    EXPECT_TRUE(builder.ForTemplate(input, TemplateEngine::LanguageOf(language.codeKind)));
    return TemplateEngine::Expand(text, markers, input, boxes, settings);
  }

  void Write(const fs::path& path, const std::string& text) {
    ASSERT_TRUE(TextFile::WriteBytes(path.string(), text)) << path;
  }

  /// Writes the record headers of table 0 into `to`, each named as its generator names it.
  void WriteRecords(const std::vector<TableDesign>& defs, const fs::path& to) {
    GenerationOptions prefixed;
    prefixed.prefix = true;
    const std::string c = CodeNames::TypeName(defs[0], CodeLanguage::kC);
    const std::string cpp = CodeNames::TypeName(defs[0], CodeLanguage::kCpp);
    Write(to / (c + ".h"), Guarded(c, CStructGenerator::Build(defs, settings, prefixed, 0)));
    Write(to / (cpp + ".hpp"), Guarded(cpp, CppClassGenerator::Build(defs, settings, prefixed, 0)));
    Write(to / (CodeNames::TypeName(defs[0], CodeLanguage::kJava) + ".java"),
          JavaClassGenerator::BuildClass(defs[0], settings, GenerationOptions(), "", 2024));
  }

  std::string resources;
  Settings settings;
  fs::path dir;
};

std::string KindWord(StatementKind kind) { return TemplateFolder(kind) + 9; }

TEST_F(ShippedTemplates, EveryKindCompilesOverEveryType) {
  if (!HaveProgram("gcc") || !HaveProgram("g++") || !HaveProgram("javac")) {
    GTEST_SKIP() << "needs gcc, g++ and javac";
  }
  TableDesign table;
  table.actualName = "AllTypes";
  table.displayName = Cp936(u8"全部类型");
  table.comment = Cp936(u8"每种类型一列");
  const std::vector<std::string>& types = settings.DataTypes(kSqlServer);
  for (std::size_t i = 0; i < types.size(); ++i) {
    ColumnDesign column;
    column.actualName = "Field" + std::to_string(i);
    column.displayName = Cp936(u8"字段") + std::to_string(i);
    column.typeName = types[i];
    if (types[i].find("char") != std::string::npos ||
        types[i].find("binary") != std::string::npos) {
      column.length = 16 + static_cast<int>(i);
    }
    table.columns.push_back(column);
  }
  // Names no language takes as they are, and quotes and backslashes inside the statement.
  TableDesign bad;
  bad.actualName = "Order Details";
  for (const char* name : {"Order ID", "Unit Price", "Unit_Price", "class", "2nd", "a\"b",
                           "back\\slash", "int"}) {
    ColumnDesign column;
    column.actualName = name;
    column.typeName = "int";
    bad.columns.push_back(column);
  }
  bad.columns[3].typeName = "varchar";
  bad.columns[3].length = 10;
  int round = 0;
  for (const TableDesign& t : {table, bad}) {
    const std::vector<TableDesign> defs = {t};
    const fs::path folder = dir / std::to_string(round++);
    fs::create_directories(folder);
    WriteRecords(defs, folder);
    const std::string javaName = CodeNames::TypeName(t, CodeLanguage::kJava);
    std::string javaFiles = (folder / (javaName + ".java")).string();
    for (StatementKind kind : kKinds) {
      const std::string word = KindWord(kind);
      const std::string where = kind == StatementKind::kSelect || kind == StatementKind::kInsert
                                    ? ""
                                    : "WHERE " + t.columns[0].actualName + " = 1";
      Write(folder / (word + ".c"), Fill(defs, kind, kC, where, {}, ""));
      Write(folder / (word + ".cpp"), Fill(defs, kind, kCpp, where, {}, ""));
      const std::string javaClass = javaName + "_" + word;
      Write(folder / (javaClass + ".java"), Fill(defs, kind, kJava, where, {}, javaClass));
      javaFiles += " " + (folder / (javaClass + ".java")).string();
      EXPECT_TRUE(Runs("gcc -std=gnu99 -Wall -Werror -finput-charset=GBK -fsyntax-only " +
                           (folder / (word + ".c")).string(),
                       dir))
          << t.actualName << " " << word;
      EXPECT_TRUE(Runs("g++ -std=c++17 -Wall -Werror -finput-charset=GBK -fsyntax-only " +
                           (folder / (word + ".cpp")).string(),
                       dir))
          << t.actualName << " " << word;
    }
    EXPECT_TRUE(Runs("javac -encoding GBK -Xlint:all -Werror -d " + (folder / "classes").string() +
                         " " + javaFiles,
                     dir))
        << t.actualName;
  }
}

/// The People table of the run checks, with the statements each program calls.
std::vector<TableDesign> People() {
  TableDesign t;
  t.actualName = "People";
  auto add = [&t](const char* name, const char* type, int length) {
    ColumnDesign c;
    c.actualName = name;
    c.typeName = type;
    c.length = length;
    t.columns.push_back(c);
  };
  add("Id", "int", 0);
  add("Name", "varchar", 40);
  add("Price", "float", 0);
  return {t};
}

const char* const kExpectedRun =
    "1|O'Brien|2.50\n2|Smith|2.50\n--\n1|O'Brien|2.50\n2|D'Arcy|2.50\n--\n2|D'Arcy|2.50\n";

class ShippedTemplatesRun : public ShippedTemplates {
 protected:
  void SetUp() override {
    ShippedTemplates::SetUp();
    if (HasFatalFailure()) return;
    if (!testing::OdbcTestConnection::HasDriver("SQLite3")) GTEST_SKIP() << "no SQLite3 driver";
    defs = People();
    WriteRecords(defs, dir);
    database = (dir / "people.db").string();
    testing::OdbcTestConnection c;
    ASSERT_TRUE(c.Connect("Driver=SQLite3;NoCreat=0;Database=" + database)) << c.error();
    ASSERT_TRUE(c.Execute("CREATE TABLE People(Id int, Name varchar(40), Price float)"));
  }
  /// Fills select, insert, update (Name where Id = 2) and delete (where Id = 1).
  void WriteCode(const Language& language) {
    const std::string ext = language.extension;
    Write(dir / ("select." + ext),
          Fill(defs, StatementKind::kSelect, language, "", {}, "PeopleSelect"));
    Write(dir / ("insert." + ext),
          Fill(defs, StatementKind::kInsert, language, "", {}, "PeopleInsert"));
    Write(dir / ("update." + ext),
          Fill(defs, StatementKind::kUpdate, language, "WHERE Id = 2", {"Name"}, "PeopleUpdate"));
    Write(dir / ("delete." + ext),
          Fill(defs, StatementKind::kDelete, language, "WHERE Id = 1", {}, "PeopleDelete"));
  }
  std::vector<TableDesign> defs;
  std::string database;
};

TEST_F(ShippedTemplatesRun, CCodeStoresAndReadsBack) {
  if (!HaveProgram("gcc")) GTEST_SKIP() << "needs gcc";
  WriteCode(kC);
  Write(dir / "main.c", R"(#include <stdio.h>
#include "select.c"
#include "insert.c"
#include "update.c"
#include "delete.c"
static int print_row(const People *row, void *context)
{
    (void)context;
    printf("%d|%s|%.2f\n", row->nId, row->acName, row->dPrice);
    return 0;
}
#define CHECK(call) if (!SQL_SUCCEEDED(call)) { fprintf(stderr, "failed: %s\n", #call); return 1; }
int main(int argc, char **argv)
{
    SQLHENV env;
    SQLHDBC dbc;
    People p;
    (void)argc;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, (SQLPOINTER)SQL_OV_ODBC3, 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    CHECK(SQLDriverConnect(dbc, NULL, (SQLCHAR *)argv[1], SQL_NTS, NULL, 0, NULL, SQL_DRIVER_NOPROMPT));
    memset(&p, 0, sizeof p);
    p.nId = 1; strcpy(p.acName, "O'Brien"); p.dPrice = 2.5;
    CHECK(InsertPeople(dbc, &p));
    p.nId = 2; strcpy(p.acName, "Smith");
    CHECK(InsertPeople(dbc, &p));
    CHECK(SelectPeople(dbc, print_row, NULL));
    puts("--");
    strcpy(p.acName, "D'Arcy");
    CHECK(UpdatePeople(dbc, &p));
    CHECK(SelectPeople(dbc, print_row, NULL));
    puts("--");
    CHECK(DeletePeople(dbc));
    CHECK(SelectPeople(dbc, print_row, NULL));
    SQLDisconnect(dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return 0;
}
)");
  const std::string program = (dir / "people_c").string();
  ASSERT_TRUE(Runs(
      "gcc -std=gnu99 -Wall -Werror -o " + program + " " + (dir / "main.c").string() + " -lodbc",
      dir));
  std::string output;
  ASSERT_TRUE(Runs(program + " 'Driver=SQLite3;Database=" + database + "'", dir, &output));
  EXPECT_EQ(output, kExpectedRun);
}

TEST_F(ShippedTemplatesRun, CppCodeStoresAndReadsBack) {
  if (!HaveProgram("g++")) GTEST_SKIP() << "needs g++";
  WriteCode(kCpp);
  Write(dir / "main.cpp", R"(#include <cstdio>
#include "select.cpp"
#include "insert.cpp"
#include "update.cpp"
#include "delete.cpp"
int main(int argc, char** argv) {
  SQLHENV env;
  SQLHDBC dbc;
  SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
  SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, (SQLPOINTER)SQL_OV_ODBC3, 0);
  SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
  if (!SQL_SUCCEEDED(SQLDriverConnect(dbc, nullptr, (SQLCHAR*)argv[1], SQL_NTS, nullptr, 0,
                                      nullptr, SQL_DRIVER_NOPROMPT))) return 1;
  auto print = [](const People& row) {
    std::printf("%d|%s|%.2f\n", row.nId, row.acName, row.dPrice);
    return true;
  };
  try {
    People p{};
    p.nId = 1;
    std::strcpy(p.acName, "O'Brien");
    p.dPrice = 2.5;
    InsertPeople(dbc, p);
    p.nId = 2;
    std::strcpy(p.acName, "Smith");
    InsertPeople(dbc, p);
    SelectPeople(dbc, print);
    std::puts("--");
    std::strcpy(p.acName, "D'Arcy");
    UpdatePeople(dbc, p);
    SelectPeople(dbc, print);
    std::puts("--");
    DeletePeople(dbc);
    SelectPeople(dbc, print);
  } catch (const tablora_odbc::Error& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  SQLDisconnect(dbc);
  SQLFreeHandle(SQL_HANDLE_DBC, dbc);
  SQLFreeHandle(SQL_HANDLE_ENV, env);
  return 0;
}
)");
  const std::string program = (dir / "people_cpp").string();
  ASSERT_TRUE(Runs(
      "g++ -std=c++17 -Wall -Werror -o " + program + " " + (dir / "main.cpp").string() + " -lodbc",
      dir));
  std::string output;
  ASSERT_TRUE(Runs(program + " 'Driver=SQLite3;Database=" + database + "'", dir, &output));
  EXPECT_EQ(output, kExpectedRun);
}

TEST_F(ShippedTemplatesRun, JavaCodeStoresAndReadsBack) {
  const std::string jar = "/usr/share/java/sqlite-jdbc.jar";
  if (!HaveProgram("javac") || !HaveProgram("java") || !fs::exists(jar)) {
    GTEST_SKIP() << "needs javac, java and libxerial-sqlite-jdbc-java";
  }
  const Language java{"Java_JDBC", "txt"};
  WriteCode(java);
  for (const char* kind : {"select", "insert", "update", "delete"}) {
    std::string name = std::string("People") + static_cast<char>(kind[0] - 32) + (kind + 1);
    fs::rename(dir / (std::string(kind) + ".txt"), dir / (name + ".java"));
  }
  Write(dir / "Main.java", R"(import java.sql.Connection;
import java.sql.DriverManager;

public class Main {
    static void print(java.util.List<People> rows) {
        for (People p : rows) {
            System.out.printf("%d|%s|%.2f%n", p.Id, p.Name, p.Price);
        }
    }

    public static void main(String[] args) throws Exception {
        try (Connection c = DriverManager.getConnection("jdbc:sqlite:" + args[0])) {
            People p = new People();
            p.Id = 1;
            p.Name = "O'Brien";
            p.Price = 2.5;
            PeopleInsert.InsertPeople(c, p);
            p.Id = 2;
            p.Name = "Smith";
            PeopleInsert.InsertPeople(c, p);
            print(PeopleSelect.SelectPeople(c));
            System.out.println("--");
            p.Name = "D'Arcy";
            PeopleUpdate.UpdatePeople(c, p);
            print(PeopleSelect.SelectPeople(c));
            System.out.println("--");
            PeopleDelete.DeletePeople(c);
            print(PeopleSelect.SelectPeople(c));
        }
    }
}
)");
  const std::string classes = (dir / "classes").string();
  ASSERT_TRUE(
      Runs("cd " + dir.string() + " && javac -encoding GBK -d " + classes + " *.java", dir));
  std::string output;
  ASSERT_TRUE(Runs("java -Duser.language=en -cp " + classes + ":" + jar + " Main " + database, dir,
                   &output));
  EXPECT_EQ(output, kExpectedRun);
}

}  // namespace
}  // namespace tablora
