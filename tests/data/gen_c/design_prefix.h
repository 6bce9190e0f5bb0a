// 用户: 系统的登录用户
typedef struct{
int nId;	// 编号:主键
char acName[20];	// 姓名:
double adbPrice[18];	// 单价
time_t tmCreated;	// 创建时间:
smalldatetime Changed;	// 修改时间:
image Photo[16];	// 照片:
bool bActive;	// 有效:1有效
int n;	// :
}TUser;


typedef struct{
}TEmpty;

// 日志
typedef struct{
char acCode[4];	
}TLog;

