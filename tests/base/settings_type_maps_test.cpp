#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "base/settings_loader.h"
#include "base/text_file.h"

namespace tablora {
namespace {

/// Compiles the members and accessors that the code generators make from the shipped type
/// maps, with the system's C, C++ and Java compilers: every mapped type must compile with
/// nothing but standard headers.
class ShippedTypeMapsCompile : public ::testing::Test {
 protected:
  void SetUp() override {
    settings_ = LoadSettingsFile(TABLORA_SOURCE_DIR "/resources");
    ASSERT_FALSE(settings_.DataTypes(kSqlServer).empty());
    folder_ = ::testing::TempDir() + "/shipped_type_maps";
    ::mkdir(folder_.c_str(), 0755);
  }

  /// Every data type of every kind, with a member name that is unique and a valid identifier.
  template <typename Each>
  void ForEachType(Each each) const {
    int n = 0;
    for (int kind : {kSqlServer, kAccess, kOracle}) {
      for (const auto& type : settings_.DataTypes(kind)) each(type, "f" + std::to_string(++n));
    }
  }

  /// Runs a command; on failure the compiler's output is part of the message.
  ::testing::AssertionResult Run(const std::string& command) const {
    const std::string log = folder_ + "/compile.log";
    if (std::system((command + " > " + log + " 2>&1").c_str()) == 0) {
      return ::testing::AssertionSuccess();
    }
    std::string output;
    TextFile::ReadBytes(log, output);
    return ::testing::AssertionFailure() << command << "\n" << output;
  }

  static bool Have(const char* tool) {
    return std::system((std::string("command -v ") + tool + " > /dev/null 2>&1").c_str()) == 0;
  }

  Settings settings_;
  std::string folder_;
};

TEST_F(ShippedTypeMapsCompile, CStructure) {
  if (!Have("cc")) GTEST_SKIP() << "no C compiler";
  std::string code = "typedef struct{\n";
  ForEachType([&](const std::string& type, const std::string& name) {
    const std::string c = settings_.LookupCType(type);
    code += c + " " + settings_.LookupCPrefix(c, 0) + name + ";\n";
    code += c + " " + settings_.LookupCPrefix(c, 20) + name + "x[20];\n";
  });
  code += "}AllTypes;\n";
  ASSERT_TRUE(TextFile::WriteBytes(folder_ + "/all_types.c", code));
  EXPECT_TRUE(Run("cc -std=c99 -pedantic -Wall -Werror -fsyntax-only " + folder_ + "/all_types.c"));
}

TEST_F(ShippedTypeMapsCompile, CppClassWithAccessors) {
  if (!Have("c++")) GTEST_SKIP() << "no C++ compiler";
  std::string members;
  std::string methods;
  ForEachType([&](const std::string& type, const std::string& name) {
    const std::string t = settings_.LookupCType(type);
    const std::string p = settings_.LookupCPrefix(t, 0);
    members += t + " m_" + p + name + ";\n";
    methods += t + " Get" + name + "()\n{\nreturn m_" + p + name + ";\n}\n ";
    methods += "void  Set" + name + "(const " + t + " " + p + name + ")\n{\nm_" + p + name + " = " +
               p + name + ";\n}\n ";
    // A text column with a length is a character array when its prefix is "ac".
    const std::string ap = settings_.LookupCPrefix(t, 20);
    if (ap == "ac") {
      const std::string x = name + "x";
      members += t + " m_" + ap + x + "[20];\n";
      methods += "void Get" + x + "(" + t + "* " + ap + x + ")\n{\nstrcpy(" + ap + x + ", m_" + ap +
                 x + ");\n}\n ";
      methods += "void  Set" + x + "(const " + t + "* " + ap + x + ")\n{\nstrcpy(m_" + ap + x +
                 ", " + ap + x + ");\n}\n ";
    }
  });
  const std::string code = "#include <cstring>\nclass AllTypes\n{\nprivate:\n" + members +
                           "\npublic:\nAllTypes() { }\n~AllTypes() { }\n" + methods + "\n};\n";
  ASSERT_TRUE(TextFile::WriteBytes(folder_ + "/all_types.hpp", code));
  EXPECT_TRUE(
      Run("c++ -std=c++17 -Wall -Werror -fsyntax-only -x c++ " + folder_ + "/all_types.hpp"));
}

TEST_F(ShippedTypeMapsCompile, JavaClassWithAccessors) {
  if (!Have("javac")) GTEST_SKIP() << "no Java compiler";
  std::string code = "public class AllTypes\n{\n";
  ForEachType([&](const std::string& type, const std::string& name) {
    const std::string j = settings_.LookupJavaType(type);
    const std::string p = settings_.LookupJavaPrefix(j);
    code += "private " + j + " " + p + name + ";\n";
    code += "public " + j + " get" + name + "()\n{\nreturn " + p + name + ";\n}\n ";
    code += "public void  set" + name + "(" + j + " " + name + ")\n{\nthis." + p + name + " = " +
            name + ";\n}\n ";
  });
  code += "\n}\n";
  ASSERT_TRUE(TextFile::WriteBytes(folder_ + "/AllTypes.java", code));
  EXPECT_TRUE(Run("javac -d " + folder_ + " " + folder_ + "/AllTypes.java"));
}

}  // namespace
}  // namespace tablora
