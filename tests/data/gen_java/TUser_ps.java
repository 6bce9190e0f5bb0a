package beans;
 /* <p>Title:用户</p>
 * <p>Description:系统的登录用户</p>
 * <p>Copyright: Copyright (c) 2026</p>
 * <p>Company: </p>
 * @author Tablora1.5
 * @version 1.5
 */

public class TUser
{
public int nId;	// 编号:主键
public String strName;	// 姓名:[20]
public double dbPrice;	// 单价[18]
public smalldatetime Changed;	// 修改时间:
public image Photo;	// 照片:[16]
public boolean bActive;	// 有效:1有效
public int n;	

}

