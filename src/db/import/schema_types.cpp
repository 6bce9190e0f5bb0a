#include "db/import/schema_types.h"

#include "base/settings.h"

namespace tablora {

namespace {

const char* AccessName(int t) {
  switch (t) {
    case 0:
      return "Empty";
    case 2:
    case 18:
      return "SmallInt";
    case 3:
    case 19:
    case 21:
      return "Integer";
    case 4:
      return "Single";
    case 5:
      return "Double";
    case 6:
      return "Currency";
    case 7:
      return "Date";
    case 8:
      return "BSTR";
    case 9:
      return "IDispatch";
    case 10:
      return "Error";
    case 11:
      return "YesNo";
    case 12:
      return "Variant";
    case 13:
      return "IUnknown";
    case 14:
    case 131:
      return "Decimal";
    case 16:
    case 17:
      return "Byte";
    case 20:
      return "BigInt";
    case 72:
    case 204:
      return "ReplicationID";
    case 128:
      return "Binary";
    case 129:
      return "Char";
    case 130:
    case 200:
    case 202:
      return "Text";
    case 132:
      return "UserDefined";
    case 133:
      return "DBDate";
    case 134:
      return "DBTime";
    case 135:
      return "DateTime";
    case 201:
    case 203:
      return "Memo";
    case 205:
      return "OLEObject";
    case 8192:
      return "Array";
    default:
      return "unknown";
  }
}

const char* SqlServerName(int t) {
  switch (t) {
    case 0:
      return "Empty";
    case 2:
    case 18:
      return "smallint";
    case 3:
    case 19:
      return "int";
    case 4:
      return "real";
    case 5:
      return "float";
    case 6:
      return "money";
    case 7:
    case 133:
    case 134:
    case 135:
      return "datetime";
    case 8:
      return "BSTR";
    case 9:
      return "IDispatch";
    case 10:
      return "Error";
    case 11:
      return "bit";
    case 12:
      return "sql_variant";
    case 13:
      return "IUnknown";
    case 14:
    case 131:
      return "decimal";
    case 16:
    case 17:
      return "tinyint";
    case 20:
    case 21:
      return "bigint";
    case 72:
      return "uniqueidentifier";
    case 128:
      return "binary";
    case 129:
      return "char";
    case 130:
      return "nchar";
    case 132:
      return "UserDefined";
    case 200:
      return "varchar";
    case 201:
      return "text";
    case 202:
      return "nvarchar";
    case 203:
      return "ntext";
    case 204:
      return "varbinary";
    case 205:
      return "image";
    case 8192:
      return "Array";
    default:
      return "unknown";
  }
}

}  // namespace

std::string SchemaTypes::Name(int kind, int adoType) {
  return kind == kAccess ? AccessName(adoType) : SqlServerName(adoType);
}

bool SchemaTypes::HasLength(int kind, int adoType) {
  switch (adoType) {
    case 0:
    case 2:
    case 3:
    case 4:
    case 6:
    case 7:
    case 9:
    case 10:
    case 11:
    case 13:
    case 16:
    case 17:
    case 18:
    case 19:
    case 20:
    case 21:
    case 72:
    case 131:
    case 132:
    case 133:
    case 134:
    case 135:
    case 201:
    case 203:
    case 205:
      return false;
    case 12:
      return kind != kAccess;
    default:
      return true;
  }
}

}  // namespace tablora
