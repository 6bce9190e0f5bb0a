#include "db/dialects/procedure_sql.h"

#include "model/sql_names.h"

namespace tablora {

std::string ProcedureSql::ObjectName(const std::string& owner, const std::string& name) {
  const std::string last = sql_names::Bracketed(name);
  return owner.empty() ? last : sql_names::Bracketed(owner) + "." + last;
}

std::string ProcedureSql::TextQuery(const std::string& owner, const std::string& name) {
  return "exec sp_helptext '" + sql_names::InsideLiteral(ObjectName(owner, name)) + "'";
}

std::string ProcedureSql::ParameterQuery(const std::string& owner, const std::string& name) {
  return "select\t'Parameter_name'= name,\t'Type'\t= type_name(xusertype), 'Length' = length, "
         "'Prec'= case when type_name(xtype) = 'uniqueidentifier' then xprec else "
         "OdbcPrec(xtype, length, xprec) end from syscolumns where id in (select id from "
         "sysobjects where id = object_id('" +
         sql_names::InsideLiteral(ObjectName(owner, name)) + "')) ";
}

std::string ProcedureSql::DropIfExists(const std::string& owner, const std::string& name) {
  const std::string object = ObjectName(owner, name);
  return "IF EXISTS (SELECT name FROM sysobjects WHERE id = object_id('" +
         sql_names::InsideLiteral(object) + "') AND type = 'P') DROP PROCEDURE " + object;
}

}  // namespace tablora
