// The generated files are fed to real compilers: gcc and g++ with -fsyntax-only and javac.
// A table without columns gives an empty structure, which C accepts only as a GNU
// extension, so the C check runs in gnu99 mode.
// The C and C++ files are read as code page 936 (-finput-charset=GBK), as the compilers of
// their users read them: a double-byte character whose second byte is a backslash must not
// splice the next line into a comment (the C++ accessors would then name a member that the
// comment swallowed). The C++ accessors copy arrays with strcpy and
// memcpy, so the C++ file is compiled through a wrapper that includes <cstring> first.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/settings_loader.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "gen/c_struct_generator.h"
#include "gen/cpp_class_generator.h"
#include "gen/java_class_generator.h"
#include "gen/sample_design.h"
#include "gen/type_mapper.h"
#include "model/script_parser.h"

namespace tablora {
namespace {

namespace fs = std::filesystem;

bool HaveProgram(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

/// Runs a shell command; on failure the result carries its output for the test message.
::testing::AssertionResult Runs(const std::string& command, const fs::path& log) {
  const int status = std::system((command + " >" + log.string() + " 2>&1").c_str());
  if (status == 0) return ::testing::AssertionSuccess();
  std::ifstream in(log);
  std::stringstream output;
  output << in.rdbuf();
  std::string text = output.str();
  if (text.size() > 4000) text.resize(4000);
  return ::testing::AssertionFailure() << command << "\nexit " << status << "\n" << text;
}

bool IsSized(const std::string& type) {
  for (const char* t : {"char", "varchar", "nchar", "nvarchar", "binary", "varbinary"}) {
    if (type == t) return true;
  }
  return false;
}

/// `count` tables that use every MS SQL Server data type of `settings`, sized types with
/// and without a size, Chinese display names and notes (one ending in a character whose
/// second byte is a backslash), tables without display name, comment or columns.
std::vector<TableDesign> GeneratedDesign(const Settings& settings, int count) {
  const std::vector<std::string>& types = settings.DataTypes(kSqlServer);
  std::vector<TableDesign> design(count);
  for (int t = 0; t < count; ++t) {
    TableDesign& table = design[t];
    table.actualName = "Table" + std::to_string(t);
    if (t % 5 != 1) table.displayName = Cp936(u8"表") + std::to_string(t);
    if (t % 4 != 2) table.comment = Cp936(u8"第") + std::to_string(t) + Cp936(u8"号表");
    if (t % 50 == 49) continue;  // a table without columns
    for (std::size_t i = 0; i < types.size(); ++i) {
      const std::string& type = types[(i + t) % types.size()];
      ColumnDesign column;
      column.actualName = "Field" + std::to_string(i) + "_" + std::to_string(t % 7);
      column.typeName = type;
      if (i % 3 != 0) column.displayName = Cp936(u8"字段") + std::to_string(i);
      if (i % 4 == 1) column.note = Cp936(u8"说明");
      if (i % 11 == 5) column.note = Cp936(u8"真誠");  // 誠 ends in byte 0x5C
      if (IsSized(type) && t % 3 != 0) column.length = 1 + static_cast<int>((i * 7 + t) % 60);
      if (type == "decimal" || type == "numeric") {
        column.length = 18;
        column.scale = 2;
      }
      table.columns.push_back(column);
    }
  }
  return design;
}

/// The sample design with the columns that cannot be valid code left out (the nameless
/// one and the unmapped types).
std::vector<TableDesign> SampleDesignOfValidNames() {
  std::vector<TableDesign> design = testing::SampleDesign();
  auto& columns = design[0].columns;
  columns.erase(std::remove_if(columns.begin(), columns.end(),
                               [](const ColumnDesign& c) {
                                 return c.actualName.empty() || c.typeName == "image" ||
                                        c.typeName == "smalldatetime";
                               }),
                columns.end());
  return design;
}

/// Tables as real scripts write them: upper-case types, "(max)" types, user-defined types,
/// a synonym of several words and a computed column.
std::vector<TableDesign> DesignReadFromAScript(std::vector<UserType>& userTypes) {
  ScriptParser parser(std::string(TABLORA_SOURCE_DIR) + "/resources");
  std::vector<TableDesign> tables = parser.ParseTables(
      "CREATE TYPE [dbo].[Phone] FROM [nvarchar](25) NOT NULL\nGO\n"
      "EXEC sp_addtype N'Amount', N'decimal(19,4)', N'NULL'\nGO\n"
      "CREATE TABLE [Sales].[Customer] (\n"
      "  [CustomerID] INT IDENTITY(1,1) NOT NULL,\n"
      "  [Name] NVARCHAR(50) NOT NULL,\n"
      "  [Email] VARCHAR(MAX) NULL,\n"
      "  [Photo] VARBINARY(MAX) NULL,\n"
      "  [Notes] NVARCHAR(max) NULL,\n"
      "  [Active] BIT NOT NULL,\n"
      "  [Created] DATETIME NOT NULL,\n"
      "  [Phone] [dbo].[Phone],\n"
      "  [Balance] Amount NULL,\n"
      "  [Rate] double precision NULL,\n"
      "  [Code] NCHAR(10) NULL,\n"
      "  [Total] AS ([Balance]*2),\n"
      "  CONSTRAINT [PK_Customer] PRIMARY KEY ([CustomerID])\n"
      ")\n"
      "CREATE TABLE [Sales].[Invoice] ([InvoiceID] BIGINT NOT NULL, [Paid] MONEY NULL,\n"
      "  [Customer] INT NULL REFERENCES [Sales].[Customer] ([CustomerID]), [Memo] TEXT NULL)\n");
  EXPECT_EQ(parser.error(), "");
  EXPECT_EQ(tables.size(), 2u);
  userTypes = parser.userTypes();
  return tables;
}

/// Names no language takes as they are: blanks and punctuation, a leading digit, reserved
/// words of each language, names that differ only there, Chinese names with full-width
/// punctuation, Java's type-only words as table names; and a table comment that would end
/// the Java class comment.
std::vector<TableDesign> DesignOfBadNames() {
  auto column = [](const char* name, const char* type, int length = 0) {
    ColumnDesign c;
    c.actualName = Cp936(name);
    c.typeName = type;
    c.length = length;
    return c;
  };
  TableDesign details;
  details.actualName = "Order Details";
  details.displayName = Cp936(u8"订单明细");
  details.comment = "ends a block comment */ early";
  details.columns = {column("Order ID", "int"),          column("Unit Price", "money"),
                     column("Unit_Price", "float"),      column("Unit-Price", "decimal"),
                     column("2nd", "int"),               column("class", "varchar", 10),
                     column("int", "int"),               column("a$b", "int"),
                     column(u8"数量（件）", "smallint"), column("default", "bit"),
                     column("and", "char", 4),           column("typeof", "int"),
                     column("synchronized", "int"),      column("Order Details", "int")};
  TableDesign sales;
  sales.actualName = "2020 Sales";
  sales.columns = {column("var", "int"), column("record", "datetime"), column("this", "int")};
  TableDesign chinese;
  chinese.actualName = Cp936(u8"库存（旧）");
  chinese.columns = {column(u8"商品名称", "varchar", 20)};
  TableDesign record;
  record.actualName = "record";
  record.columns = {column("id", "int")};
  TableDesign keyword;
  keyword.actualName = "class";
  return {details, sales, chinese, record, keyword};
}

class GeneratedCodeCompiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::path(::testing::TempDir()) /
          ("gen_compile_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    // The settings file the program ships, with its MS SQL Server types and type maps.
    settings = LoadSettingsFile(std::string(TABLORA_SOURCE_DIR) + "/resources");
    ASSERT_GE(settings.DataTypes(kSqlServer).size(), 20u);
    ASSERT_FALSE(settings.typeC.empty());
    ASSERT_FALSE(settings.typeJava.empty());
    designs = {GeneratedDesign(settings, 200), SampleDesignOfValidNames(),
               DesignReadFromAScript(scriptTypes), DesignOfBadNames()};
    userTypes = {{}, {}, scriptTypes, {}};
  }
  void TearDown() override {
    if (!HasFailure()) fs::remove_all(dir);
  }

  void Write(const fs::path& path, const std::string& text) {
    ASSERT_TRUE(TextFile::WriteText(path.string(), text)) << path;
  }

  TypeMapper Types(std::size_t design) const { return TypeMapper(settings, userTypes[design]); }

  fs::path dir;
  Settings settings;
  std::vector<UserType> scriptTypes;
  std::vector<std::vector<TableDesign>> designs;
  std::vector<std::vector<UserType>> userTypes;  ///< the user-defined types of each design
};

TEST_F(GeneratedCodeCompiles, CStructuresWithGcc) {
  if (!HaveProgram("gcc")) GTEST_SKIP() << "gcc is not installed";
  int files = 0;
  for (std::size_t d = 0; d < designs.size(); ++d) {
    for (bool prefix : {false, true}) {
      GenerationOptions options;
      options.prefix = prefix;
      const fs::path header = dir / ("design" + std::to_string(d) + (prefix ? "p" : "") + ".h");
      Write(header, CStructGenerator::Build(designs[d], Types(d), options, -1));
      EXPECT_TRUE(Runs("gcc -std=gnu99 -fsyntax-only -finput-charset=GBK -x c " + header.string(),
                       dir / "gcc.log"));
      ++files;
    }
  }
  EXPECT_EQ(files, 8);
}

TEST_F(GeneratedCodeCompiles, CppClassesWithGxx) {
  if (!HaveProgram("g++")) GTEST_SKIP() << "g++ is not installed";
  for (std::size_t d = 0; d < designs.size(); ++d) {
    for (int combo = 0; combo < 4; ++combo) {
      GenerationOptions options;
      options.prefix = combo & 1;
      options.accessors = combo & 2;
      const std::string name = "design" + std::to_string(d) + "_" + std::to_string(combo);
      Write(dir / (name + ".hpp"), CppClassGenerator::Build(designs[d], Types(d), options, -1));
      Write(dir / (name + ".cpp"), "#include <cstring>\n#include \"" + name + ".hpp\"\n");
      EXPECT_TRUE(Runs("g++ -std=c++17 -pedantic-errors -fsyntax-only -finput-charset=GBK " +
                           (dir / (name + ".cpp")).string(),
                       dir / "gxx.log"));
    }
  }
}

TEST_F(GeneratedCodeCompiles, JavaClassesWithJavac) {
  if (!HaveProgram("javac")) GTEST_SKIP() << "javac is not installed";
  // Every option combination in its own package; one javac run compiles them all.
  std::string sources;
  int files = 0;
  for (std::size_t d = 0; d < designs.size(); ++d) {
    for (int combo = 0; combo < 8; ++combo) {
      GenerationOptions options;
      options.prefix = combo & 1;
      options.accessors = combo & 2;
      options.skipTime = combo & 4;
      const std::string package = "design" + std::to_string(d) + "_" + std::to_string(combo);
      fs::create_directories(dir / "src" / package);
      for (const JavaSource& source :
           JavaClassGenerator::Build(designs[d], Types(d), options, -1, package, 2026)) {
        // Named as the program names it: the class name in UTF-8.
        const fs::path file =
            dir / "src" / package / (TextCodec::Cp936ToUtf8(source.className) + ".java");
        Write(file, source.text);
        sources += " " + file.string();
        ++files;
      }
    }
  }
  EXPECT_EQ(files, 8 * (200 + 3 + 2 + 5));
  const fs::path list = dir / "sources.txt";
  Write(list, sources);
  EXPECT_TRUE(
      Runs("javac -encoding GBK -nowarn -d " + (dir / "classes").string() + " @" + list.string(),
           dir / "javac.log"));
}

}  // namespace
}  // namespace tablora
