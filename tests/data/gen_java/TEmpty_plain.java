package beans;
 /* <p>Title:</p>
 * <p>Description:</p>
 * <p>Copyright: Copyright (c) 2026</p>
 * <p>Company: </p>
 * @author Tablora1.5
 * @version 1.5
 */

public class TEmpty
{

}

