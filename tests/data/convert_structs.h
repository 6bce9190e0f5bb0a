/* 库存系统的数据结构 */
#ifndef STOCK_H
#define STOCK_H

#define MAX_NAME 32

// 仓库:存放货物的地方(组)库存
typedef struct tagWarehouse {
    unsigned long id;        // 编号:仓库的唯一编号
    char name[MAX_NAME];     // 名称:如 北京倉
    char code[8];            /* 代码:内部代码: 大写 */
    unsigned short  floors;  // 层数
    double area;             // 面积：平方米
} WAREHOUSE, *PWAREHOUSE;

struct item;                 /* 前向声明 */

typedef struct tagItem WAREHOUSE_ITEM;

/* 货物：仓库里的货物(组)库存 */
struct item
{
    // 货号:条码
    long long barcode;
    char* label;              // 标签
    const char *origin;       // 产地:省:市
    struct item *next;        // 下一个
    float prices[4];          // 价格
    bool active;
};

typedef struct {
    int  x;   // 横坐标
    int  y;   // 纵坐标
} POINT;

struct empty_tail {
    unsigned char flags[4];
    int count; // 嶽[数]
};

#endif
