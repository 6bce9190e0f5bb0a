// 用户: 系统的登录用户
class TUser
{
public:
int nId;	// 编号:主键
char acName[20];	// 姓名:
double adbPrice[18];	// 单价
time_t tmCreated;	// 创建时间:
smalldatetime Changed;	// 修改时间:
image Photo[16];	// 照片:
bool bActive;	// 有效:1有效
int n;	

};


class TEmpty
{

};

// 日志
class TLog
{
public:
char acCode[4];	

};

