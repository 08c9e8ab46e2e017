#include "demo_generator.h"

#include "demo_schema.h"
#include "platform/password_hash.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <memory>
#include <sqlite3.h>
#include <stdexcept>
#include <string_view>
#include <tuple>

namespace zrk::demo {

namespace {

// ---------------------------------------------------------------------------------------------
// Deterministic random numbers (xoshiro256** seeded through splitmix64): the same seed gives the
// same company on every machine, which the standard distributions do not promise.
class Rng {
public:
    explicit Rng(std::uint64_t seed) {
        for (auto& s : state_) {
            seed += 0x9E3779B97F4A7C15ull;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            s = z ^ (z >> 31);
        }
    }
    std::uint64_t next() {
        const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }
    // Uniform in [lo, hi].
    int range(int lo, int hi) {
        return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    bool chance(double p) { return unit() < p; }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::array<std::uint64_t, 4> state_{};
};

// Picks indexes in proportion to fixed weights.
class WeightedPick {
public:
    explicit WeightedPick(const std::vector<double>& weights) {
        double sum = 0;
        for (double w : weights)
            cumulative_.push_back(sum += w);
    }
    int pick(Rng& rng) const {
        const double x = rng.unit() * cumulative_.back();
        return static_cast<int>(std::upper_bound(cumulative_.begin(), cumulative_.end(), x) -
                                cumulative_.begin());
    }

private:
    std::vector<double> cumulative_;
};

// ---------------------------------------------------------------------------------------------
// Bulk insertion through one prepared statement per table.
struct Val {
    enum class Kind { Null, Int, Real, Text } kind;
    std::int64_t i = 0;
    double d = 0;
    std::string_view s;
    Val(std::nullptr_t) : kind(Kind::Null) {}
    Val(int v) : kind(Kind::Int), i(v) {}
    Val(std::int64_t v) : kind(Kind::Int), i(v) {}
    Val(double v) : kind(Kind::Real), d(v) {}
    Val(const char* v) : kind(Kind::Text), s(v) {}
    Val(const std::string& v) : kind(Kind::Text), s(v) {}
};

class Inserter {
public:
    Inserter(sqlite3* db, const char* table, const char* columns) : db_(db) {
        const int count =
            static_cast<int>(std::count(columns, columns + std::char_traits<char>::length(columns), ',')) + 1;
        std::string sql = std::string("INSERT INTO ") + table + " (" + columns + ") VALUES (";
        for (int i = 0; i < count; ++i)
            sql += i ? ",?" : "?";
        sql += ")";
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string(sqlite3_errmsg(db)) + " (" + sql + ")");
        columns_ = count;
    }
    Inserter(const Inserter&) = delete;
    Inserter& operator=(const Inserter&) = delete;
    ~Inserter() { sqlite3_finalize(stmt_); }

    void row(std::initializer_list<Val> values) {
        if (static_cast<int>(values.size()) != columns_)
            throw std::logic_error("column count mismatch in " + std::string(sqlite3_sql(stmt_)));
        int index = 1;
        for (const Val& v : values) {
            switch (v.kind) {
            case Val::Kind::Null:
                sqlite3_bind_null(stmt_, index);
                break;
            case Val::Kind::Int:
                sqlite3_bind_int64(stmt_, index, v.i);
                break;
            case Val::Kind::Real:
                sqlite3_bind_double(stmt_, index, v.d);
                break;
            case Val::Kind::Text:
                sqlite3_bind_text(stmt_, index, v.s.data(), static_cast<int>(v.s.size()), SQLITE_TRANSIENT);
                break;
            }
            ++index;
        }
        if (sqlite3_step(stmt_) != SQLITE_DONE)
            throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " (" + sqlite3_sql(stmt_) + ")");
        sqlite3_reset(stmt_);
        ++rows_;
    }
    std::int64_t rows() const { return rows_; }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    int columns_ = 0;
    std::int64_t rows_ = 0;
};

// ---------------------------------------------------------------------------------------------
// Money is kept in cents while generating, so that totals add up exactly.
using Cents = std::int64_t;
// The bank and cash balances the ledger starts with.
constexpr Cents kOpeningCash = 5'000'000;    // 50,000.00
constexpr Cents kOpeningBankA = 150'000'000; // 1,500,000.00
constexpr Cents kOpeningBankB = 45'000'000;  // 450,000.00

double money(Cents c) {
    return static_cast<double>(c) / 100.0;
}
Cents toBase(Cents amountFor, double rate) {
    return std::llround(static_cast<double>(amountFor) * rate);
}
constexpr double kTaxRate = 0.13;
Cents taxOf(Cents amount) {
    return std::llround(static_cast<double>(amount) * kTaxRate);
}

std::string billNo(const char* prefix, int number) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%06d", prefix, number);
    return buffer;
}

std::string number(const char* prefix, int n, int width) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%0*d", prefix, width, n);
    return buffer;
}

// Core-data classes as the analyses name them.
constexpr int kClassCustomer = 1;
constexpr int kClassSupplier = 3;
constexpr int kClassItem = 4;
constexpr int kClassStock = 5;
constexpr int kClassDepartment = 7;
constexpr int kClassEmployee = 8;
constexpr int kClassColour = 3001;

// Bill types (FTranType).
constexpr int kTranPurchaseReceipt = 1;
constexpr int kTranOpeningStock = 10;
constexpr int kTranSalesDelivery = 21;
constexpr int kTranPurchaseOrder = 71;
constexpr int kTranPurchaseInvoice = 75;
constexpr int kTranSalesInvoice = 80;
constexpr int kTranSalesOrder = 81;
constexpr int kTranReceipt = 1000;
constexpr int kTranPayment = 1001;

constexpr int kUserAdmin = 1;
constexpr int kUserBoss = 2;

struct CurrencyDef {
    int id;
    const char* number;
    const char* name;
    double rate;
};
const CurrencyDef kCurrencies[] = {
    {1, "RMB", "人民币", 1.0}, {2, "USD", "美元", 7.1}, {3, "HKD", "港币", 0.91}, {4, "EUR", "欧元", 7.75}};

const char* const kCities[] = {"上海", "北京", "广州", "深圳", "杭州", "南京", "苏州",
                               "成都", "武汉", "天津", "重庆", "西安", "青岛", "宁波",
                               "厦门", "长沙", "郑州", "合肥", "福州", "济南"};
const char* const kBrands[] = {"宏达", "华信", "恒通", "永盛", "金源", "鑫隆", "瑞丰",
                               "盛世", "联创", "天成", "博远", "万和", "嘉禾", "启明",
                               "东升", "兴旺", "福临", "广源", "安泰", "德隆"};
const char* const kTrades[] = {"贸易", "商贸", "电子", "实业", "科技", "百货", "五金", "食品"};
const char* const kMakers[] = {"制造", "工贸", "材料", "包装", "机电", "塑胶", "纺织", "日化"};
const char* const kSurnames[] = {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周",
                                 "徐", "孙", "马", "朱", "胡", "郭", "何", "林", "罗", "高"};
const char* const kGiven[] = {"伟", "芳",   "娜",   "敏",   "静",   "丽", "强", "磊",   "军",   "洋",
                              "勇", "艳",   "杰",   "娟",   "涛",   "明", "超", "秀英", "霞",   "平",
                              "刚", "桂英", "建华", "晓东", "海燕", "文", "斌", "雪",   "志强", "玉兰"};
const char* const kDepartments[] = {"销售一部", "销售二部", "大客户部", "电商部",
                                    "采购部",   "仓储部",   "财务部",   "市场部"};
constexpr int kSalesDepartments = 4;
constexpr int kPurchaseDepartment = 4;
const char* const kWarehouses[] = {"成品仓", "华东仓", "华南仓", "北方仓",
                                   "配件仓", "西南仓", "华中仓", "东北仓"};
const char* const kColours[] = {"红色", "蓝色", "黑色", "白色", "灰色"};

struct UnitDef {
    int id;
    int group;
    const char* number;
    const char* name;
    int coefficient;
};
const UnitDef kUnits[] = {{1, 1, "PCS", "个", 1},     {2, 1, "BOX100", "盒", 100}, {3, 2, "BA", "把", 1},
                          {4, 2, "CTN20", "箱", 20},  {5, 3, "JIAN", "件", 1},     {6, 3, "CTN50", "箱", 50},
                          {7, 4, "JIAN", "件", 1},    {8, 4, "CTN24", "箱", 24},   {9, 5, "PING", "瓶", 1},
                          {10, 5, "CTN24", "箱", 24}, {11, 6, "JIAN", "件", 1},    {12, 6, "DOZ", "打", 12}};

struct GroupDef {
    const char* number;
    const char* name;
    const char* modelPrefix;
    int baseUnit;
    int storeUnit;
    int minCost, maxCost; // yuan
    int minQty, maxQty;   // typical order line, base units
    std::array<const char*, 10> names;
};
const GroupDef kGroups[] = {
    {"01",
     "电子元器件",
     "DZ",
     1,
     2,
     1,
     20,
     200,
     2000,
     {"贴片电阻", "贴片电容", "二极管", "三极管", "稳压芯片", "晶振", "继电器", "连接器", "保险丝", "电感"}},
    {"02",
     "五金工具",
     "WJ",
     3,
     4,
     8,
     300,
     2,
     30,
     {"十字螺丝刀", "活动扳手", "尖嘴钳", "钢卷尺", "手电钻", "角磨机", "内六角扳手", "羊角锤", "美工刀",
      "水平尺"}},
    {"03",
     "办公用品",
     "BG",
     5,
     6,
     2,
     150,
     5,
     100,
     {"复印纸", "中性笔", "订书机", "文件夹", "便利贴", "计算器", "档案盒", "白板笔", "硒鼓", "笔记本"}},
    {"04",
     "日用百货",
     "RY",
     7,
     8,
     3,
     80,
     6,
     60,
     {"洗衣液", "抽纸", "保温杯", "雨伞", "毛巾", "牙刷", "收纳箱", "拖把", "垃圾袋", "香皂"}},
    {"05",
     "食品饮料",
     "SP",
     9,
     10,
     2,
     120,
     12,
     240,
     {"矿泉水", "绿茶饮料", "苏打饼干", "速溶咖啡", "坚果礼盒", "方便面", "果汁", "纯牛奶", "巧克力",
      "茶叶"}},
    {"06",
     "服装鞋帽",
     "FZ",
     11,
     12,
     15,
     400,
     5,
     50,
     {"纯棉T恤", "工装裤", "运动鞋", "棒球帽", "衬衫", "羽绒服", "棉袜", "劳保手套", "雨衣", "POLO衫"}},
};
constexpr int kFoodGroup = 4;
constexpr int kClothingGroup = 5;

const std::vector<DemoUser> kUsers = {
    {kUserAdmin, "Administrator", "系统管理员", "admin123", false},
    {kUserBoss, "boss", "老板", "boss123", false},
    {3, "cashier", "出纳（已禁用）", "cash123", true},
};

// ---------------------------------------------------------------------------------------------
struct Party {
    int id;
    int currency; // index into kCurrencies
    int emp;      // salesperson or buyer (index)
    int terms;    // days to pay
};
struct Emp {
    int id;
    int dept; // index into departments
};
struct Item {
    int id;
    int group;
    std::string number, name, model;
    Cents cost;  // base currency, per base unit
    Cents price; // sales price, base currency
    int lineQty; // typical line quantity
    int home;    // warehouse index
    int supplier;
    int aux;       // aux property id or 0
    double demand; // base units a day
    std::int64_t reorderPoint = 0, orderUpTo = 0;
};
struct OrderLine {
    int item;
    std::int64_t qty;
    Cents priceFor; // per base unit in the order currency
    int fetchDay;
    std::int64_t done = 0;
    std::int64_t invoiced = 0;
};
struct Order {
    int interId;
    int day;
    int party;
    int emp;
    bool cancelled;
    int firstLine;
    int lineCount;
};
struct DocLine {
    int entryId;
    int item;
    std::int64_t qty;
    Cents priceFor;
    int order;
    int orderLine; // index into the flat line list
};
// A stock bill waiting for its invoice.
struct PendingBill {
    int interId;
    int party;
    int emp;
    int currency;
    std::vector<DocLine> lines;
};
// An invoice or opening balance waiting for its settlement.
struct PendingSettlement {
    int billTranType;
    int billInterId;
    std::string billNo;
    int party;
    int emp;
    int currency;
    Cents totalFor;
    Cents totalBase;
};

class Generator {
public:
    Generator(sqlite3* db, const DemoOptions& options, const ProgressFn& progress)
        : db_(db), progress_(progress), profile_(profileFor(options.size)), rng_(options.seed),
          today_(options.today.isValid() ? options.today : QDate::currentDate()),
          start_(today_.year() - 1, 1, 1), days_(static_cast<int>(start_.daysTo(today_)) + 1),
          passwordIterations_(options.passwordIterations) {
        for (int d = 0; d < days_ + 60; ++d) {
            const QDate date = start_.addDays(d);
            dayText_.push_back(date.toString(QStringLiteral("yyyy-MM-dd 00:00:00")).toStdString());
        }
    }

    void run() {
        writeProfileAndCatalogues();
        makeMasterData();
        simulate();
        writeOrders();
        writeInventory();
        writeMasterData();
        writeChartOfAccounts();
    }

private:
    int todayIndex() const { return days_ - 1; }
    const std::string& dayText(int d) const { return dayText_[static_cast<std::size_t>(d)]; }
    int deptId(int deptIndex) const { return departments_[static_cast<std::size_t>(deptIndex)]; }
    int nextItemId() { return nextItemId_++; }

    // Audit flags: the last few days hold some bills that nobody has audited yet.
    struct Audit {
        int status, checker;
        const std::string* checkDate;
    };
    Audit audit(int day) {
        if (day >= todayIndex() - 2 && rng_.chance(0.25))
            return {0, 0, nullptr};
        return {1, kUserBoss, &dayText(day)};
    }
    static Val checkDate(const Audit& a) { return a.checkDate ? Val(*a.checkDate) : Val(nullptr); }

    void report(int percent) {
        if (progress_ && percent != lastPercent_) {
            lastPercent_ = percent;
            progress_(percent);
        }
    }

    // -----------------------------------------------------------------------------------------
    void writeProfileAndCatalogues() {
        const int year = today_.year();
        const std::string y = std::to_string(year), lastYear = std::to_string(year - 1),
                          month = std::to_string(today_.month());
        Inserter profile(db_, "t_SystemProfile", "FCategory,FKey,FValue,FDescription");
        const std::vector<std::array<std::string, 4>> entries = {
            {"General", "CompanyName", "华岳商贸有限公司（演示）", "公司名称"},
            {"General", "CompanyType", "1", "公司类型：1 企业"},
            {"General", "Address", "上海市浦东新区演示路88号", "公司地址"},
            {"GL", "AccountType", "1", "会计制度"},
            {"GL", "BaseCurrencyID", "1", "记账本位币"},
            {"GL", "PeriodCount", "12", "会计期间数"},
            {"GL", "PeriodDates", "01-01,02-01,03-01,04-01,05-01,06-01,07-01,08-01,09-01,10-01,11-01,12-01",
             "各期间开始日期（自然月）"},
            {"GL", "StartYear", lastYear, "总账启用年度"},
            {"GL", "StartPeriod", "1", "总账启用期间"},
            {"GL", "CurrentYear", y, "总账当前年度"},
            {"GL", "CurrentPeriod", month, "总账当前期间"},
            {"IC", "StartYear", lastYear, "业务系统启用年度"},
            {"IC", "StartPeriod", "1", "业务系统启用期间"},
            {"IC", "CurrentYear", y, "业务系统当前年度"},
            {"IC", "CurrentPeriod", month, "业务系统当前期间"},
            {"ARAP", "StartYear", lastYear, "应收应付启用年度"},
            {"ARAP", "StartPeriod", "1", "应收应付启用期间"},
            {"ARAP", "CurrentYear", y, "应收应付当前年度"},
            {"ARAP", "CurrentPeriod", month, "应收应付当前期间"},
            {"ARAP", "Closed", "1", "1：应收应付初始数据已录入并结束初始化"},
            {"CN", "CN_CURRENT_YEAR", y, "出纳当前年度"},
            {"CN", "CN_CURRENT_PERIOD", month, "出纳当前期间"},
        };
        for (const auto& e : entries)
            profile.row({e[0], e[1], e[2], e[3]});

        Inserter periods(db_, "t_PeriodDate", "FYear,FPeriod,FStartDate,FEndDate");
        for (int py = year - 2; py <= year + 1; ++py) {
            for (int p = 1; p <= 12; ++p) {
                const QDate first(py, p, 1);
                periods.row({py, p, first.toString(QStringLiteral("yyyy-MM-dd 00:00:00")).toStdString(),
                             first.addMonths(1)
                                 .addDays(-1)
                                 .toString(QStringLiteral("yyyy-MM-dd 00:00:00"))
                                 .toStdString()});
            }
        }

        Inserter currency(db_, "t_Currency", "FCurrencyID,FNumber,FName,FExchangeRate,FScale,FDeleted");
        for (const CurrencyDef& c : kCurrencies)
            currency.row({c.id, c.number, c.name, c.rate, 2, 0});

        // The suite's report catalogue: type 1 are the owner's reports; some are not listed.
        struct Report {
            int id;
            const char* name;
            const char* cht;
            const char* en;
            const char* system;
            int type;
            const char* visible;
        };
        const Report reports[] = {
            {131, "应收款明细表", "應收款明細表", "Receivables detail", "ar", 1, "1"},
            {132, "应付款明细表", "應付款明細表", "Payables detail", "ap", 1, "1"},
            {2167, "销售毛利润表", "銷售毛利潤表", "Sales gross profit", "hs", 1, "1"},
            {171, "库存台账", "庫存台賬", "Stock ledger", "ic", 1, "1"},
            {119, "采购订单执行情况明细表", "採購訂單執行情況明細表", "Purchase order execution", "po", 1,
             "1"},
            {138, "销售订单执行情况明细表", "銷售訂單執行情況明細表", "Sales order execution", "se", 1, "1"},
            {112, "安全库存预警分析表", "安全庫存預警分析表", "Safety stock warning", "ic", 1, "1"},
            {133, "应收账龄分析表", "應收賬齡分析表", "Receivables ageing", "ar", 1, "0"},
            {172, "存货收发存汇总表", "存貨收發存匯總表", "Stock movement summary", "ic", 1, "0"},
            {3001, "资产负债表", "資產負債表", "Balance sheet", "gl", 2, "1"},
            {3002, "利润表", "利潤表", "Income statement", "gl", 2, "1"},
            {3003, "现金流量表", "現金流量表", "Cash flow statement", "gl", 2, "1"},
            // The statements of non-profit account types, which the board's slots look for.
            {3004, "资金平衡表", "資金平衡表", "Fund balance sheet", "gl", 2, "1"},
            {3005, "收入支出总表", "收入支出總表", "Income and expenditure summary", "gl", 2, "1"},
            {3006, "收入支出表", "收入支出表", "Income and expenditure statement", "gl", 2, "1"},
            {3007, "资产负债表(月报)", "資產負債表(月報)", "Balance sheet (monthly)", "gl", 2, "1"},
            {3008, "资产负债表(年报)", "資產負債表(年報)", "Balance sheet (annual)", "gl", 2, "1"},
            {3009, "资产负债表(一)", "資產負債表(一)", "Balance sheet (I)", "gl", 2, "1"},
            {3010, "资产负债表(二)", "資產負債表(二)", "Balance sheet (II)", "gl", 2, "1"},
            {5001, "自定义客户销售排行", "自定義客戶銷售排行", "Custom: customer ranking", "se", 0, "1"},
        };
        Inserter rpt(db_, "t_Rpt_Content",
                     "FRptID,FRptName,FRptName_Cht,FRptName_EN,FSysName,FYear,FPeriod,FOwner,FRptType,"
                     "FRptData,FPrinterBuf,FLastOperator,FLastDate,F500,F1001,FVisibleInList");
        for (const Report& r : reports)
            rpt.row({r.id, r.name, r.cht, r.en, r.system, year, today_.month(), kUserAdmin, r.type, nullptr,
                     nullptr, kUserAdmin, dayText(0), 0, 0, r.visible});

        // Favourites of the owner and the administrator: bills (1), journals (2), reports (3).
        // Launch text: FUNCID;FClassName;FSubSystemID;OTHERPARAM;FFuncName;FFuncType.
        struct Favourite {
            int type;
            const char* caption;
            const char* launch;
        };
        const Favourite favourites[] = {
            {1, "销售订单", "81;BillCenter.BillEdit;se;FTranType=81;销售订单;False"},
            {1, "采购订单", "71;BillCenter.BillEdit;po;FTranType=71;采购订单;False"},
            {1, "外购入库单", "1;BillCenter.BillEdit;ic;FTranType=1;外购入库单;False"},
            {1, "销售出库单", "21;BillCenter.BillEdit;ic;FTranType=21;销售出库单;False"},
            {2, "销售订单序时簿", "81;BillCenter.BillList;se;FTranType=81;销售订单序时簿;True"},
            {2, "销售发票序时簿", "80;BillCenter.BillList;se;FTranType=80;销售发票序时簿;True"},
            {2, "收款单序时簿", "1000;BillCenter.BillList;arap;FTranType=1000;收款单序时簿;True"},
            {3, "应收款明细表", "131;ReportViewer.SrvRptRetrieve;arap;FRptID=131;应收款明细表;True"},
            {3, "库存台账", "171;ReportViewer.SrvRptRetrieve;ic;FRptID=171;库存台账;True"},
            {3, "销售毛利润表", "2167;ReportViewer.SrvRptRetrieve;hs;FRptID=2167;销售毛利润表;True"},
        };
        Inserter menu(db_, "t_UserMenuStore",
                      "FInnerID,FUserID,FDetailFuncType,FZRKSubID,FZRKIndex,FShowCaption,FDoFuncMnuParam,"
                      "FClickCount,ForderIndex");
        int inner = 1;
        for (int user : {kUserBoss, kUserAdmin}) {
            int order = 1;
            for (const Favourite& f : favourites)
                menu.row(
                    {inner++, user, f.type, f.type, order, f.caption, f.launch, rng_.range(0, 40), order++});
        }

        Inserter users(db_, "t_User",
                       "FUserID,FName,FDescription,FSalt,FPasswordHash,FHashIterations,FForbidden");
        for (const DemoUser& u : kUsers) {
            QByteArray salt(kPasswordSaltLength, Qt::Uninitialized);
            for (char& c : salt)
                c = static_cast<char>(rng_.next() & 0xFF);
            const QByteArray hash = hashPassword(QString::fromUtf8(u.password), salt, passwordIterations_);
            users.row({u.id, u.name, u.description, salt.toHex().toStdString(), hash.toHex().toStdString(),
                       passwordIterations_, u.forbidden ? 1 : 0});
        }
    }

    // -----------------------------------------------------------------------------------------
    std::string personName() {
        return std::string(kSurnames[rng_.range(0, static_cast<int>(std::size(kSurnames)) - 1)]) +
               kGiven[rng_.range(0, static_cast<int>(std::size(kGiven)) - 1)];
    }

    // Company names without repeats: a fixed stride walks through all combinations.
    std::string companyName(int index, const char* const* trades, const char* suffix) {
        const int combos = 20 * 20 * 8;
        const int k = static_cast<int>((static_cast<std::int64_t>(index) * 2357 + 11) % combos);
        std::string name = std::string(kCities[k % 20]) + kBrands[(k / 20) % 20] + trades[k / 400] + suffix;
        if (index >= combos)
            name += "（" + std::to_string(index / combos + 1) + "）";
        return name;
    }

    void makeMasterData() {
        // Departments, salespeople and buyers.
        for (std::size_t i = 0; i < std::size(kDepartments); ++i)
            departments_.push_back(nextItemId());
        for (int i = 0; i < profile_.salespeople; ++i)
            salespeople_.push_back({nextItemId(), i % kSalesDepartments});
        for (int i = 0; i < 3; ++i)
            buyers_.push_back({nextItemId(), kPurchaseDepartment});

        // Warehouses with their places (every other warehouse keeps places).
        for (int w = 0; w < profile_.warehouses; ++w) {
            warehouses_.push_back(nextItemId());
            std::array<int, 3> places{0, 0, 0};
            if (w % 2 == 0)
                for (int p = 0; p < 3; ++p)
                    places[static_cast<std::size_t>(p)] = nextPlaceId_++;
            places_.push_back(places);
        }
        for (std::size_t c = 0; c < std::size(kColours); ++c)
            colours_.push_back(nextItemId());

        // Mostly the base currency; the second customer and supplier always trade in dollars, so
        // that even the smallest set has foreign-currency business.
        auto currencyFor = [this](double foreignShare, int index) {
            if (!rng_.chance(foreignShare))
                return index == 1 ? 1 : 0;
            return rng_.range(1, 3);
        };
        static constexpr int kTerms[] = {0, 15, 30, 30, 45, 60};
        std::vector<double> customerWeights;
        for (int i = 0; i < profile_.customers; ++i) {
            customers_.push_back({nextItemId(), currencyFor(0.15, i), rng_.range(0, profile_.salespeople - 1),
                                  kTerms[rng_.range(0, 5)]});
            customerWeights.push_back(0.2 + std::pow(rng_.unit(), 3.0) * 6.0);
        }
        customerPick_ = std::make_unique<WeightedPick>(customerWeights);
        for (int i = 0; i < profile_.suppliers; ++i)
            suppliers_.push_back(
                {nextItemId(), currencyFor(0.1, i), rng_.range(0, 2), kTerms[rng_.range(1, 5)]});

        for (std::size_t g = 0; g < std::size(kGroups); ++g)
            groupIds_.push_back(nextItemId());

        std::vector<double> itemWeights;
        for (int i = 0; i < profile_.items; ++i) {
            const int g = i % static_cast<int>(std::size(kGroups));
            const GroupDef& group = kGroups[g];
            Item item;
            item.id = nextItemId();
            item.group = g;
            item.number =
                std::string(group.number) + "." + number("", i / static_cast<int>(std::size(kGroups)) + 1, 4);
            item.name = group.names[static_cast<std::size_t>(rng_.range(0, 9))];
            item.model = std::string(group.modelPrefix) + "-" + std::to_string(rng_.range(100, 999)) +
                         static_cast<char>('A' + rng_.range(0, 7));
            const double cost = group.minCost + std::pow(rng_.unit(), 2.0) * (group.maxCost - group.minCost);
            item.cost = std::max<Cents>(5, std::llround(cost * 100.0));
            item.price = std::llround(static_cast<double>(item.cost) * (1.15 + rng_.unit() * 0.45));
            item.lineQty = rng_.range(group.minQty, group.maxQty);
            item.home = rng_.range(0, profile_.warehouses - 1);
            item.supplier = rng_.range(0, profile_.suppliers - 1);
            item.aux = g == kClothingGroup ? colours_[static_cast<std::size_t>(rng_.range(0, 4))] : 0;
            items_.push_back(std::move(item));
            itemWeights.push_back(0.1 + std::pow(rng_.unit(), 3.0) * 8.0);
        }
        itemPick_ = std::make_unique<WeightedPick>(itemWeights);

        // Expected demand per item sets the replenishment levels: reorder when stock and open
        // purchase orders fall below about two weeks of demand, order up to about a month more.
        double weightSum = 0;
        for (double w : itemWeights)
            weightSum += w;
        const double linesPerDay = 3.0 * profile_.salesOrders / days_;
        const int cover = std::max(10, days_ / 18);
        for (std::size_t i = 0; i < items_.size(); ++i) {
            Item& item = items_[i];
            item.demand = linesPerDay * itemWeights[i] / weightSum * item.lineQty;
            item.reorderPoint = static_cast<std::int64_t>(std::ceil(item.demand * 12)) + item.lineQty;
            item.orderUpTo =
                item.reorderPoint + static_cast<std::int64_t>(std::ceil(item.demand * cover)) + item.lineQty;
        }
        stockQty_.assign(items_.size() * warehouses_.size(), 0);
        stockBal_.assign(items_.size() * warehouses_.size(), 0);
        onOrder_.assign(items_.size(), 0);
    }

    int placeOf(const Item& item, int w) const {
        return places_[static_cast<std::size_t>(w)][static_cast<std::size_t>(item.id % 3)];
    }
    std::size_t cell(int item, int w) const {
        return static_cast<std::size_t>(item) * warehouses_.size() + static_cast<std::size_t>(w);
    }
    std::int64_t onHand(int item) const {
        std::int64_t q = 0;
        for (std::size_t w = 0; w < warehouses_.size(); ++w)
            q += stockQty_[cell(item, static_cast<int>(w))];
        return q;
    }

    // -----------------------------------------------------------------------------------------
    void simulate() {
        stockBill_ = std::make_unique<Inserter>(
            db_, "ICStockBill",
            "FInterID,FBillNo,FTranType,FDate,FSupplyID,FDeptID,FEmpID,FDCStockID,FSCStockID,FROB,"
            "FStatus,FCheckerID,FCheckDate,FBillerID,FCancellation,FExplanation");
        stockEntry_ = std::make_unique<Inserter>(
            db_, "ICStockBillEntry",
            "FInterID,FEntryID,FItemID,FAuxPropID,FBatchNo,FUnitID,FQty,FPrice,FAmount,FConsignPrice,"
            "FConsignAmount,FDCStockID,FSCStockID,FDCSPID,FSCSPID,FOrderInterID,FOrderEntryID,FOrderBillNo");
        const char* invoiceHead =
            "FInterID,FBillNo,FTranType,FDate,%s,FDeptID,FEmpID,FCurrencyID,FExchangeRate,FROB,"
            "FStatus,FCheckerID,FCheckDate,FBillerID,FCancellation,FExplanation";
        const char* invoiceLine =
            "FInterID,FEntryID,FItemID,FAuxPropID,FUnitID,FQty,FPrice,FAmountFor,FAmount,FTaxRate,"
            "FTaxAmountFor,FTaxAmount,FSourceTranType,FSourceInterID,FSourceEntryID,"
            "FOrderInterID,FOrderEntryID";
        char head[512];
        std::snprintf(head, sizeof head, invoiceHead, "FCustID");
        saleInvoice_ = std::make_unique<Inserter>(db_, "ICSale", head);
        std::snprintf(head, sizeof head, invoiceHead, "FSupplyID");
        purchaseInvoice_ = std::make_unique<Inserter>(db_, "ICPurchase", head);
        saleInvoiceEntry_ = std::make_unique<Inserter>(db_, "ICSaleEntry", invoiceLine);
        purchaseInvoiceEntry_ = std::make_unique<Inserter>(db_, "ICPurchaseEntry", invoiceLine);
        const char* settleHead =
            "FInterID,FBillNo,FTranType,FDate,%s,FDeptID,FEmpID,FCurrencyID,FExchangeRate,"
            "FAmountFor,FAmount,FSettleType,FStatus,FCheckerID,FCheckDate,FBillerID,"
            "FCancellation,FExplanation";
        std::snprintf(head, sizeof head, settleHead, "FCustID");
        receipt_ = std::make_unique<Inserter>(db_, "t_RP_Receipt", head);
        std::snprintf(head, sizeof head, settleHead, "FSupplyID");
        payment_ = std::make_unique<Inserter>(db_, "t_RP_Payment", head);
        const char* settleLine = "FInterID,FEntryID,FBillTranType,FBillInterID,FBillNo,FAmountFor,FAmount";
        receiptEntry_ = std::make_unique<Inserter>(db_, "t_RP_ReceiptEntry", settleLine);
        paymentEntry_ = std::make_unique<Inserter>(db_, "t_RP_PaymentEntry", settleLine);

        const std::size_t horizon = static_cast<std::size_t>(days_ + 60);
        dueSales_.resize(horizon);
        duePurchases_.resize(horizon);
        dueSaleInvoices_.resize(horizon);
        duePurchaseInvoices_.resize(horizon);
        dueReceipts_.resize(horizon);
        duePayments_.resize(horizon);

        openingStock();
        openingBalances();

        const double perDay = static_cast<double>(profile_.salesOrders) / days_;
        double carry = 0;
        for (int d = 0; d < days_; ++d) {
            carry += perDay * (0.6 + rng_.unit() * 0.8);
            int count = static_cast<int>(carry);
            carry -= count;
            if (d == todayIndex())
                count = std::max(count, 4);
            for (int k = 0; k < count; ++k)
                newSalesOrder(d, d == todayIndex() && k < 2);
            replenish(d);
            for (int po : duePurchases_[static_cast<std::size_t>(d)])
                receivePurchase(d, po);
            for (int so : dueSales_[static_cast<std::size_t>(d)])
                deliverSales(d, so);
            for (std::size_t k = 0; k < dueSaleInvoices_[static_cast<std::size_t>(d)].size(); ++k)
                invoice(d, true, dueSaleInvoices_[static_cast<std::size_t>(d)][k]);
            for (std::size_t k = 0; k < duePurchaseInvoices_[static_cast<std::size_t>(d)].size(); ++k)
                invoice(d, false, duePurchaseInvoices_[static_cast<std::size_t>(d)][k]);
            for (const PendingSettlement& s : dueReceipts_[static_cast<std::size_t>(d)])
                settle(d, true, s);
            for (const PendingSettlement& s : duePayments_[static_cast<std::size_t>(d)])
                settle(d, false, s);
            for (auto* queue : {&dueSales_, &duePurchases_})
                std::vector<int>().swap((*queue)[static_cast<std::size_t>(d)]);
            std::vector<PendingBill>().swap(dueSaleInvoices_[static_cast<std::size_t>(d)]);
            std::vector<PendingBill>().swap(duePurchaseInvoices_[static_cast<std::size_t>(d)]);
            std::vector<PendingSettlement>().swap(dueReceipts_[static_cast<std::size_t>(d)]);
            std::vector<PendingSettlement>().swap(duePayments_[static_cast<std::size_t>(d)]);
            report(d * 90 / days_);
        }
    }

    // Opening stock: one bill per warehouse on the first day of the stock system.
    void openingStock() {
        for (std::size_t w = 0; w < warehouses_.size(); ++w) {
            const int interId = nextStockBill_++;
            int entry = 0;
            for (std::size_t i = 0; i < items_.size(); ++i) {
                Item& item = items_[i];
                std::int64_t qty = 0;
                if (item.home == static_cast<int>(w))
                    qty = item.orderUpTo;
                else if ((item.id + static_cast<int>(w)) % 7 == 0)
                    qty = item.lineQty * rng_.range(1, 3);
                if (qty == 0)
                    continue;
                const Cents amount = item.cost * qty;
                stockQty_[cell(static_cast<int>(i), static_cast<int>(w))] += qty;
                stockBal_[cell(static_cast<int>(i), static_cast<int>(w))] += amount;
                stockEntry_->row({interId, ++entry, item.id, item.aux, "", kGroups[item.group].baseUnit, qty,
                                  money(item.cost), money(amount), 0.0, 0.0, warehouses_[w], 0,
                                  placeOf(item, static_cast<int>(w)), 0, 0, 0, ""});
            }
            stockBill_->row({interId, billNo("QIN", interId), kTranOpeningStock, dayText(0), 0, deptId(5), 0,
                             warehouses_[w], 0, 1, 1, kUserBoss, dayText(0), kUserAdmin, 0, "期初库存"});
        }
    }

    // Receivables and payables brought forward, settled during the first months.
    void openingBalances() {
        Inserter init(db_, "t_RP_InitBal",
                      "FID,FType,FObjectID,FCurrencyID,FExchangeRate,FDate,FAmountFor,FAmount,FExplanation");
        int id = 0;
        for (int pass = 0; pass < 2; ++pass) {
            const bool receivable = pass == 0;
            const std::vector<Party>& parties = receivable ? customers_ : suppliers_;
            for (std::size_t p = 0; p < parties.size(); ++p) {
                if (!rng_.chance(0.3))
                    continue;
                const CurrencyDef& c = kCurrencies[parties[p].currency];
                const Cents amountFor = std::llround((1000.0 + rng_.unit() * 150000.0) / c.rate) * 100;
                const Cents amount = toBase(amountFor, c.rate);
                init.row({++id, receivable ? 1 : 2, parties[p].id, c.id, c.rate, dayText(0), money(amountFor),
                          money(amount), receivable ? "期初应收" : "期初应付"});
                const int payDay = rng_.range(5, 120);
                if (payDay <= todayIndex() && rng_.chance(0.85)) {
                    auto& queue = receivable ? dueReceipts_ : duePayments_;
                    queue[static_cast<std::size_t>(payDay)].push_back(
                        {0, id, "INIT" + std::to_string(id), static_cast<int>(p), parties[p].emp,
                         parties[p].currency, amountFor, amount});
                }
            }
        }
    }

    void newSalesOrder(int day, bool sameDay) {
        const int party = customerPick_->pick(rng_);
        const Party& customer = customers_[static_cast<std::size_t>(party)];
        const double rate = kCurrencies[customer.currency].rate;
        Order order{nextSalesOrder_++,
                    day,
                    party,
                    rng_.chance(0.9) ? customer.emp : rng_.range(0, profile_.salespeople - 1),
                    !sameDay && rng_.chance(0.01),
                    static_cast<int>(salesLines_.size()),
                    0};
        const int lead = sameDay ? 0 : (rng_.chance(0.3) ? 0 : rng_.range(1, 7));
        const int lines = rng_.range(1, 5);
        std::vector<int> used;
        for (int l = 0; l < lines; ++l) {
            int item = itemPick_->pick(rng_);
            if (sameDay) {
                // Orders for immediate delivery pick goods that are in stock.
                for (int tries = 0;
                     tries < 20 && onHand(item) < items_[static_cast<std::size_t>(item)].lineQty; ++tries)
                    item = itemPick_->pick(rng_);
            }
            if (std::find(used.begin(), used.end(), item) != used.end())
                continue;
            used.push_back(item);
            const Item& it = items_[static_cast<std::size_t>(item)];
            const std::int64_t qty =
                std::max<std::int64_t>(1, std::llround(it.lineQty * (0.3 + rng_.unit() * 1.4)));
            const Cents priceFor = std::max<Cents>(
                1, std::llround(static_cast<double>(it.price) / rate * (0.95 + rng_.unit() * 0.1)));
            salesLines_.push_back({item, qty, priceFor, day + lead});
            ++order.lineCount;
        }
        salesOrders_.push_back(order);
        if (!order.cancelled)
            dueSales_[static_cast<std::size_t>(day + lead)].push_back(static_cast<int>(salesOrders_.size()) -
                                                                      1);
    }

    void replenish(int day) {
        std::map<int, std::vector<std::pair<int, std::int64_t>>> bySupplier;
        for (std::size_t i = 0; i < items_.size(); ++i) {
            const Item& item = items_[i];
            const std::int64_t position = onHand(static_cast<int>(i)) + onOrder_[i];
            if (position >= item.reorderPoint)
                continue;
            const int coefficient = kUnits[kGroups[item.group].storeUnit - 1].coefficient;
            std::int64_t qty = item.orderUpTo - position;
            qty = (qty + coefficient - 1) / coefficient * coefficient;
            bySupplier[item.supplier].emplace_back(static_cast<int>(i), qty);
        }
        bool forced = false;
        if (day == todayIndex() && bySupplier.empty()) {
            // Something is always bought today, so today's receipts are never empty.
            const int item = itemPick_->pick(rng_);
            bySupplier[items_[static_cast<std::size_t>(item)].supplier].emplace_back(
                item, items_[static_cast<std::size_t>(item)].lineQty);
            forced = true;
        }
        bool first = true;
        for (auto& [supplier, lines] : bySupplier) {
            for (std::size_t begin = 0; begin < lines.size(); begin += 6) {
                const bool sameDay = day == todayIndex() && (first || forced);
                first = false;
                const Party& s = suppliers_[static_cast<std::size_t>(supplier)];
                const double rate = kCurrencies[s.currency].rate;
                Order order{nextPurchaseOrder_++,
                            day,
                            supplier,
                            s.emp,
                            false,
                            static_cast<int>(purchaseLines_.size()),
                            0};
                const int lead = sameDay ? 0 : rng_.range(1, 10);
                for (std::size_t k = begin; k < std::min(lines.size(), begin + 6); ++k) {
                    const Item& it = items_[static_cast<std::size_t>(lines[k].first)];
                    const Cents priceFor = std::max<Cents>(
                        1, std::llround(static_cast<double>(it.cost) / rate * (0.93 + rng_.unit() * 0.12)));
                    purchaseLines_.push_back({lines[k].first, lines[k].second, priceFor, day + lead});
                    onOrder_[static_cast<std::size_t>(lines[k].first)] += lines[k].second;
                    ++order.lineCount;
                }
                purchaseOrders_.push_back(order);
                duePurchases_[static_cast<std::size_t>(day + lead)].push_back(
                    static_cast<int>(purchaseOrders_.size()) - 1);
            }
        }
    }

    void receivePurchase(int day, int orderIndex) {
        const Order& order = purchaseOrders_[static_cast<std::size_t>(orderIndex)];
        const Party& supplier = suppliers_[static_cast<std::size_t>(order.party)];
        const double rate = kCurrencies[supplier.currency].rate;
        PendingBill bill{nextStockBill_++, order.party, order.emp, supplier.currency, {}};
        int headStock = 0;
        bool rest = false;
        const int later = std::min(day + rng_.range(3, 10), todayIndex());
        for (int l = 0; l < order.lineCount; ++l) {
            OrderLine& line = purchaseLines_[static_cast<std::size_t>(order.firstLine + l)];
            std::int64_t qty = line.qty - line.done;
            if (qty <= 0 || line.fetchDay > day)
                continue;
            if (day < todayIndex() && rng_.chance(0.08) && qty > 1) {
                qty = std::max<std::int64_t>(1, qty * rng_.range(50, 90) / 100);
                line.fetchDay = later;
                rest = true;
            }
            const int item = line.item;
            const Item& it = items_[static_cast<std::size_t>(item)];
            const int w = rng_.chance(0.85) ? it.home : rng_.range(0, profile_.warehouses - 1);
            if (!headStock)
                headStock = warehouses_[static_cast<std::size_t>(w)];
            const Cents amount = toBase(line.priceFor * qty, rate);
            stockQty_[cell(item, w)] += qty;
            stockBal_[cell(item, w)] += amount;
            onOrder_[static_cast<std::size_t>(item)] -= qty;
            line.done += qty;
            const int entry = static_cast<int>(bill.lines.size()) + 1;
            stockEntry_->row({bill.interId, entry, it.id, it.aux, "", kGroups[it.group].baseUnit, qty,
                              static_cast<double>(amount) / 100.0 / static_cast<double>(qty), money(amount),
                              0.0, 0.0, warehouses_[static_cast<std::size_t>(w)], 0, placeOf(it, w), 0,
                              order.interId, l + 1, billNo("POORD", order.interId)});
            bill.lines.push_back({entry, item, qty, line.priceFor, orderIndex, order.firstLine + l});
        }
        if (rest)
            duePurchases_[static_cast<std::size_t>(later)].push_back(orderIndex);
        if (bill.lines.empty()) {
            --nextStockBill_;
            return;
        }
        const Audit a = audit(day);
        stockBill_->row({bill.interId, billNo("WIN", bill.interId), kTranPurchaseReceipt, dayText(day),
                         supplier.id, deptId(kPurchaseDepartment),
                         buyers_[static_cast<std::size_t>(order.emp)].id, headStock, 0, 1, a.status,
                         a.checker, checkDate(a), kUserAdmin, 0, ""});
        const int lag = rng_.chance(0.3) ? 0 : rng_.range(1, 10);
        if (day + lag <= todayIndex())
            duePurchaseInvoices_[static_cast<std::size_t>(day + lag)].push_back(std::move(bill));
    }

    void deliverSales(int day, int orderIndex) {
        const Order& order = salesOrders_[static_cast<std::size_t>(orderIndex)];
        const Party& customer = customers_[static_cast<std::size_t>(order.party)];
        const double rate = kCurrencies[customer.currency].rate;
        PendingBill bill{nextStockBill_++, order.party, order.emp, customer.currency, {}};
        int headStock = 0;
        bool shortOfStock = false;
        for (int l = 0; l < order.lineCount; ++l) {
            OrderLine& line = salesLines_[static_cast<std::size_t>(order.firstLine + l)];
            std::int64_t need = line.qty - line.done;
            if (need <= 0 || line.fetchDay > day)
                continue;
            const Item& it = items_[static_cast<std::size_t>(line.item)];
            // The home warehouse first, then the others in their order.
            for (int k = -1; k < profile_.warehouses && need > 0; ++k) {
                const int w = k < 0 ? it.home : k;
                if (k == it.home)
                    continue;
                std::int64_t& onHandHere = stockQty_[cell(line.item, w)];
                const std::int64_t qty = std::min(need, onHandHere);
                if (qty <= 0)
                    continue;
                Cents& bal = stockBal_[cell(line.item, w)];
                const Cents cost =
                    qty == onHandHere ? bal : std::llround(static_cast<double>(bal) * qty / onHandHere);
                onHandHere -= qty;
                bal -= cost;
                need -= qty;
                line.done += qty;
                if (!headStock)
                    headStock = warehouses_[static_cast<std::size_t>(w)];
                const Cents sales = toBase(line.priceFor * qty, rate);
                const int entry = static_cast<int>(bill.lines.size()) + 1;
                stockEntry_->row({bill.interId, entry, it.id, it.aux, "", kGroups[it.group].baseUnit, qty,
                                  static_cast<double>(cost) / 100.0 / static_cast<double>(qty), money(cost),
                                  static_cast<double>(sales) / 100.0 / static_cast<double>(qty), money(sales),
                                  0, warehouses_[static_cast<std::size_t>(w)], 0, placeOf(it, w),
                                  order.interId, l + 1, billNo("SEORD", order.interId)});
                bill.lines.push_back({entry, line.item, qty, line.priceFor, orderIndex, order.firstLine + l});
            }
            if (need > 0)
                shortOfStock = true;
        }
        // Short lines wait for goods and are tried again the next day.
        if (shortOfStock && day < todayIndex())
            dueSales_[static_cast<std::size_t>(day + 1)].push_back(orderIndex);
        if (bill.lines.empty()) {
            --nextStockBill_;
            return;
        }
        const Audit a = audit(day);
        const Emp& emp = salespeople_[static_cast<std::size_t>(order.emp)];
        stockBill_->row({bill.interId, billNo("XOUT", bill.interId), kTranSalesDelivery, dayText(day),
                         customer.id, deptId(emp.dept), emp.id, 0, headStock, 1, a.status, a.checker,
                         checkDate(a), kUserAdmin, 0, ""});
        const int lag = rng_.chance(0.4) ? 0 : rng_.range(1, 6);
        if (day + lag <= todayIndex())
            dueSaleInvoices_[static_cast<std::size_t>(day + lag)].push_back(std::move(bill));
    }

    void invoice(int day, bool sales, const PendingBill& bill) {
        const int interId = sales ? nextSaleInvoice_++ : nextPurchaseInvoice_++;
        const CurrencyDef& c = kCurrencies[bill.currency];
        Inserter& entries = sales ? *saleInvoiceEntry_ : *purchaseInvoiceEntry_;
        std::vector<OrderLine>& orderLines = sales ? salesLines_ : purchaseLines_;
        const std::vector<Order>& orders = sales ? salesOrders_ : purchaseOrders_;
        Cents totalFor = 0, totalBase = 0;
        for (const DocLine& l : bill.lines) {
            const Item& it = items_[static_cast<std::size_t>(l.item)];
            const Cents amountFor = l.priceFor * l.qty;
            const Cents amount = toBase(amountFor, c.rate);
            const Cents taxFor = taxOf(amountFor);
            const Cents tax = toBase(taxFor, c.rate);
            totalFor += amountFor + taxFor;
            totalBase += amount + tax;
            const Order& order = orders[static_cast<std::size_t>(l.order)];
            entries.row({interId, l.entryId, it.id, it.aux, kGroups[it.group].baseUnit, l.qty,
                         money(l.priceFor), money(amountFor), money(amount), 13.0, money(taxFor), money(tax),
                         sales ? kTranSalesDelivery : kTranPurchaseReceipt, bill.interId, l.entryId,
                         order.interId, l.orderLine - order.firstLine + 1});
            orderLines[static_cast<std::size_t>(l.orderLine)].invoiced += l.qty;
        }
        const Audit a = audit(day);
        const std::vector<Party>& parties = sales ? customers_ : suppliers_;
        const Party& party = parties[static_cast<std::size_t>(bill.party)];
        const Emp& emp = sales ? salespeople_[static_cast<std::size_t>(bill.emp)]
                               : buyers_[static_cast<std::size_t>(bill.emp)];
        const std::string no = billNo(sales ? "XSFP" : "CGFP", interId);
        (sales ? *saleInvoice_ : *purchaseInvoice_)
            .row({interId, no, sales ? kTranSalesInvoice : kTranPurchaseInvoice, dayText(day), party.id,
                  deptId(emp.dept), emp.id, c.id, c.rate, 1, a.status, a.checker, checkDate(a), kUserAdmin, 0,
                  ""});
        // Most invoices are paid at their terms, some in part, a few not at all.
        const double roll = rng_.unit();
        if (roll > 0.96)
            return;
        const int payDay = day + std::max(0, party.terms + rng_.range(-5, 15));
        if (payDay > todayIndex())
            return;
        PendingSettlement s{sales ? kTranSalesInvoice : kTranPurchaseInvoice,
                            interId,
                            no,
                            bill.party,
                            bill.emp,
                            bill.currency,
                            totalFor,
                            totalBase};
        if (roll > 0.9) {
            s.totalFor = totalFor * rng_.range(50, 80) / 100;
            s.totalBase = toBase(s.totalFor, c.rate);
        }
        (sales ? dueReceipts_ : duePayments_)[static_cast<std::size_t>(payDay)].push_back(std::move(s));
    }

    void settle(int day, bool receipt, const PendingSettlement& s) {
        const int interId = receipt ? nextReceipt_++ : nextPayment_++;
        const CurrencyDef& c = kCurrencies[s.currency];
        const std::vector<Party>& parties = receipt ? customers_ : suppliers_;
        const Party& party = parties[static_cast<std::size_t>(s.party)];
        const Emp& emp = receipt ? salespeople_[static_cast<std::size_t>(s.emp)]
                                 : buyers_[static_cast<std::size_t>(s.emp)];
        const Audit a = audit(day);
        (receipt ? *receipt_ : *payment_)
            .row({interId, billNo(receipt ? "SKD" : "FKD", interId), receipt ? kTranReceipt : kTranPayment,
                  dayText(day), party.id, deptId(emp.dept), emp.id, c.id, c.rate, money(s.totalFor),
                  money(s.totalBase), rng_.range(1, 3), a.status, a.checker, checkDate(a), kUserAdmin, 0,
                  ""});
        (receipt ? *receiptEntry_ : *paymentEntry_)
            .row(
                {interId, 1, s.billTranType, s.billInterId, s.billNo, money(s.totalFor), money(s.totalBase)});
    }

    // -----------------------------------------------------------------------------------------
    void writeOrders() {
        for (int pass = 0; pass < 2; ++pass) {
            const bool sales = pass == 0;
            const std::vector<Order>& orders = sales ? salesOrders_ : purchaseOrders_;
            const std::vector<OrderLine>& lines = sales ? salesLines_ : purchaseLines_;
            Inserter head(
                db_, sales ? "SEOrder" : "POOrder",
                sales ? "FInterID,FBillNo,FTranType,FDate,FCustID,FDeptID,FEmpID,FCurrencyID,FExchangeRate,"
                        "FClosed,FStatus,FCheckerID,FCheckDate,FBillerID,FCancellation,FExplanation"
                      : "FInterID,FBillNo,FTranType,FDate,FSupplyID,FDeptID,FEmpID,FCurrencyID,FExchangeRate,"
                        "FClosed,FStatus,FCheckerID,FCheckDate,FBillerID,FCancellation,FExplanation");
            Inserter entry(
                db_, sales ? "SEOrderEntry" : "POOrderEntry",
                "FInterID,FEntryID,FItemID,FAuxPropID,FUnitID,FQty,FPrice,FAmountFor,FAmount,FTaxRate,"
                "FTaxAmountFor,FTaxAmount,FFetchDate,FStockQty,FInvoiceQty,FMrpClosed");
            for (const Order& o : orders) {
                const Party& party = (sales ? customers_ : suppliers_)[static_cast<std::size_t>(o.party)];
                const CurrencyDef& c = kCurrencies[party.currency];
                bool closed = true;
                for (int l = 0; l < o.lineCount; ++l) {
                    const OrderLine& line = lines[static_cast<std::size_t>(o.firstLine + l)];
                    const Item& it = items_[static_cast<std::size_t>(line.item)];
                    const Cents amountFor = line.priceFor * line.qty;
                    const Cents taxFor = taxOf(amountFor);
                    const bool done = line.done >= line.qty;
                    closed = closed && done;
                    entry.row({o.interId, l + 1, it.id, it.aux, kGroups[it.group].baseUnit, line.qty,
                               money(line.priceFor), money(amountFor), money(toBase(amountFor, c.rate)), 13.0,
                               money(taxFor), money(toBase(taxFor, c.rate)), dayText(line.fetchDay),
                               line.done, line.invoiced, done ? 1 : 0});
                }
                const Audit a = audit(o.day);
                const Emp& emp = sales ? salespeople_[static_cast<std::size_t>(o.emp)]
                                       : buyers_[static_cast<std::size_t>(o.emp)];
                head.row({o.interId, billNo(sales ? "SEORD" : "POORD", o.interId),
                          sales ? kTranSalesOrder : kTranPurchaseOrder, dayText(o.day), party.id,
                          deptId(emp.dept), emp.id, c.id, c.rate, closed && !o.cancelled ? 1 : 0, a.status,
                          a.checker, checkDate(a), kUserAdmin, o.cancelled ? 1 : 0,
                          o.cancelled ? "客户取消" : ""});
            }
            report(sales ? 93 : 96);
        }
    }

    void writeInventory() {
        Inserter ic(
            db_, "ICInventory",
            "FBrNo,FItemID,FBatchNo,FStockID,FQty,FBal,FStockPlaceID,FKFPeriod,FKFDate,FQtyLock,FAuxPropID,"
            "FSecQty");
        for (std::size_t i = 0; i < items_.size(); ++i) {
            const Item& it = items_[i];
            for (std::size_t w = 0; w < warehouses_.size(); ++w) {
                const std::int64_t qty = stockQty_[cell(static_cast<int>(i), static_cast<int>(w))];
                const Cents bal = stockBal_[cell(static_cast<int>(i), static_cast<int>(w))];
                if (qty == 0 && bal == 0)
                    continue;
                const bool food = it.group == kFoodGroup;
                const std::int64_t locked = qty > it.lineQty && rng_.chance(0.1) ? it.lineQty : 0;
                ic.row({"0", it.id, "", warehouses_[w], qty, money(bal), placeOf(it, static_cast<int>(w)),
                        food ? 365 : 0,
                        food ? Val(dayText(std::max(0, todayIndex() - rng_.range(0, 200))).substr(0, 10))
                             : Val(nullptr),
                        locked, it.aux, 0});
            }
        }
        // Goods received for inspection, not yet taken into stock.
        Inserter po(
            db_, "POInventory",
            "FBrNo,FItemID,FBatchNo,FStockID,FQty,FBal,FStockPlaceID,FKFPeriod,FKFDate,FQtyLock,FAuxPropID,"
            "FSecQty,FStockTypeID");
        for (std::size_t i = 0; i < items_.size(); i += 17) {
            const Item& it = items_[i];
            const std::int64_t qty = it.lineQty;
            po.row({"0", it.id, "", warehouses_[static_cast<std::size_t>(it.home)], qty, money(it.cost * qty),
                    placeOf(it, it.home), 0, nullptr, 0, it.aux, 0, 501});
        }
    }

    // Master data last: the items' stock limits are set against the stock the year ended with, so
    // that the warning reports always have something to show (about a fifth short, a sixth over).
    // The sum in cents of one column over the rows a query selects.
    Cents centsSum(const std::string& sql) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " (" + sql + ")");
        const Cents sum = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : 0;
        sqlite3_finalize(stmt);
        return sum;
    }

    // A small business's chart of accounts. The opening balances of receivables, payables and
    // stock are those the data bring forward; the bank and cash balances are given, and paid-in
    // capital balances the opening position.
    void writeChartOfAccounts() {
        const Cents receivable =
            centsSum("SELECT SUM(CAST(ROUND(FAmount*100) AS INTEGER)) FROM t_RP_InitBal WHERE FType = 1");
        const Cents payable =
            centsSum("SELECT SUM(CAST(ROUND(FAmount*100) AS INTEGER)) FROM t_RP_InitBal WHERE FType = 2");
        const Cents stock =
            centsSum("SELECT SUM(CAST(ROUND(e.FAmount*100) AS INTEGER)) FROM ICStockBill b "
                     "JOIN ICStockBillEntry e ON e.FInterID = b.FInterID WHERE b.FTranType = 10");
        const Cents cash = kOpeningCash, bankA = kOpeningBankA, bankB = kOpeningBankB;
        const Cents capital = cash + bankA + bankB + receivable + stock - payable;
        struct Account {
            int id;
            const char* number;
            const char* name;
            int dc, parent, group;
            bool detail;
            Cents balance;
        };
        const Account accounts[] = {
            {1, "1001", "库存现金", 1, 0, 1, true, cash},
            {2, "1002", "银行存款", 1, 0, 1, false, bankA + bankB},
            {3, "1002.01", "工商银行", 1, 2, 1, true, bankA},
            {4, "1002.02", "建设银行", 1, 2, 1, true, bankB},
            {5, "1012", "其他货币资金", 1, 0, 1, true, 0},
            {6, "1122", "应收账款", 1, 0, 1, true, receivable},
            {7, "1123", "预付账款", 1, 0, 1, true, 0},
            {8, "1221", "其他应收款", 1, 0, 1, true, 0},
            {9, "1405", "库存商品", 1, 0, 1, true, stock},
            {10, "1601", "固定资产", 1, 0, 1, true, 0},
            {11, "1602", "累计折旧", -1, 0, 1, true, 0},
            {12, "2001", "短期借款", -1, 0, 2, true, 0},
            {13, "2202", "应付账款", -1, 0, 2, true, payable},
            {14, "2203", "预收账款", -1, 0, 2, true, 0},
            {15, "2211", "应付职工薪酬", -1, 0, 2, true, 0},
            {16, "2221", "应交税费", -1, 0, 2, false, 0},
            {17, "2221.01", "应交增值税", -1, 16, 2, true, 0},
            {18, "3001", "实收资本", -1, 0, 3, true, capital},
            {19, "3103", "本年利润", -1, 0, 3, true, 0},
            {20, "3104", "利润分配", -1, 0, 3, true, 0},
            {21, "5001", "主营业务收入", -1, 0, 5, true, 0},
            {22, "5401", "主营业务成本", 1, 0, 5, true, 0},
            {23, "5601", "销售费用", 1, 0, 5, true, 0},
            {24, "5602", "管理费用", 1, 0, 5, true, 0},
            {25, "5603", "财务费用", 1, 0, 5, true, 0},
        };
        Inserter chart(
            db_, "t_Account",
            "FAccountID,FNumber,FName,FLevel,FDC,FParentID,FDetail,FGroupID,FBeginBalance,FDeleted");
        for (const Account& a : accounts)
            chart.row({a.id, a.number, a.name, a.parent ? 2 : 1, a.dc, a.parent, a.detail ? 1 : 0, a.group,
                       money(a.balance), 0});
    }

    void writeMasterData() {
        Inserter classes(db_, "t_ItemClass", "FItemClassID,FNumber,FName");
        for (const auto& [id, no, name] :
             std::vector<std::tuple<int, const char*, const char*>>{{kClassCustomer, "001", "客户"},
                                                                    {kClassSupplier, "003", "供应商"},
                                                                    {kClassItem, "004", "物料"},
                                                                    {kClassStock, "005", "仓库"},
                                                                    {kClassDepartment, "007", "部门"},
                                                                    {kClassEmployee, "008", "职员"},
                                                                    {kClassColour, "3001", "颜色"}})
            classes.row({id, no, name});

        Inserter item(db_, "t_Item", "FItemID,FItemClassID,FNumber,FName,FParentID,FLevel,FDetail,FDeleted");
        Inserter dept(db_, "t_Department", "FItemID,FNumber,FName,FManager,FDeleted");
        for (std::size_t i = 0; i < departments_.size(); ++i) {
            const std::string no = number("", static_cast<int>(i) + 1, 2);
            item.row({departments_[i], kClassDepartment, no, kDepartments[i], 0, 1, 1, 0});
            dept.row({departments_[i], no, kDepartments[i], 0, 0});
        }
        Inserter emp(db_, "t_Emp", "FItemID,FNumber,FName,FDepartmentID,FPhone,FDeleted");
        int empNo = 0;
        for (const std::vector<Emp>* list : {&salespeople_, &buyers_}) {
            for (const Emp& e : *list) {
                const std::string no = number("", ++empNo, 3);
                const std::string name = personName();
                item.row({e.id, kClassEmployee, no, name, 0, 1, 1, 0});
                emp.row({e.id, no, name, departments_[static_cast<std::size_t>(e.dept)],
                         "139" + number("", rng_.range(0, 99999999), 8), 0});
            }
        }
        Inserter org(
            db_, "t_Organization",
            "FItemID,FNumber,FName,FShortName,FAddress,FPhone,FContact,FCurrencyID,FDepartment,FEmployee,"
            "FCreditLimit,FDeleted");
        for (std::size_t i = 0; i < customers_.size(); ++i) {
            const Party& p = customers_[i];
            const std::string name = companyName(static_cast<int>(i), kTrades, "有限公司");
            const std::string no = number("01.", static_cast<int>(i) + 1, 4);
            const Emp& e = salespeople_[static_cast<std::size_t>(p.emp)];
            item.row({p.id, kClassCustomer, no, name, 0, 1, 1, 0});
            org.row({p.id, no, name, name.substr(0, std::min<std::size_t>(name.size(), 12)),
                     std::string(kCities[i % 20]) + "市" + std::to_string(rng_.range(1, 999)) + "号",
                     "0" + number("", rng_.range(10, 99), 2) + "-" + number("", rng_.range(0, 99999999), 8),
                     personName(), kCurrencies[p.currency].id, departments_[static_cast<std::size_t>(e.dept)],
                     e.id, money(static_cast<Cents>(rng_.range(5, 200)) * 1000000), 0});
        }
        Inserter sup(db_, "t_Supplier",
                     "FItemID,FNumber,FName,FShortName,FAddress,FPhone,FContact,FCurrencyID,FDeleted");
        for (std::size_t i = 0; i < suppliers_.size(); ++i) {
            const Party& p = suppliers_[i];
            const std::string name = companyName(static_cast<int>(i) + 37, kMakers, "有限公司");
            const std::string no = number("02.", static_cast<int>(i) + 1, 4);
            item.row({p.id, kClassSupplier, no, name, 0, 1, 1, 0});
            sup.row(
                {p.id, no, name, name.substr(0, std::min<std::size_t>(name.size(), 12)),
                 std::string(kCities[(i * 7) % 20]) + "市工业园" + std::to_string(rng_.range(1, 99)) + "号",
                 "0" + number("", rng_.range(10, 99), 2) + "-" + number("", rng_.range(0, 99999999), 8),
                 personName(), kCurrencies[p.currency].id, 0});
        }

        Inserter unit(db_, "t_MeasureUnit",
                      "FMeasureUnitID,FUnitGroupID,FNumber,FName,FCoefficient,FStandard,FDeleted");
        for (const UnitDef& u : kUnits)
            unit.row({u.id, u.group, u.number, u.name, u.coefficient, u.coefficient == 1 ? 1 : 0, 0});

        Inserter stock(db_, "t_Stock", "FItemID,FNumber,FName,FAddress,FEmpID,FIsStockMgr,FDeleted");
        Inserter place(db_, "t_StockPlace", "FSPID,FSPGroupID,FStockID,FNumber,FName,FDeleted");
        for (std::size_t w = 0; w < warehouses_.size(); ++w) {
            const std::string no = number("", static_cast<int>(w) + 1, 2);
            item.row({warehouses_[w], kClassStock, no, kWarehouses[w], 0, 1, 1, 0});
            stock.row({warehouses_[w], no, kWarehouses[w], std::string(kCities[w]) + "物流园", 0,
                       places_[w][0] ? 1 : 0, 0});
            for (int p = 0; p < 3; ++p) {
                const int id = places_[w][static_cast<std::size_t>(p)];
                if (id)
                    place.row({id, static_cast<int>(w) + 1, warehouses_[w], no + "." + std::to_string(p + 1),
                               std::string(kWarehouses[w]) + static_cast<char>('A' + p) + "区", 0});
            }
        }
        Inserter aux(db_, "t_AuxItem", "FItemID,FItemClassID,FNumber,FName,FDeleted");
        for (std::size_t c = 0; c < colours_.size(); ++c)
            aux.row({colours_[c], kClassColour, number("", static_cast<int>(c) + 1, 2), kColours[c], 0});

        for (std::size_t g = 0; g < groupIds_.size(); ++g)
            item.row({groupIds_[g], kClassItem, kGroups[g].number, kGroups[g].name, 0, 1, 0, 0});
        Inserter ic(
            db_, "t_ICItem",
            "FItemID,FNumber,FName,FModel,FParentID,FErpClsID,FUnitGroupID,FUnitID,FStoreUnitID,FSaleUnitID,"
            "FSecUnitID,FQtyDecimal,FPriceDecimal,FDefaultLoc,FSupplierID,FAuxClassID,FSecInv,FHighLimit,"
            "FOrderPrice,FSalePrice,FTaxRate,FDeleted");
        for (std::size_t i = 0; i < items_.size(); ++i) {
            const Item& it = items_[i];
            const GroupDef& g = kGroups[it.group];
            const std::int64_t q = onHand(static_cast<int>(i));
            const double roll = rng_.unit();
            std::int64_t safety, high;
            if (q == 0 || roll < 0.2) { // short
                safety = q + std::max<std::int64_t>(1, q / 3) + it.lineQty;
                high = safety * 4;
            } else if (roll < 0.36) { // over
                high = q * rng_.range(40, 80) / 100;
                safety = high / 4;
            } else {
                safety = q * rng_.range(20, 60) / 100;
                high = q * 2 + it.lineQty;
            }
            // A handful of retired items stay in the catalogue; the stock queries leave them out.
            const int deleted = q == 0 && rng_.chance(0.3) ? 1 : 0;
            item.row({it.id, kClassItem, it.number, it.name, groupIds_[static_cast<std::size_t>(it.group)], 2,
                      1, deleted});
            ic.row({it.id,
                    it.number,
                    it.name,
                    it.model,
                    groupIds_[static_cast<std::size_t>(it.group)],
                    1,
                    kUnits[g.baseUnit - 1].group,
                    g.baseUnit,
                    g.storeUnit,
                    g.baseUnit,
                    0,
                    0,
                    2,
                    warehouses_[static_cast<std::size_t>(it.home)],
                    suppliers_[static_cast<std::size_t>(it.supplier)].id,
                    it.aux ? kClassColour : 0,
                    safety,
                    high,
                    money(it.cost),
                    money(it.price),
                    13.0,
                    deleted});
        }
        report(99);
    }

    sqlite3* db_;
    const ProgressFn& progress_;
    const SizeProfile profile_;
    Rng rng_;
    const QDate today_;
    const QDate start_;
    const int days_;
    const int passwordIterations_;
    std::vector<std::string> dayText_;
    int lastPercent_ = -1;

    int nextItemId_ = 1001;
    int nextPlaceId_ = 1;
    int nextStockBill_ = 1;
    int nextSalesOrder_ = 1;
    int nextPurchaseOrder_ = 1;
    int nextSaleInvoice_ = 1;
    int nextPurchaseInvoice_ = 1;
    int nextReceipt_ = 1;
    int nextPayment_ = 1;

    std::vector<int> departments_;
    std::vector<Emp> salespeople_, buyers_;
    std::vector<int> warehouses_;
    std::vector<std::array<int, 3>> places_;
    std::vector<int> colours_;
    std::vector<int> groupIds_;
    std::vector<Party> customers_, suppliers_;
    std::vector<Item> items_;
    std::unique_ptr<WeightedPick> customerPick_, itemPick_;

    std::vector<std::int64_t> stockQty_;
    std::vector<Cents> stockBal_;
    std::vector<std::int64_t> onOrder_;

    std::vector<Order> salesOrders_, purchaseOrders_;
    std::vector<OrderLine> salesLines_, purchaseLines_;
    std::vector<std::vector<int>> dueSales_, duePurchases_;
    std::vector<std::vector<PendingBill>> dueSaleInvoices_, duePurchaseInvoices_;
    std::vector<std::vector<PendingSettlement>> dueReceipts_, duePayments_;

    std::unique_ptr<Inserter> stockBill_, stockEntry_, saleInvoice_, saleInvoiceEntry_, purchaseInvoice_,
        purchaseInvoiceEntry_, receipt_, receiptEntry_, payment_, paymentEntry_;
};

} // namespace

std::optional<DemoSize> parseDemoSize(const QString& text) {
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("small"))
        return DemoSize::Small;
    if (t == QLatin1String("medium"))
        return DemoSize::Medium;
    if (t == QLatin1String("large"))
        return DemoSize::Large;
    return std::nullopt;
}

const char* demoSizeName(DemoSize size) {
    switch (size) {
    case DemoSize::Small:
        return "small";
    case DemoSize::Medium:
        return "medium";
    case DemoSize::Large:
        return "large";
    }
    return "small";
}

SizeProfile profileFor(DemoSize size) {
    switch (size) {
    case DemoSize::Small:
        return {40, 12, 60, 4, 8, 320};
    case DemoSize::Medium:
        return {300, 60, 800, 6, 20, 7300};
    case DemoSize::Large:
        return {2000, 300, 5000, 8, 60, 81000};
    }
    return {40, 12, 60, 4, 8, 320};
}

const std::vector<DemoUser>& demoUsers() {
    return kUsers;
}

void generateDemoData(sqlite3* db, const DemoOptions& options, const ProgressFn& progress) {
    Generator(db, options, progress).run();
}

void buildDemoDatabase(const QString& file, const DemoOptions& options, const ProgressFn& progress) {
    QFile::remove(file);
    sqlite3* db = nullptr;
    const QByteArray path = QFileInfo(file).absoluteFilePath().toUtf8();
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        throw std::runtime_error("cannot create " + path.toStdString() + ": " + message);
    }
    try {
        execSql(db, "PRAGMA journal_mode=OFF");
        execSql(db, "PRAGMA synchronous=OFF");
        execSql(db, "PRAGMA locking_mode=EXCLUSIVE");
        execSql(db, "PRAGMA cache_size=-131072");
        execSql(db, "BEGIN");
        createDemoSchema(db);
        generateDemoData(db, options, progress);
        createDemoIndexes(db);
        execSql(db, "COMMIT");
    } catch (...) {
        sqlite3_close(db);
        QFile::remove(file);
        throw;
    }
    sqlite3_close(db);
    if (progress)
        progress(100);
}

std::vector<TableCount> countDemoRows(sqlite3* db) {
    std::vector<TableCount> counts;
    for (const TableDef& t : demoTables()) {
        sqlite3_stmt* stmt = nullptr;
        const std::string sql = std::string("SELECT COUNT(*) FROM ") + t.name;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db));
        const std::int64_t n = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : -1;
        sqlite3_finalize(stmt);
        counts.push_back({t.name, n});
    }
    return counts;
}

} // namespace zrk::demo
