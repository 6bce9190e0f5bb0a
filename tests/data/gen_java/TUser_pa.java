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
private int nId;	// 编号:主键
private String strName;	// 姓名:[20]
private double dbPrice;	// 单价[18]
private java.util.Date tmCreated;	// 创建时间:
private smalldatetime Changed;	// 修改时间:
private image Photo;	// 照片:[16]
private boolean bActive;	// 有效:1有效
private int n;	

public int getId()
{
return nId;
}
 public void  setId(int Id)
{
this.nId = Id;
}
 
public String getName()
{
return strName;
}
 public void  setName(String Name)
{
this.strName = Name;
}
 
public double getPrice()
{
return dbPrice;
}
 public void  setPrice(double Price)
{
this.dbPrice = Price;
}
 
public java.util.Date getCreated()
{
return tmCreated;
}
 public void  setCreated(java.util.Date Created)
{
this.tmCreated = Created;
}
 
public smalldatetime getChanged()
{
return Changed;
}
 public void  setChanged(smalldatetime Changed)
{
this.Changed = Changed;
}
 
public image getPhoto()
{
return Photo;
}
 public void  setPhoto(image Photo)
{
this.Photo = Photo;
}
 
public boolean getActive()
{
return bActive;
}
 public void  setActive(boolean Active)
{
this.bActive = Active;
}
 
public int get()
{
return n;
}
 public void  set(int )
{
this.n = ;
}
 
}

