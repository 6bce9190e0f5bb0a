#include "gen/template_markers.h"

namespace tablora {

const char* const TemplateMarkers::kNames[23] = {"tablename",
                                                 "tablenameCN",
                                                 "tablecomment",
                                                 "classname",
                                                 "version",
                                                 "databasename",
                                                 "funcionbegin",
                                                 "funcionend",
                                                 "sqlselecttext",
                                                 "tablevariable",
                                                 "repeatmarkbegin",
                                                 "repeatmarkend",
                                                 "fieldaddress_struct_c",
                                                 "field_struct_c",
                                                 "field_EN",
                                                 "field_CN",
                                                 "field_comment",
                                                 "increaseid",
                                                 "increaseid0",
                                                 "sqltype",
                                                 "fieldtype_c",
                                                 "fieldtype_java",
                                                 "fieldtype_java_Caps"};

TemplateMarkers TemplateMarkers::FromIni(const IniFile& ini) {
  TemplateMarkers markers;
  for (const char* name : kNames) {
    TemplateMarker& m = markers.markers_[name];
    m.search = ini.GetString(name, "text2replace", "", 128);
    m.defaultValue = ini.GetString(name, "textdefault", "", 128);
    m.repeat = ini.GetInt(name, "isrepeat", 0);
  }
  return markers;
}

const TemplateMarker& TemplateMarkers::Get(const std::string& name) const {
  static const TemplateMarker kNone;
  auto it = markers_.find(name);
  return it == markers_.end() ? kNone : it->second;
}

}  // namespace tablora
