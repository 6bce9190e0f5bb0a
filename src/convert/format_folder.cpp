#include "convert/format_folder.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "base/gbk_text.h"
#include "base/ini_file.h"
#include "base/program_folder.h"
#include "base/text_file.h"

namespace tablora {

namespace {
constexpr const char* kSection = "OutFormat";
constexpr std::size_t kNameBuffer = 256;
constexpr std::size_t kTextBuffer = 512;

std::string Key(int index, char part) {
  char key[32];
  std::snprintf(key, sizeof key, "T%d%c", index, part);
  return key;
}
}  // namespace

FormatFolder::FormatFolder(const std::string& programFolder)
    : folder_(ProgramFolder::Join(programFolder, "tableformat")) {}

std::vector<OutputFormat> FormatFolder::OutputFormats() const {
  const IniFile ini = IniFile::Load(ProgramFolder::Join(folder_, "tableformat.ini"));
  // A count past the keys there are would only add empty formats.
  const int count = std::min<long long>(ini.GetInt(kSection, "Count", 0),
                                        static_cast<long long>(ini.KeyCount(kSection)));
  std::vector<OutputFormat> formats;
  for (int i = 1; i <= count; ++i) {
    formats.push_back({ini.GetString(kSection, Key(i, 'A'), "", kNameBuffer),
                       ini.GetString(kSection, Key(i, 'B'), "", kTextBuffer)});
  }
  return formats;
}

std::vector<std::string> FormatFolder::SourceFormats() const {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
    if (!it->is_regular_file(error)) continue;
    const fs::path& path = it->path();
    if (gbk::EqualsIgnoreCase(path.extension().string(), ".sql")) {
      names.push_back(path.stem().string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool FormatFolder::ReadSourceFormat(const std::string& name, std::string& text) const {
  // The file as it was found, whatever the letter case of its extension.
  namespace fs = std::filesystem;
  std::error_code error;
  for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
    const fs::path& path = it->path();
    if (path.stem().string() == name && gbk::EqualsIgnoreCase(path.extension().string(), ".sql")) {
      return TextFile::ReadBytes(path.string(), text);
    }
  }
  return false;
}

}  // namespace tablora
