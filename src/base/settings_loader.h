#pragma once

#include <string>
#include <string_view>

#include "base/ini_file.h"
#include "base/settings.h"

namespace tablora {

/// Entries a "Count" may ask for beyond the keys its section actually holds.
constexpr int kMissingEntrySlack = 256;

/// Fills every setting in the order the start-up reads them (a pure function of the bytes).
/// Every list and map is read as "Count" entries numbered from 1. A "Count" that is missing,
/// zero, negative or not a number gives no entries; a "Count" is cut to the number of keys
/// its section holds plus kMissingEntrySlack, so that a few missing entries
/// still read as empty texts (and are still added) while a huge "Count" cannot make the
/// reading loop run for long or fill memory. The nested data type lists stop at
/// Settings::kDataTypeSlots kinds; drop-down column numbers outside 1..20 (a missing entry
/// reads as 0) are left out. The table window Width and Height are kept in 1..32767 and the
/// margins in 0..32767.
Settings LoadSettings(const IniFile& ini, const std::string& programFolder);
/// Loads programFolder + "/setting/Tablora.ini"; a missing file gives the defaults.
Settings LoadSettingsFile(const std::string& programFolder);
/// Why the program cannot work with `settings`, code page 936, naming the settings file;
/// empty when it can. Needed: the 14 captions of the table editor's grid, two items in each
/// yes/no list (grid column numbers 5, 6, 9 and 10) and the data types of MS SQL Server.
std::string EssentialSettingsProblem(const Settings& settings);
/// Writes one integer key back to the settings file ("%d"), keeping every other byte.
/// A missing file is created; a file that exists but cannot be read is left alone (false).
bool WriteSettingInt(const std::string& settingsPath, std::string_view section,
                     std::string_view key, int value);
/// Writes one text key back the same way (the value in code page 936, on one line).
bool WriteSettingString(const std::string& settingsPath, std::string_view section,
                        std::string_view key, std::string_view value);

}  // namespace tablora
