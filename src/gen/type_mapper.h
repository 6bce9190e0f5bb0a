#pragma once

#include <string>
#include <vector>

#include "base/settings.h"
#include "model/table_design.h"

namespace tablora {

/// A column's type as the generators map it.
struct MappedType {
  std::string designType;  ///< the key for the type maps: the base name ("varchar")
  int length = 0;          ///< array size; 0 or less for none
  bool unbounded = false;  ///< "(max)": text or bytes of any length
};

/// Maps design types to the types of the generated languages through the settings' type
/// maps. A type is looked up by its base name (without "(max)" or a size; a synonym such as
/// "double precision" by its usual name), exactly first and then ignoring letter case; a
/// user-defined type of the design maps through its base type. An unbounded type is a pointer in C
/// and C++ ("const char*" for a char type) and whatever Table2ClassJava gives in Java (String for
/// the text types).
class TypeMapper {
 public:
  /// Keeps references to both; `userTypes` may be empty.
  TypeMapper(const Settings& settings, const std::vector<UserType>& userTypes = NoUserTypes());

  MappedType Resolve(const ColumnDesign& column) const;
  std::string CType(const MappedType& type) const;
  /// The C prefix rule of Settings::LookupCPrefix for the mapped C type.
  std::string CPrefix(const MappedType& type) const;
  std::string JavaType(const MappedType& type) const;
  std::string JavaPrefix(const std::string& javaType) const;

  const Settings& settings() const { return settings_; }

 private:
  static const std::vector<UserType>& NoUserTypes();
  /// The mapped text of `key` (exactly, else ignoring case), or `key` itself when unmapped.
  static std::string Lookup(const TextMap& map, const std::string& key, bool* found = nullptr);

  const Settings& settings_;
  const std::vector<UserType>& userTypes_;
};

}  // namespace tablora
