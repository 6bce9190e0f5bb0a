/* $tablenameCN$ $tablecomment$ */
#include <string.h>
#include <sql.h>
#include <sqlext.h>
#include "$tablename$.h"

#ifndef TABLORA_ODBC_HELPERS
#define TABLORA_ODBC_HELPERS
/* The SQL type a C buffer of this ODBC C type is sent as. */
static inline SQLSMALLINT tablora_sql_type(SQLSMALLINT c_type)
{
    switch (c_type) {
    case SQL_C_SLONG: return SQL_INTEGER;
    case SQL_C_SSHORT: return SQL_SMALLINT;
    case SQL_C_UTINYINT: return SQL_TINYINT;
    case SQL_C_SBIGINT: return SQL_BIGINT;
    case SQL_C_BIT: return SQL_BIT;
    case SQL_C_FLOAT: return SQL_REAL;
    case SQL_C_DOUBLE: return SQL_DOUBLE;
    case SQL_C_BINARY: return SQL_VARBINARY;
    default: return SQL_VARCHAR;
    }
}
/* The length of a buffer's value: text up to its first zero byte (or the whole buffer),
   binary data in full, 0 for fixed-size numbers. */
static inline SQLLEN tablora_indicator(SQLSMALLINT c_type, const void *buffer, size_t size)
{
    if (c_type == SQL_C_CHAR) {
        const char *end = (const char *)memchr(buffer, 0, size);
        return end ? (SQLLEN)(end - (const char *)buffer) : (SQLLEN)size;
    }
    return c_type == SQL_C_BINARY ? (SQLLEN)size : 0;
}
#endif

/* Sends the fields of one $tablename$ record as the statement's parameters.
   Returns SQL_SUCCESS or the code of the call that failed. */
SQLRETURN $funcionbegin$$tablename$$funcionend$(SQLHDBC hdbc, const $tablename$ *row)
{
    static const char sql[] = "INSERT INTO $tablename$($begin$$field_EN$,$end_block$) VALUES($begin$?,$end_block$)";
    $tablename$ $tablevariable$ = *row;
    SQLLEN ind[] = {$begin$0,$end_block$};
    SQLLEN *pi;
    SQLHSTMT hstmt = SQL_NULL_HSTMT;
    SQLRETURN rc = SQLAllocHandle(SQL_HANDLE_STMT, hdbc, &hstmt);
    if (!SQL_SUCCEEDED(rc)) return rc;
$begin$    pi = &ind[$increaseid0$];
    *pi = tablora_indicator($sqltype$, $fieldaddress_struct_c$, sizeof($tablevariable$.$field_struct_c$));
    rc = SQLBindParameter(hstmt, $increaseid$, SQL_PARAM_INPUT, $sqltype$, tablora_sql_type($sqltype$),
                          sizeof($tablevariable$.$field_struct_c$), 0, (SQLPOINTER)$fieldaddress_struct_c$,
                          sizeof($tablevariable$.$field_struct_c$), pi);
    if (!SQL_SUCCEEDED(rc)) goto done;
$end_block$
    rc = SQLExecDirect(hstmt, (SQLCHAR *)sql, SQL_NTS);
    if (rc == SQL_NO_DATA || SQL_SUCCEEDED(rc)) rc = SQL_SUCCESS;
done:
    SQLFreeHandle(SQL_HANDLE_STMT, hstmt);
    return rc;
}
