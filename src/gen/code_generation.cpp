#include "gen/code_generation.h"

#include <ctime>
#include <filesystem>

#include "base/document_titles.h"
#include "base/file_dialogs.h"
#include "base/file_set.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "gen/c_struct_generator.h"
#include "gen/code_names.h"
#include "gen/cpp_class_generator.h"
#include "gen/generator_texts.h"
#include "gen/java_class_generator.h"

namespace tablora {

namespace {

int CurrentLocalYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

/// The folder a chosen file lies in, made absolute so that a bare file name still has one.
std::string FolderOf(const std::string& path) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(path, ec);
  if (ec) absolute = path;
  return absolute.parent_path().string();
}

}  // namespace

TypeMapper CodeGeneration::Types() const {
  static const std::vector<UserType> none;
  return TypeMapper(settings_, userTypes_ ? *userTypes_ : none);
}

CodeGeneration::CodeGeneration(const Settings& settings, Prompts& prompts, OptionsPrompt& options,
                               RefreshDefinitions refresh, const std::vector<UserType>* userTypes)
    : settings_(settings),
      prompts_(prompts),
      options_(options),
      refresh_(std::move(refresh)),
      userTypes_(userTypes),
      year_(CurrentLocalYear()) {}

bool CodeGeneration::HasTables(int index) {
  writtenFiles_.clear();
  tables_ = &refresh_();
  // Nameless tables (still being typed) are never generated.
  const bool any = !gen_text::SelectTables(*tables_, index).empty();
  if (!any) {
    static const std::string kNoData = Cp936(u8"没有数据!");
    prompts_.ShowMessage(kNoData, DocumentTitles::kProgramName);
    return false;
  }
  return true;
}

std::string CodeGeneration::AskSaveFile(int index, const std::string& extension,
                                        CodeLanguage language) {
  std::string proposed;
  if (index >= 0) {
    // Named as the type the file declares.
    proposed = TextCodec::Cp936ToUtf8(gen_text::TypeNames(*tables_, language)[index]) + "." +
               extension;
  }
  return prompts_.ChooseSaveFile(FileDialogs::SaveCode(extension, proposed));
}

void CodeGeneration::ShowWritten(std::size_t count, const std::string& where) {
  static const std::string kWritten = Cp936(u8"已生成");
  static const std::string kFiles = Cp936(u8"个文件: ");
  prompts_.ShowMessage(kWritten + std::to_string(count) + kFiles + TextCodec::Utf8ToCp936(where),
                       DocumentTitles::kProgramName);
}

void CodeGeneration::ShowCannotWrite(const std::string& path, const std::string& error) {
  static const std::string kCannotWrite = Cp936(u8"无法写入文件: ");
  prompts_.ShowMessage(kCannotWrite + TextCodec::Utf8ToCp936(path) + "\n" + error,
                       DocumentTitles::kProgramName);
}

bool CodeGeneration::Write(const std::string& path, const std::string& text, bool utf8) {
  std::string error;
  if (!TextFile::WriteText(path, utf8 ? TextCodec::Cp936ToUtf8(text) : text, &error)) {
    ShowCannotWrite(path, error);
    return false;
  }
  writtenFiles_.push_back(path);
  return true;
}

GenerationResult CodeGeneration::GenerateHeaderFile(int index, const std::string& extension,
                                                    CodeLanguage language, bool showAccessors,
                                                    gen_text::AppendTableFn append) {
  if (!HasTables(index)) return GenerationResult::kNoData;
  const std::string path = AskSaveFile(index, extension, language);
  if (path.empty()) return GenerationResult::kCancelled;
  GenerationOptions options;
  options.utf8 = settings_.codeFilesUtf8;
  OptionsDialogLayout layout;
  layout.showAccessors = showAccessors;
  layout.showSkipTime = false;
  if (!options_.AskOptions(layout, options)) return GenerationResult::kCancelled;
  const std::string text =
      gen_text::BuildHeaderFile(*tables_, index, Types(), options, language, append);
  if (!Write(path, text, options.utf8)) return GenerationResult::kFailed;
  ShowWritten(1, path);
  return GenerationResult::kWritten;
}

GenerationResult CodeGeneration::GenerateCStruct(int index) {
  return GenerateHeaderFile(index, "h", CodeLanguage::kC, false, &CStructGenerator::AppendTable);
}

GenerationResult CodeGeneration::GenerateCppClass(int index) {
  return GenerateHeaderFile(index, "hpp", CodeLanguage::kCpp, true,
                            &CppClassGenerator::AppendTable);
}

GenerationResult CodeGeneration::GenerateJavaClass(int index) {
  if (!HasTables(index)) return GenerationResult::kNoData;
  std::string folder;
  std::string onePath;
  if (index == -1) {
    // Not the program folder, which may not even be writable: where the user last was.
    folder = prompts_.ChooseFolder("");
    if (folder.empty()) return GenerationResult::kCancelled;
  } else {
    onePath = AskSaveFile(index, "java", CodeLanguage::kJava);
    if (onePath.empty()) return GenerationResult::kCancelled;
    folder = FolderOf(onePath);
  }
  GenerationOptions options;
  options.utf8 = settings_.codeFilesUtf8;
  OptionsDialogLayout layout;
  layout.showAccessors = true;
  layout.showSkipTime = true;
  if (!options_.AskOptions(layout, options)) return GenerationResult::kCancelled;

  // A folder name that is no Java name ("gen out") still gives a package line javac takes.
  const std::string package = CodeNames::Identifier(
      TextCodec::Utf8ToCp936(JavaClassGenerator::PackageNameOf(folder)), CodeLanguage::kJava);
  // The files are written as one set, made durable by one sync for all of them.
  FileSet files;
  std::string error;
  std::string failed;
  for (const JavaSource& source :
       JavaClassGenerator::Build(*tables_, Types(), options, index, package, year_)) {
    // A table name never leads the file out of the chosen folder.
    const std::string fileName =
        TextCodec::Cp936ToUtf8(gen_text::SafeFileName(source.className)) + ".java";
    const std::string path =
        index == -1 ? (std::filesystem::path(folder) / fileName).string() : onePath;
    // One failure usually means the folder cannot be written: the files before it are
    // still written, it is said once, and nothing after it is tried.
    const std::string text = options.utf8 ? TextCodec::Cp936ToUtf8(source.text) : source.text;
    if (!files.Add(path, TextFile::ToCrLf(text), &error)) {
      failed = path;
      break;
    }
  }
  std::string commitError;
  const bool committed = files.Commit(&commitError);
  writtenFiles_ = files.committed();
  if (!committed) {
    failed = files.failedPath();
    error = commitError;
  }
  if (!failed.empty()) {
    ShowCannotWrite(failed, error);
    return GenerationResult::kFailed;
  }
  ShowWritten(writtenFiles_.size(), index == -1 ? folder : onePath);
  return GenerationResult::kWritten;
}

}  // namespace tablora
