#include "model/table_design.h"

#include <cstdio>
#include <functional>

#include "base/gbk_text.h"

namespace tablora {

ColumnDesign::ColumnDesign(const ColumnDesign& o)
    : displayName(o.displayName),
      actualName(o.actualName),
      typeName(o.typeName),
      length(o.length),
      scale(o.scale),
      identity(o.identity),
      defaultValue(o.defaultValue),
      note(o.note),
      nullable(o.nullable),
      primaryKey(o.primaryKey),
      foreignKey(o.foreignKey),
      checkExpression(o.checkExpression),
      foreignKeyRef(o.foreignKeyRef ? std::make_unique<ForeignKeyRef>(*o.foreignKeyRef) : nullptr),
      computedExpression(o.computedExpression),
      persisted(o.persisted) {}

ColumnDesign& ColumnDesign::operator=(const ColumnDesign& o) {
  if (this != &o) {
    ColumnDesign copy(o);
    *this = std::move(copy);
  }
  return *this;
}

bool ColumnDesign::operator==(const ColumnDesign& o) const {
  const bool refsEqual = (!foreignKeyRef && !o.foreignKeyRef) ||
                         (foreignKeyRef && o.foreignKeyRef && *foreignKeyRef == *o.foreignKeyRef);
  return displayName == o.displayName && actualName == o.actualName && typeName == o.typeName &&
         length == o.length && scale == o.scale && identity == o.identity &&
         defaultValue == o.defaultValue && note == o.note && nullable == o.nullable &&
         primaryKey == o.primaryKey && foreignKey == o.foreignKey &&
         checkExpression == o.checkExpression && refsEqual &&
         computedExpression == o.computedExpression && persisted == o.persisted;
}

bool TableDesign::operator==(const TableDesign& o) const {
  return displayName == o.displayName && actualName == o.actualName && comment == o.comment &&
         group == o.group && owner == o.owner && columns == o.columns;
}

namespace {

/// The fields' hashes combined in order, each text's with its length, so that no two
/// records run together the same way.
class Fingerprint {
 public:
  void Add(const std::string& text) {
    Add(static_cast<std::uint64_t>(text.size()));
    Add(static_cast<std::uint64_t>(std::hash<std::string>{}(text)));
  }
  void Add(std::uint64_t value) {
    hash_ ^= value + 0x9E3779B97F4A7C15ULL + (hash_ << 6) + (hash_ >> 2);
  }
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xCBF29CE484222325ULL;
};

}  // namespace

std::uint64_t RecordHash(const TableDesign& table) {
  Fingerprint f;
  for (const std::string* text :
       {&table.displayName, &table.actualName, &table.comment, &table.group, &table.owner}) {
    f.Add(*text);
  }
  f.Add(static_cast<std::uint64_t>(table.columns.size()));
  for (const ColumnDesign& c : table.columns) {
    for (const std::string* text :
         {&c.displayName, &c.actualName, &c.typeName, &c.identity, &c.defaultValue, &c.note,
          &c.checkExpression, &c.computedExpression}) {
      f.Add(*text);
    }
    f.Add(static_cast<std::uint64_t>(static_cast<std::uint32_t>(c.length)) << 32 |
          static_cast<std::uint32_t>(c.scale));
    f.Add(std::uint64_t{c.nullable} | std::uint64_t{c.primaryKey} << 1 |
          std::uint64_t{c.foreignKey} << 2 | std::uint64_t{c.persisted} << 3 |
          std::uint64_t{c.foreignKeyRef != nullptr} << 4);
    if (c.foreignKeyRef) {
      const ForeignKeyRef& r = *c.foreignKeyRef;
      for (const std::string* text : {&r.constraintName, &r.refTable, &r.refColumn, &r.refOwner})
        f.Add(*text);
    }
  }
  return f.value();
}

std::string TypeText(const ColumnDesign& column) {
  if (!column.computedExpression.empty()) {
    return "AS " + column.computedExpression + (column.persisted ? " PERSISTED" : "");
  }
  char size[48];
  if (column.length <= 0) return column.typeName;
  if (column.scale <= 0) {
    std::snprintf(size, sizeof size, "(%d)", column.length);
  } else {
    std::snprintf(size, sizeof size, "(%d,%d)", column.length, column.scale);
  }
  return column.typeName + size;
}

std::string IdentityArguments(const std::string& identity) {
  std::string rest = identity;
  if (rest.size() >= 8 && gbk::EqualsIgnoreCase(std::string_view(rest).substr(0, 8), "identity")) {
    rest.erase(0, 8);
  }
  rest = gbk::Trim(rest);
  std::string compact;
  for (char c : rest) {
    if (!gbk::IsSpace(c)) compact += c;
  }
  return compact == "(1,1)" ? std::string() : rest;
}

std::string TreeText(const std::string& actualName, const std::string& displayName) {
  if (!displayName.empty() && displayName != actualName)
    return actualName + "(" + displayName + ")";
  return actualName;
}

std::string OwnerOrDbo(const std::string& owner) { return owner.empty() ? "dbo" : owner; }

bool SameTable(std::string_view ownerA, std::string_view nameA, std::string_view ownerB,
               std::string_view nameB) {
  const std::string_view dbo = "dbo";
  return gbk::EqualsIgnoreCase(nameA, nameB) &&
         gbk::EqualsIgnoreCase(ownerA.empty() ? dbo : ownerA, ownerB.empty() ? dbo : ownerB);
}

std::string QualifiedName(const TableDesign& table) {
  return OwnerOrDbo(table.owner) + "." + table.actualName;
}

int FindTableByName(const std::vector<TableDesign>& tables, const std::string& name) {
  const auto find = [&tables](auto fits) {
    int found = -1;
    for (std::size_t i = 0; i < tables.size(); ++i) {
      if (!fits(tables[i])) continue;
      if (found >= 0) return kAmbiguousTable;
      found = static_cast<int>(i);
    }
    return found;
  };
  const int exact = find([&name](const TableDesign& t) { return t.actualName == name; });
  const std::size_t dot = name.find('.');
  if (exact != -1 || dot == std::string::npos) return exact;
  const std::string owner = name.substr(0, dot);
  const std::string actual = name.substr(dot + 1);
  return find([&](const TableDesign& t) {
    return t.actualName == actual && gbk::EqualsIgnoreCase(OwnerOrDbo(t.owner), owner);
  });
}

std::string CommentWithoutGroup(const std::string& comment) {
  static const std::string mark = "(\xD7\xE9)";  // "(组)"
  return comment.substr(0, comment.find(mark));
}

}  // namespace tablora
