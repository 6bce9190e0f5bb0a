#include "gen/code_generation.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "base/text_file.h"
#include "gen/fixed_options_prompt.h"
#include "gen/sample_design.h"
#include "support/scripted_prompts.h"

namespace tablora {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::string bytes;
  EXPECT_TRUE(TextFile::ReadBytes(path.string(), bytes)) << path;
  return bytes;
}

/// Compares a written file with its expected bytes under tests/data; on a difference the
/// written file is kept beside the test output for inspection.
void ExpectSameAsFixture(const fs::path& written, const std::string& fixture) {
  const std::string actual = ReadFile(written);
  const std::string expected = ReadFile(fs::path(TABLORA_TEST_DATA) / fixture);
  if (actual != expected) {
    const fs::path kept = fs::path(::testing::TempDir()) / fs::path(fixture).filename();
    TextFile::WriteBytes(kept.string(), actual);
    ADD_FAILURE() << written << " differs from " << fixture << "; written copy kept at " << kept;
  }
}

GenerationOptions Options(bool prefix, bool accessors, bool skipTime) {
  GenerationOptions o;
  o.prefix = prefix;
  o.accessors = accessors;
  o.skipTime = skipTime;
  return o;
}

class CodeGenerationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::path(::testing::TempDir()) /
          ("codegen_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    settings = testing::SampleTypeMaps();
    settings.programFolder = dir.string();
    design = testing::SampleDesign();
  }
  void TearDown() override { fs::remove_all(dir); }

  CodeGeneration Flow(OptionsPrompt& options) {
    CodeGeneration flow(settings, prompts, options, [this]() -> const std::vector<TableDesign>& {
      ++refreshes;
      fileDialogsAtRefresh = prompts.fileDialogs.size();
      foldersLeftAtRefresh = prompts.folders.size();
      return design;
    });
    flow.setYear(2026);
    return flow;
  }

  fs::path dir;
  Settings settings;
  std::vector<TableDesign> design;
  testing::ScriptedPrompts prompts;
  int refreshes = 0;
  std::size_t fileDialogsAtRefresh = 0;  ///< file dialogs asked when the refresh ran
  std::size_t foldersLeftAtRefresh = 0;  ///< scripted folders not yet taken at the refresh
};

TEST_F(CodeGenerationTest, EmptyDesignSaysNoDataAndAsksNothing) {
  design.clear();
  FixedOptionsPrompt options;
  CodeGeneration flow = Flow(options);
  EXPECT_EQ(flow.GenerateCStruct(-1), GenerationResult::kNoData);
  EXPECT_EQ(flow.GenerateJavaClass(-1), GenerationResult::kNoData);
  EXPECT_EQ(flow.GenerateCppClass(0), GenerationResult::kNoData);
  EXPECT_EQ(refreshes, 3);
  EXPECT_EQ(prompts.messages, std::vector<std::string>(3, Cp936(u8"没有数据!")));
  EXPECT_TRUE(prompts.fileDialogs.empty());
  EXPECT_EQ(options.asked(), 0);
  EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(CodeGenerationTest, IndexOutsideTheListIsNoData) {
  FixedOptionsPrompt options;
  CodeGeneration flow = Flow(options);
  EXPECT_EQ(flow.GenerateCppClass(3), GenerationResult::kNoData);
  EXPECT_EQ(prompts.messages.size(), 1u);
  EXPECT_TRUE(prompts.fileDialogs.empty());
}

TEST_F(CodeGenerationTest, TableNamesNeverLeaveTheFolderAndNamelessTablesAreSkipped) {
  design[0].actualName = "../escape";
  design.insert(design.begin() + 1, TableDesign{});  // a placeholder of a table being typed
  const fs::path folder = dir / "out";
  fs::create_directories(folder);
  FixedOptionsPrompt options;
  CodeGeneration flow = Flow(options);
  prompts.folders.push_back(folder.string());
  ASSERT_EQ(flow.GenerateJavaClass(-1), GenerationResult::kWritten);
  std::vector<std::string> written;
  for (const std::string& path : flow.writtenFiles()) {
    EXPECT_EQ(fs::path(path).parent_path(), folder) << path;
    written.push_back(fs::path(path).filename().string());
  }
  EXPECT_EQ(written, (std::vector<std::string>{"___escape.java", "TEmpty.java", "TLog.java"}));
  EXPECT_FALSE(fs::exists(dir / "escape.java"));

  // The placeholder alone is no data; in a header file it writes nothing.
  EXPECT_EQ(flow.GenerateCStruct(1), GenerationResult::kNoData);
  prompts.saveFiles.push_back((dir / "all.h").string());
  ASSERT_EQ(flow.GenerateCStruct(-1), GenerationResult::kWritten);
  EXPECT_EQ(ReadFile(dir / "all.h").find("typedef struct{\r\n};"), std::string::npos);
}

TEST_F(CodeGenerationTest, CStructOfAllTablesInBothPrefixModes) {
  for (bool prefix : {false, true}) {
    FixedOptionsPrompt options(Options(prefix, true, true));
    CodeGeneration flow = Flow(options);
    const fs::path out = dir / (prefix ? "prefix.h" : "plain.h");
    prompts.saveFiles.push_back(out.string());
    ASSERT_EQ(flow.GenerateCStruct(-1), GenerationResult::kWritten);
    EXPECT_EQ(fileDialogsAtRefresh + 1, prompts.fileDialogs.size());
    EXPECT_FALSE(options.lastLayout().showAccessors);
    EXPECT_FALSE(options.lastLayout().showSkipTime);
    EXPECT_EQ(flow.writtenFiles(), std::vector<std::string>{out.string()});
    ExpectSameAsFixture(out, prefix ? "gen_c/design_prefix.h" : "gen_c/design_plain.h");
  }
  ASSERT_EQ(prompts.fileDialogs.size(), 2u);
  EXPECT_EQ(prompts.fileDialogs[0].defaultExtension, "h");
  EXPECT_EQ(prompts.fileDialogs[0].proposedName, "");
  // Each run says how many files it wrote and where.
  EXPECT_EQ(prompts.messages,
            (std::vector<std::string>{Cp936(u8"已生成1个文件: ") + (dir / "plain.h").string(),
                                      Cp936(u8"已生成1个文件: ") + (dir / "prefix.h").string()}));
}

TEST_F(CodeGenerationTest, CppClassOfAllTablesInEveryOptionCombination) {
  const char* const names[] = {"plain", "prefix", "accessors", "prefix_accessors"};
  for (int combo = 0; combo < 4; ++combo) {
    const bool prefix = combo & 1;
    const bool accessors = combo & 2;
    FixedOptionsPrompt options(Options(prefix, accessors, true));
    CodeGeneration flow = Flow(options);
    const fs::path out = dir / (std::string(names[combo]) + ".hpp");
    prompts.saveFiles.push_back(out.string());
    ASSERT_EQ(flow.GenerateCppClass(-1), GenerationResult::kWritten);
    EXPECT_TRUE(options.lastLayout().showAccessors);
    EXPECT_FALSE(options.lastLayout().showSkipTime);
    ExpectSameAsFixture(out, std::string("gen_cpp/design_") + names[combo] + ".hpp");
  }
  EXPECT_EQ(prompts.fileDialogs.at(0).defaultExtension, "hpp");
}

TEST_F(CodeGenerationTest, JavaOfAllTablesInEveryOptionCombination) {
  for (int combo = 0; combo < 8; ++combo) {
    const bool prefix = combo & 1;
    const bool accessors = combo & 2;
    const bool skipTime = combo & 4;
    const std::string name =
        std::string(prefix ? "p" : "") + (accessors ? "a" : "") + (skipTime ? "s" : "");
    // The package is the folder's name: "beans" for every combination.
    const fs::path folder = dir / ("c" + std::to_string(combo)) / "beans";
    fs::create_directories(folder);
    FixedOptionsPrompt options(Options(prefix, accessors, skipTime));
    CodeGeneration flow = Flow(options);
    prompts.folders.push_back(folder.string() + "/");
    ASSERT_EQ(flow.GenerateJavaClass(-1), GenerationResult::kWritten);
    EXPECT_EQ(foldersLeftAtRefresh, 1u);
    EXPECT_TRUE(prompts.folders.empty());
    EXPECT_TRUE(options.lastLayout().showAccessors);
    EXPECT_TRUE(options.lastLayout().showSkipTime);
    ASSERT_EQ(flow.writtenFiles().size(), 3u);
    EXPECT_EQ(fs::path(flow.writtenFiles()[2]).filename(), "TLog.java");
    EXPECT_EQ(prompts.messages.back(), Cp936(u8"已生成3个文件: ") + folder.string() + "/");
    ExpectSameAsFixture(folder / "TUser.java",
                        "gen_java/TUser_" + (name.empty() ? "plain" : name) + ".java");
    if (combo == 0) {
      ExpectSameAsFixture(folder / "TEmpty.java", "gen_java/TEmpty_plain.java");
      ExpectSameAsFixture(folder / "TLog.java", "gen_java/TLog_plain.java");
    }
  }
  EXPECT_TRUE(prompts.fileDialogs.empty());
}

TEST_F(CodeGenerationTest, FolderChooserLeavesTheStartToThePromptsNotTheProgramFolder) {
  struct RecordingPrompts : testing::ScriptedPrompts {
    std::string startFolder = "not asked";
    std::string ChooseFolder(const std::string& start) override {
      startFolder = start;
      return {};
    }
  } recording;
  FixedOptionsPrompt options;
  CodeGeneration flow(settings, recording, options,
                      [this]() -> const std::vector<TableDesign>& { return design; });
  EXPECT_EQ(flow.GenerateJavaClass(-1), GenerationResult::kCancelled);
  EXPECT_EQ(recording.startFolder, "");
  EXPECT_EQ(options.asked(), 0);
}

TEST_F(CodeGenerationTest, OneTableIsProposedUnderItsActualName) {
  FixedOptionsPrompt options;
  CodeGeneration flow = Flow(options);
  EXPECT_EQ(flow.GenerateCStruct(2), GenerationResult::kCancelled);
  EXPECT_EQ(flow.GenerateCppClass(0), GenerationResult::kCancelled);
  EXPECT_EQ(flow.GenerateJavaClass(1), GenerationResult::kCancelled);
  ASSERT_EQ(prompts.fileDialogs.size(), 3u);
  EXPECT_EQ(prompts.fileDialogs[0].proposedName, "TLog.h");
  EXPECT_EQ(prompts.fileDialogs[1].proposedName, "TUser.hpp");
  EXPECT_EQ(prompts.fileDialogs[2].proposedName, "TEmpty.java");
  EXPECT_EQ(prompts.fileDialogs[2].defaultExtension, "java");
  // Cancelling the file dialog ends the command before the options are asked.
  EXPECT_EQ(options.asked(), 0);
  EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(CodeGenerationTest, OneTableFilesHoldOnlyThatTable) {
  FixedOptionsPrompt options(Options(true, true, false));
  CodeGeneration flow = Flow(options);
  prompts.saveFiles = {(dir / "log.h").string(), (dir / "log.hpp").string()};
  ASSERT_EQ(flow.GenerateCStruct(2), GenerationResult::kWritten);
  ASSERT_EQ(flow.GenerateCppClass(2), GenerationResult::kWritten);
  EXPECT_EQ(ReadFile(dir / "log.h"),
            Cp936(u8"// 日志\r\ntypedef struct{\r\nchar acCode[4];\t\r\n}TLog;\r\n\r\n"));
  EXPECT_EQ(ReadFile(dir / "log.hpp"),
            Cp936(u8"// 日志\r\nclass TLog\r\n{\r\nprivate:\r\nchar m_acCode[4];\t\r\n\r\n"
                  u8"public:\r\nTLog() { }\r\n~TLog() { }\r\n"
                  u8"void GetCode(char* acCode)\r\n{\r\nstrcpy(acCode, m_acCode);\r\n}\r\n "
                  u8"void  SetCode(const char* acCode)\r\n{\r\nstrcpy(m_acCode, acCode);\r\n}\r\n "
                  u8"\r\n};\r\n\r\n"));
}

TEST_F(CodeGenerationTest, OneJavaTableIsPackagedAfterTheFileFolder) {
  FixedOptionsPrompt options;
  CodeGeneration flow = Flow(options);
  fs::create_directories(dir / "model");
  const fs::path out = dir / "model" / "Log.java";
  prompts.saveFiles.push_back(out.string());
  ASSERT_EQ(flow.GenerateJavaClass(2), GenerationResult::kWritten);
  EXPECT_EQ(flow.writtenFiles(), std::vector<std::string>{out.string()});
  const std::string text = ReadFile(out);
  EXPECT_EQ(text.substr(0, 16), "package model;\r\n");
  EXPECT_NE(text.find("public class TLog\r\n"), std::string::npos);
}

TEST_F(CodeGenerationTest, CancelledOptionsWriteNothing) {
  FixedOptionsPrompt cancel({}, /*cancel=*/true);
  CodeGeneration flow = Flow(cancel);
  prompts.saveFiles = {(dir / "a.h").string(), (dir / "a.hpp").string()};
  prompts.folders = {dir.string()};
  EXPECT_EQ(flow.GenerateCStruct(-1), GenerationResult::kCancelled);
  EXPECT_EQ(flow.GenerateCppClass(-1), GenerationResult::kCancelled);
  EXPECT_EQ(flow.GenerateJavaClass(-1), GenerationResult::kCancelled);
  EXPECT_EQ(cancel.asked(), 3);
  EXPECT_TRUE(fs::is_empty(dir));
  EXPECT_TRUE(flow.writtenFiles().empty());
}

TEST_F(CodeGenerationTest, UnwritableFileIsReportedNotClaimed) {
  FixedOptionsPrompt options;
  CodeGeneration flow = Flow(options);
  prompts.saveFiles = {(dir / "missing" / "a.h").string()};
  prompts.folders = {(dir / "missing").string()};
  EXPECT_EQ(flow.GenerateCStruct(-1), GenerationResult::kFailed);
  EXPECT_EQ(flow.GenerateJavaClass(-1), GenerationResult::kFailed);
  ASSERT_EQ(prompts.messages.size(), 2u);
  const std::string prefix = Cp936(u8"无法写入文件: ");
  EXPECT_EQ(prompts.messages[0].substr(0, prefix.size()), prefix);
  EXPECT_NE(prompts.messages[0].find("missing/a.h"), std::string::npos);
  EXPECT_NE(prompts.messages[1].find("missing/TUser.java"), std::string::npos);
  EXPECT_TRUE(flow.writtenFiles().empty());
}

TEST_F(CodeGenerationTest, JavaCopyrightYearIsTheCurrentYearByDefault) {
  FixedOptionsPrompt options;
  CodeGeneration flow(settings, prompts, options,
                      [this]() -> const std::vector<TableDesign>& { return design; });
  prompts.saveFiles.push_back((dir / "x" / "T.java").string());
  fs::create_directories(dir / "x");
  ASSERT_EQ(flow.GenerateJavaClass(1), GenerationResult::kWritten);
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  EXPECT_NE(ReadFile(dir / "x" / "T.java")
                .find("Copyright (c) " + std::to_string(local.tm_year + 1900) + "</p>\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace tablora
