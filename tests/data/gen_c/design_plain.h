// 用户: 系统的登录用户
typedef struct{
int Id;	// 编号:主键
char Name[20];	// 姓名:
double Price[18];	// 单价
time_t Created;	// 创建时间:
smalldatetime Changed;	// 修改时间:
image Photo[16];	// 照片:
bool Active;	// 有效:1有效
int ;	// :
}TUser;


typedef struct{
}TEmpty;

// 日志
typedef struct{
char Code[4];	
}TLog;

