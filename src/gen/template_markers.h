#pragma once

#include <map>
#include <string>

#include "base/ini_file.h"

namespace tablora {

/// One marker of sqltemplate/template.ini. Texts are code page 936.
struct TemplateMarker {
  std::string search;        ///< the text that stands for the marker in templates
  std::string defaultValue;  ///< used while `value` is empty
  int repeat = 0;            ///< 1: replaced only inside repeat blocks
  std::string value;

  const std::string& Current() const { return value.empty() ? defaultValue : value; }
};

/// The 23 markers by name; iteration is in ascending byte order of the names.
class TemplateMarkers {
 public:
  /// Reads section `name` of the file for every marker name; missing sections and keys give
  /// empty texts and flag 0.
  static TemplateMarkers FromIni(const IniFile& ini);

  TemplateMarker& operator[](const std::string& name) { return markers_[name]; }
  /// The marker (an empty one for a name that is not a marker).
  const TemplateMarker& Get(const std::string& name) const;
  const std::map<std::string, TemplateMarker>& all() const { return markers_; }

  /// The marker names in the order the file defines them.
  static const char* const kNames[23];

 private:
  std::map<std::string, TemplateMarker> markers_;
};

}  // namespace tablora
