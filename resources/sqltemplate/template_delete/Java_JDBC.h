// $tablenameCN$ $tablecomment$
import java.sql.Connection;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.SQLException;
import java.sql.Statement;
import java.util.ArrayList;
import java.util.List;

public final class $classname$ {
    private $classname$() {
    }

    /** Runs the statement; the rows changed. */
    public static int $funcionbegin$$tablename$$funcionend$(Connection connection) throws SQLException {
        String sql = "$sqlselecttext$";
        try (Statement statement = connection.createStatement()) {
            return statement.executeUpdate(sql);
        }
    }
}
