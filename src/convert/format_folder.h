#pragma once

#include <string>
#include <vector>

namespace tablora {

/// One output format of tableformat.ini: its name and its text with "%field%"
/// placeholders (code page 936).
struct OutputFormat {
  std::string name;
  std::string text;
};

/// The folder "tableformat" of the program folder: the output formats in tableformat.ini
/// (section OutFormat: Count, then T%dA the name and T%dB the text of each) and the source
/// formats, one script file "NAME.sql" each.
class FormatFolder {
 public:
  /// `programFolder` holds the folder tableformat.
  explicit FormatFolder(const std::string& programFolder);

  /// The output formats in file order; none when the file is missing.
  std::vector<OutputFormat> OutputFormats() const;
  /// The names (file-system names without ".sql", compared ignoring case) of the source
  /// formats, sorted.
  std::vector<std::string> SourceFormats() const;
  /// Reads source format `name` whole; false when it cannot be read.
  bool ReadSourceFormat(const std::string& name, std::string& text) const;

  const std::string& path() const { return folder_; }

 private:
  std::string folder_;
};

}  // namespace tablora
