package beans;
 /* <p>Title:</p>
 * <p>Description:»’÷æ</p>
 * <p>Copyright: Copyright (c) 2026</p>
 * <p>Company: </p>
 * @author Tablora1.5
 * @version 1.5
 */

public class TLog
{
public String Code;	// [4]

}

