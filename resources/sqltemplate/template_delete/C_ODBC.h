/* $tablenameCN$ $tablecomment$ */
#include <string.h>
#include <sql.h>
#include <sqlext.h>

/* Runs the statement. Returns SQL_SUCCESS or the code of the call that failed. */
SQLRETURN $funcionbegin$$tablename$$funcionend$(SQLHDBC hdbc)
{
    static const char sql[] = "$sqlselecttext$";
    SQLHSTMT hstmt = SQL_NULL_HSTMT;
    SQLRETURN rc = SQLAllocHandle(SQL_HANDLE_STMT, hdbc, &hstmt);
    if (!SQL_SUCCEEDED(rc)) return rc;
    rc = SQLExecDirect(hstmt, (SQLCHAR *)sql, SQL_NTS);
    if (rc == SQL_NO_DATA || SQL_SUCCEEDED(rc)) rc = SQL_SUCCESS;
    SQLFreeHandle(SQL_HANDLE_STMT, hstmt);
    return rc;
}
