/* $tablenameCN$ $tablecomment$ */
#include <string.h>
#include <sql.h>
#include <sqlext.h>
#include "$tablename$.h"

/* Runs the SELECT and hands each row to on_row, which returns non-zero to stop.
   Returns SQL_SUCCESS or the code of the call that failed. */
SQLRETURN $funcionbegin$Select$tablename$$funcionend$(SQLHDBC hdbc,
                       int (*on_row)(const $tablename$ *row, void *context), void *context)
{
    static const char sql[] = "$sqlselecttext$";
    $tablename$ $tablevariable$;
    SQLLEN ind[] = {$begin$0,$end_block$};
    SQLLEN *pi;
    SQLHSTMT hstmt = SQL_NULL_HSTMT;
    SQLRETURN rc = SQLAllocHandle(SQL_HANDLE_STMT, hdbc, &hstmt);
    if (!SQL_SUCCEEDED(rc)) return rc;
    memset(&$tablevariable$, 0, sizeof $tablevariable$);
    rc = SQLExecDirect(hstmt, (SQLCHAR *)sql, SQL_NTS);
    if (!SQL_SUCCEEDED(rc)) goto done;
$begin$    pi = &ind[$increaseid0$];
    rc = SQLBindCol(hstmt, $increaseid$, $sqltype$, (SQLPOINTER)$fieldaddress_struct_c$,
                    sizeof($tablevariable$.$field_struct_c$), pi);
    if (!SQL_SUCCEEDED(rc)) goto done;
$end_block$
    while (SQL_SUCCEEDED(rc = SQLFetch(hstmt))) {
        if (on_row(&$tablevariable$, context)) break;
        memset(&$tablevariable$, 0, sizeof $tablevariable$);
    }
    if (rc == SQL_NO_DATA || SQL_SUCCEEDED(rc)) rc = SQL_SUCCESS;
done:
    SQLFreeHandle(SQL_HANDLE_STMT, hstmt);
    return rc;
}
