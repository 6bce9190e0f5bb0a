#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tablora {

/// Chooses the program folder, the base of every relative path of the program
/// (setting/, sqltemplate/, tableformat/, help/).
class ProgramFolder {
 public:
  /// The folder holding the settings file, relative to a program folder.
  static constexpr const char* kSettingsFile = "setting/Tablora.ini";

  /// The first of: the executable's folder when it holds setting/Tablora.ini (a build
  /// folder or an unpacked copy), each installed folder that holds it (in order), and
  /// otherwise the launch folder. `fileExists` answers for a full path.
  static std::string Choose(const std::string& executableFolder,
                            const std::vector<std::string>& installedFolders,
                            const std::string& launchFolder,
                            const std::function<bool(const std::string&)>& fileExists);
  /// The same on the real file system, with /usr/local/share/tablora and
  /// /usr/share/tablora as the installed folders.
  static std::string Choose(const std::string& executableFolder, const std::string& launchFolder);
  /// `folder` + "/" + `relative`, without a doubled separator.
  static std::string Join(const std::string& folder, const std::string& relative);
};

}  // namespace tablora
