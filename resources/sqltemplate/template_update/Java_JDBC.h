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

    /** Sends the fields of one $tablename$ as the statement's parameters; the rows changed. */
    public static int $funcionbegin$$tablename$$funcionend$(Connection connection, $tablename$ $tablevariable$)
            throws SQLException {
        String sql = "$sqlselecttext$";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
$begin$            statement.set$fieldtype_java_Caps$($increaseid$, $tablevariable$.$field_EN$);
$end_block$
            return statement.executeUpdate();
        }
    }
}
