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
private int Id;	// 编号:主键
private String Name;	// 姓名:[20]
private double Price;	// 单价[18]
private smalldatetime Changed;	// 修改时间:
private image Photo;	// 照片:[16]
private boolean Active;	// 有效:1有效
private int ;	

public int getId()
{
return Id;
}
 public void  setId(int Id)
{
this.Id = Id;
}
 
public String getName()
{
return Name;
}
 public void  setName(String Name)
{
this.Name = Name;
}
 
public double getPrice()
{
return Price;
}
 public void  setPrice(double Price)
{
this.Price = Price;
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
return Active;
}
 public void  setActive(boolean Active)
{
this.Active = Active;
}
 
public int get()
{
return ;
}
 public void  set(int )
{
this. = ;
}
 
}

