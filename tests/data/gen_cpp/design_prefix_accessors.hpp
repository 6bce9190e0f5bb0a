// 用户: 系统的登录用户
class TUser
{
private:
int m_nId;	// 编号:主键
char m_acName[20];	// 姓名:
double m_adbPrice[18];	// 单价
time_t m_tmCreated;	// 创建时间:
smalldatetime m_Changed;	// 修改时间:
image m_Photo[16];	// 照片:
bool m_bActive;	// 有效:1有效
int m_n;	

public:
TUser() { }
~TUser() { }
int GetId()
{
return m_nId;
}
 void  SetId(const int nId)
{
m_nId = nId;
}
 void GetName(char* acName)
{
strcpy(acName, m_acName);
}
 void  SetName(const char* acName)
{
strcpy(m_acName, acName);
}
 void GetPrice(double* adbPrice)
{
memcpy(adbPrice, m_adbPrice, sizeof(m_adbPrice));
}
 void  SetPrice(const double* adbPrice)
{
memcpy(m_adbPrice, adbPrice, sizeof(m_adbPrice));
}
 time_t GetCreated()
{
return m_tmCreated;
}
 void  SetCreated(const time_t tmCreated)
{
m_tmCreated = tmCreated;
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
return m_bActive;
}
 void  SetActive(const bool bActive)
{
m_bActive = bActive;
}
 int Get()
{
return m_n;
}
 void  Set(const int n)
{
m_n = n;
}
 
};


class TEmpty
{

};

// 日志
class TLog
{
private:
char m_acCode[4];	

public:
TLog() { }
~TLog() { }
void GetCode(char* acCode)
{
strcpy(acCode, m_acCode);
}
 void  SetCode(const char* acCode)
{
strcpy(m_acCode, acCode);
}
 
};

