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

    /** Runs the SELECT; one $tablename$ per row. */
    public static List<$tablename$> $funcionbegin$Select$tablename$$funcionend$(Connection connection)
            throws SQLException {
        String sql = "$sqlselecttext$";
        List<$tablename$> rows = new ArrayList<>();
        try (Statement statement = connection.createStatement();
                ResultSet result = statement.executeQuery(sql)) {
            while (result.next()) {
                $tablename$ $tablevariable$ = new $tablename$();
$begin$                $tablevariable$.$field_EN$ = result.get$fieldtype_java_Caps$($increaseid$);
$end_block$
                rows.add($tablevariable$);
            }
        }
        return rows;
    }
}
