#include <sstream>

#include "support/script_test_support.h"

namespace tablora::testing {

std::string Describe(const TableDesign& t) {
  auto u = [](const std::string& s) { return TextCodec::Cp936ToUtf8(s); };
  std::ostringstream out;
  out << "table " << u(t.actualName) << " display=" << u(t.displayName)
      << " comment=" << u(t.comment) << " group=" << u(t.group) << " owner=" << u(t.owner) << "\n";
  for (const ColumnDesign& c : t.columns) {
    out << "  [" << u(c.actualName) << "] display=" << u(c.displayName) << " type=" << u(c.typeName)
        << "(" << c.length << "," << c.scale << ") identity=" << u(c.identity)
        << " default=" << u(c.defaultValue) << " note=" << u(c.note) << " null=" << c.nullable
        << " pk=" << c.primaryKey << " fk=" << c.foreignKey << " check=" << u(c.checkExpression);
    if (c.foreignKeyRef) {
      out << " ref=" << u(c.foreignKeyRef->constraintName) << "/" << u(c.foreignKeyRef->refTable)
          << "/" << u(c.foreignKeyRef->refColumn);
      if (!c.foreignKeyRef->refOwner.empty()) out << " refOwner=" << u(c.foreignKeyRef->refOwner);
    }
    if (!c.computedExpression.empty()) {
      out << " computed=" << u(c.computedExpression) << " persisted=" << c.persisted;
    }
    out << "\n";
  }
  return out.str();
}

}  // namespace tablora::testing
