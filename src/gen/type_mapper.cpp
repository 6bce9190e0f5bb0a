#include "gen/type_mapper.h"

#include <cstdlib>
#include <utility>

#include "base/gbk_text.h"

namespace tablora {

namespace {

/// The usual name of a type that SQL also spells another way ("double precision").
std::string CanonicalName(const std::string& name) {
  static const std::pair<const char*, const char*> kSynonyms[] = {
      {"double precision", "float"},
      {"national character varying", "nvarchar"},
      {"national char varying", "nvarchar"},
      {"national character", "nchar"},
      {"national char", "nchar"},
      {"character varying", "varchar"},
      {"char varying", "varchar"},
      {"character", "char"},
      {"binary varying", "varbinary"},
      {"integer", "int"},
      {"dec", "decimal"},
  };
  for (const auto& [synonym, canonical] : kSynonyms) {
    if (gbk::EqualsIgnoreCase(name, synonym)) return canonical;
  }
  return name;
}

/// Splits "varchar(25)", "decimal(10, 2)" or "nvarchar(max)" into the base name and size.
MappedType Split(const std::string& typeText) {
  MappedType type;
  const std::size_t open = typeText.find('(');
  type.designType = CanonicalName(gbk::Trim(typeText.substr(0, open)));
  if (open == std::string::npos) return type;
  const std::size_t close = typeText.find(')', open);
  const std::string size = gbk::Trim(
      typeText.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1));
  if (gbk::EqualsIgnoreCase(size, "max")) {
    type.unbounded = true;
  } else {
    type.length = std::atoi(size.c_str());
  }
  return type;
}

}  // namespace

const std::vector<UserType>& TypeMapper::NoUserTypes() {
  static const std::vector<UserType> none;
  return none;
}

TypeMapper::TypeMapper(const Settings& settings, const std::vector<UserType>& userTypes)
    : settings_(settings), userTypes_(userTypes) {}

MappedType TypeMapper::Resolve(const ColumnDesign& column) const {
  MappedType type = Split(column.typeName);
  if (column.length > 0) type.length = column.length;
  for (const UserType& user : userTypes_) {
    if (!gbk::EqualsIgnoreCase(user.name, type.designType)) continue;
    MappedType base = Split(user.baseType);
    if (type.length > 0) base.length = type.length;
    return base;
  }
  return type;
}

std::string TypeMapper::Lookup(const TextMap& map, const std::string& key, bool* found) {
  if (found) *found = true;
  auto exact = map.find(key);
  if (exact != map.end()) return exact->second;
  for (const auto& [from, to] : map) {
    if (gbk::EqualsIgnoreCase(from, key)) return to;
  }
  if (found) *found = false;
  return key;
}

std::string TypeMapper::CType(const MappedType& type) const {
  const std::string cType = Lookup(settings_.typeC, type.designType);
  if (!type.unbounded) return cType;
  return cType.rfind("const ", 0) == 0 ? cType + "*" : "const " + cType + "*";
}

std::string TypeMapper::CPrefix(const MappedType& type) const {
  if (type.unbounded) return settings_.LookupCPrefix(Lookup(settings_.typeC, type.designType), 1);
  return settings_.LookupCPrefix(CType(type), type.length);
}

std::string TypeMapper::JavaType(const MappedType& type) const {
  return Lookup(settings_.typeJava, type.designType);
}

std::string TypeMapper::JavaPrefix(const std::string& javaType) const {
  bool found = false;
  const std::string prefix = Lookup(settings_.prefixJava, javaType, &found);
  return found ? prefix : std::string();
}

}  // namespace tablora
