#include "shell/console_bar_layout.h"

namespace zrk {

namespace {

struct ToolRow {
    const char* name;
    const char* caption;
    const char* subBand = nullptr;
    int tagNumber = 0;
    int placement = 0;
};

struct BandRow {
    const char* name;
    const char* caption;
    int bandType;
    std::initializer_list<ToolRow> tools;
};

// The console's layout as the owner sees it: band name, caption, and its tools in order.
const BandRow kLayout[] = {
    {"Menu",
     "",
     kMenuBarBand,
     {{"mnuSystem", "系统(&S)", "mnuSystem", 0, 1},
      {"mnuConfigs", "收藏(&A)", "mnuConfigs", 0, 1},
      {"mnuWindow", "窗口(&W)", "mnuWindow", 0, 4},
      {"mnuHelp", "帮助(&H)", "mnuHelp", 0, 4}}},
    {"mnuSystem",
     "系统(&S)",
     kPopupBand,
     {{"ChangeSystem", "重新登录"},
      {"RefreshA", "自动刷新设置"},
      {"mnuDataTransfer", "报表导入"},
      {"KillTaskByUserID", "报表设置"},
      {"Quit", "退出系统(&X)"}}},
    {"mnuConfigs", "收藏(&A)", kPopupBand, {{"mnuSet", "收藏夹设置", "mnuSet"}}},
    {"mnuSet",
     "收藏夹设置",
     kPopupBand,
     {{"mnBills", "单据(&B)", "mnBillDetail"},
      {"mnuBooks", "序时簿(&L)", "mnBookDetail"},
      {"mnuReports", "报表(&R)", "mnReportDetail"},
      {"mnSetDetail", "收藏夹定制(&S)..."}}},
    {"mnBillDetail", "收藏夹所有单据", kPopupBand, {}},
    {"mnBookDetail", "收藏夹所有序时簿", kPopupBand, {}},
    {"mnReportDetail", "收藏夹所有报表", kPopupBand, {}},
    {"mnuWindow",
     "窗口(&W)",
     kPopupBand,
     {{"Arrange", "层叠(&C)", nullptr, 0},
      {"Arrange", "水平平铺(&H)", nullptr, 1},
      {"Arrange", "垂直平铺(&V)", nullptr, 2},
      {"Arrange", "重排图标(&A)", nullptr, 3}}},
    {"mnuHelp",
     "帮助(&H)",
     kPopupBand,
     {{"miHContents", "帮助手册(&C)"},
      {"Accumulation", "日积月累(&T)"},
      {"ZrkLink", "产品论坛(&K)"},
      {"About", "关于(&A)"}}},
};

} // namespace

Bar consoleBar() {
    QList<BandDefinition> bands;
    int id = 0;
    for (const BandRow& row : kLayout) {
        BandDefinition band;
        band.name = QString::fromUtf8(row.name);
        band.caption = QString::fromUtf8(row.caption);
        band.bandType = row.bandType;
        for (const ToolRow& t : row.tools) {
            ToolDefinition tool;
            tool.name = QString::fromUtf8(t.name);
            tool.caption = QString::fromUtf8(t.caption);
            tool.id = ++id;
            tool.subBand = t.subBand ? QString::fromUtf8(t.subBand) : QString();
            tool.tagNumber = t.tagNumber;
            tool.placement = t.placement;
            band.tools.push_back(tool);
        }
        bands.push_back(band);
    }
    ToolDefinition check;
    check.name = kMenuCheckTool;
    check.id = ++id;
    check.picture = QStringLiteral("MENUCHECK");
    return Bar(bands, {check});
}

} // namespace zrk
