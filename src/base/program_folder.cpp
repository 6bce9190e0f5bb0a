#include "base/program_folder.h"

#include <sys/stat.h>

namespace tablora {

std::string ProgramFolder::Join(const std::string& folder, const std::string& relative) {
  if (folder.empty()) return relative;
  if (folder.back() == '/') return folder + relative;
  return folder + "/" + relative;
}

std::string ProgramFolder::Choose(const std::string& executableFolder,
                                  const std::vector<std::string>& installedFolders,
                                  const std::string& launchFolder,
                                  const std::function<bool(const std::string&)>& fileExists) {
  if (!executableFolder.empty() && fileExists(Join(executableFolder, kSettingsFile))) {
    return executableFolder;
  }
  for (const std::string& folder : installedFolders) {
    if (fileExists(Join(folder, kSettingsFile))) return folder;
  }
  return launchFolder;
}

std::string ProgramFolder::Choose(const std::string& executableFolder,
                                  const std::string& launchFolder) {
  const auto isFile = [](const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
  };
  return Choose(executableFolder, {"/usr/local/share/tablora", "/usr/share/tablora"}, launchFolder,
                isFile);
}

}  // namespace tablora
