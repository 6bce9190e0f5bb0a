#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/prompts.h"
#include "base/settings.h"
#include "gen/code_names.h"
#include "gen/generation_options.h"
#include "gen/generator_texts.h"
#include "gen/type_mapper.h"
#include "model/table_design.h"

namespace tablora {

/// How a generator command ended.
enum class GenerationResult {
  kWritten,    ///< every file was written and "已生成N个文件: " said how many and where
  kNoData,     ///< the design has no tables (or no table at the index): "没有数据!" was shown
  kCancelled,  ///< a file, folder or options dialog was cancelled; nothing was written
  kFailed,     ///< a file could not be written; the message was shown
};

/// The three generator commands of the main menu and of a table window's menu: refresh
/// the definitions, ask where to write and which options, and write code page 936 files (or
/// UTF-8 ones, as the settings and the options dialog choose) with CR LF line ends.
class CodeGeneration {
 public:
  /// Brings the definition list up to date with the open editors and returns it
  /// (the design's RefreshTableDefinitions).
  using RefreshDefinitions = std::function<const std::vector<TableDesign>&()>;

  /// Keeps references to `settings`, `prompts`, `options` and `userTypes` (the design's
  /// user-defined types; may be null) for its lifetime.
  CodeGeneration(const Settings& settings, Prompts& prompts, OptionsPrompt& options,
                 RefreshDefinitions refresh, const std::vector<UserType>* userTypes = nullptr);

  /// Table `index` of the table list, or every table for -1, into one "%s.h" file.
  GenerationResult GenerateCStruct(int index);
  /// Every table into its own "%s.java" file in a chosen folder (package = the folder's
  /// name), or table `index` into a chosen file (package = the name of the file's folder).
  GenerationResult GenerateJavaClass(int index);
  /// Table `index`, or every table for -1, into one "%s.hpp" file.
  GenerationResult GenerateCppClass(int index);

  /// The year of the Java copyright line; by default the current local year.
  void setYear(int year) { year_ = year; }
  /// The files of the last command, file-system paths, in the order written.
  const std::vector<std::string>& writtenFiles() const { return writtenFiles_; }

 private:
  /// Runs the refresh; false (after "没有数据!") when there is nothing to generate.
  bool HasTables(int index);
  /// The save dialog for one file: empty when cancelled.
  std::string AskSaveFile(int index, const std::string& extension, CodeLanguage language);
  /// "已生成N个文件: " with the file written or the folder of the files (`where`, UTF-8).
  void ShowWritten(std::size_t count, const std::string& where);
  /// Writes the core's `text` in code page 936 (GB18030 for characters GBK lacks) or UTF-8.
  bool Write(const std::string& path, const std::string& text, bool utf8);
  /// "无法写入文件: " with the path and the system's reason.
  void ShowCannotWrite(const std::string& path, const std::string& error);
  /// The one-file generators: save dialog, options dialog, one declaration per table.
  GenerationResult GenerateHeaderFile(int index, const std::string& extension,
                                      CodeLanguage language, bool showAccessors,
                                      gen_text::AppendTableFn append);
  TypeMapper Types() const;

  const Settings& settings_;
  Prompts& prompts_;
  OptionsPrompt& options_;
  RefreshDefinitions refresh_;
  const std::vector<UserType>* userTypes_;
  const std::vector<TableDesign>* tables_ = nullptr;
  int year_;
  std::vector<std::string> writtenFiles_;
};

}  // namespace tablora
