// 用户: 系统的登录用户
class TUser
{
private:
int m_Id;	// 编号:主键
char m_Name[20];	// 姓名:
double m_Price[18];	// 单价
time_t m_Created;	// 创建时间:
smalldatetime m_Changed;	// 修改时间:
image m_Photo[16];	// 照片:
bool m_Active;	// 有效:1有效
int m_;	

public:
TUser() { }
~TUser() { }
int GetId()
{
return m_Id;
}
 void  SetId(const int Id)
{
m_Id = Id;
}
 void GetName(char* Name)
{
strcpy(Name, m_Name);
}
 void  SetName(const char* Name)
{
strcpy(m_Name, Name);
}
 void GetPrice(double* Price)
{
memcpy(Price, m_Price, sizeof(m_Price));
}
 void  SetPrice(const double* Price)
{
memcpy(m_Price, Price, sizeof(m_Price));
}
 time_t GetCreated()
{
return m_Created;
}
 void  SetCreated(const time_t Created)
{
m_Created = Created;
}
 smalldatetime GetChanged()
{
return m_Changed;
}
 void  SetChanged(const smalldatetime Changed)
{
m_Changed = Changed;
}
 void GetPhoto(image* Photo)
{
memcpy(Photo, m_Photo, sizeof(m_Photo));
}
 void  SetPhoto(const image* Photo)
{
memcpy(m_Photo, Photo, sizeof(m_Photo));
}
 bool GetActive()
{
return m_Active;
}
 void  SetActive(const bool Active)
{
m_Active = Active;
}
 int Get()
{
return m_;
}
 void  Set(const int )
{
m_ = ;
}
 
};


class TEmpty
{

};

// 日志
class TLog
{
private:
char m_Code[4];	

public:
TLog() { }
~TLog() { }
void GetCode(char* Code)
{
strcpy(Code, m_Code);
}
 void  SetCode(const char* Code)
{
strcpy(m_Code, Code);
}
 
};

