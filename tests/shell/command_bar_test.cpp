#include "shell/bar_presenter.h"
#include "shell/child_arrangement.h"
#include "shell/command_dispatch.h"
#include "shell/console_bar_layout.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

QStringList namesOf(const BandDefinition& band) {
    QStringList names;
    for (const ToolDefinition& tool : band.tools)
        names << tool.name;
    return names;
}

ToolDefinition tool(const char* name, int id, int placement = 0, const char* subBand = nullptr) {
    ToolDefinition t;
    t.name = QString::fromUtf8(name);
    t.caption = t.name;
    t.id = id;
    t.placement = placement;
    t.subBand = subBand ? QString::fromUtf8(subBand) : QString();
    return t;
}

TEST(ConsoleBar, HoldsTheConsolesMenusWithTheirCaptionsAndTools) {
    const Bar bar = consoleBar();
    struct Row {
        const char* band;
        const char* caption;
        QStringList tools;
        QStringList captions;
    };
    const Row rows[] = {
        {"mnuSystem",
         "系统(&S)",
         {"ChangeSystem", "RefreshA", "mnuDataTransfer", "KillTaskByUserID", "Quit"},
         {"重新登录", "自动刷新设置", "报表导入", "报表设置", "退出系统(&X)"}},
        {"mnuConfigs", "收藏(&A)", {"mnuSet"}, {"收藏夹设置"}},
        {"mnuSet",
         "收藏夹设置",
         {"mnBills", "mnuBooks", "mnuReports", "mnSetDetail"},
         {"单据(&B)", "序时簿(&L)", "报表(&R)", "收藏夹定制(&S)..."}},
        {"mnBillDetail", "收藏夹所有单据", {}, {}},
        {"mnBookDetail", "收藏夹所有序时簿", {}, {}},
        {"mnReportDetail", "收藏夹所有报表", {}, {}},
        {"mnuWindow",
         "窗口(&W)",
         {"Arrange", "Arrange", "Arrange", "Arrange"},
         {"层叠(&C)", "水平平铺(&H)", "垂直平铺(&V)", "重排图标(&A)"}},
        {"mnuHelp",
         "帮助(&H)",
         {"miHContents", "Accumulation", "ZrkLink", "About"},
         {"帮助手册(&C)", "日积月累(&T)", "产品论坛(&K)", "关于(&A)"}},
    };
    for (const Row& row : rows) {
        const BandDefinition* band = bar.band(QString::fromUtf8(row.band));
        ASSERT_NE(band, nullptr) << row.band;
        EXPECT_EQ(band->caption, QString::fromUtf8(row.caption)) << row.band;
        EXPECT_EQ(band->bandType, kPopupBand) << row.band;
        EXPECT_EQ(namesOf(*band), row.tools) << row.band;
        QStringList captions;
        for (const ToolDefinition& t : band->tools)
            captions << t.caption;
        EXPECT_EQ(captions, row.captions) << row.band;
    }
    const BandDefinition* menu = bar.band(kMenuBarName);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->bandType, kMenuBarBand);
    EXPECT_EQ(namesOf(*menu), (QStringList{"mnuSystem", "mnuConfigs", "mnuWindow", "mnuHelp"}));
    for (const ToolDefinition& t : menu->tools)
        EXPECT_EQ(t.subBand, t.name);
    EXPECT_EQ(bar.band(QStringLiteral("mnuSet"))->tools[0].subBand, kFavouriteBillBand);

    const BandDefinition* window = bar.band(kWindowBand);
    for (int style = 0; style < 4; ++style)
        EXPECT_EQ(window->tools[style].tagNumber, style);
    Bar spare = bar;
    const ToolDefinition* check = spare.tool(kMenuCheckTool);
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->picture, QStringLiteral("MENUCHECK"));

    const CommandIndex index = bar.buildIndex();
    int tools = 0;
    for (const BandDefinition& band : bar.bands())
        tools += static_cast<int>(band.tools.size());
    EXPECT_EQ(index.tools.size(), tools); // every tool has an id of its own, the four Arrange tools too
    EXPECT_EQ(index.tools.value(bar.band(QStringLiteral("mnuSystem"))->tools[4].id), QStringLiteral("Quit"));
}

TEST(CommandBarMerge, PlacesMenusByPlacementAndRemovesThemAgain) {
    Bar bar = consoleBar();
    const CommandIndex index = bar.buildIndex();
    ToolBarLayout layout;
    layout.bands = {
        {kMenuBarName,
         kMenuBarBand,
         0,
         {tool("mnuFile", 901, 2, "mnuFile"), tool("mnuEdit", 902, 1, "mnuEdit"),
          tool("mnuView", 903, 1, "mnuView"), tool("mnuTools", 904, 4, "mnuTools"),
          tool("mnuExtra", 905, 3, "mnuExtra"), tool("mnuHelp", 906, 4, "mnuHelp")}},
        {QStringLiteral("mnuView"), kPopupBand, 0, {tool("ShowCaption", 910)}, QStringLiteral("查看")},
        {kWindowBand, kPopupBand, 0, {tool("Arrange", 920), tool("NewWindow", 921, 3)}},
        {kHostedToolBand, kPlainToolBand, 0, {tool("Save", 930)}},
    };
    bar.merge(layout, index);
    EXPECT_EQ(namesOf(*bar.band(kMenuBarName)),
              (QStringList{"mnuFile", "mnuSystem", "mnuConfigs", "mnuEdit", "mnuView", "mnuTools",
                           "mnuWindow", "mnuHelp", "mnuExtra"}));
    ASSERT_NE(bar.band(QStringLiteral("mnuView")), nullptr); // copied whole
    EXPECT_EQ(namesOf(*bar.band(QStringLiteral("mnuView"))), QStringList{"ShowCaption"});
    EXPECT_EQ(namesOf(*bar.band(kWindowBand)),
              (QStringList{"Arrange", "Arrange", "Arrange", "Arrange", "NewWindow"}));
    EXPECT_EQ(bar.band(kHostedToolBand), nullptr); // the form shows its own tool bar

    bar.removeMerged(index);
    EXPECT_EQ(bar.bands(), consoleBar().bands());
}

TEST(CommandBarMerge, PositionsFollowTheRunOfTheConsolesToolsOfThatPlacement) {
    BandDefinition band{
        QStringLiteral("b"), kMenuBarBand, 0, {tool("A", 1, 1), tool("B", 2, 2), tool("C", 3, 4)}};
    const QSet<QString> own{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    const std::pair<int, qsizetype> cases[] = {{1, 1}, {2, 1}, {3, 3}, {4, 2}, {0, 3}};
    for (const auto& [placement, position] : cases)
        EXPECT_EQ(mergePosition(band, placement, own), position) << placement;
    EXPECT_EQ(mergePosition(band, 3, {}), 3); // no run of that placement: the end
    EXPECT_EQ(mergePosition(band, 2, {}), 0); // from the start: the start
}

TEST(CommandBarWindowList, ListsEveryChildFromId400AndChecksTheActiveOne) {
    Bar bar = consoleBar();
    bar.fillWindowList({{QStringLiteral(" 主界面 "), true, false},
                        {QStringLiteral("应收款明细表 "), false, true},
                        {QStringLiteral("库存台账"), false, false}});
    bar.fillWindowList({{QStringLiteral(" 主界面 "), true, false},
                        {QStringLiteral("应收款明细表 "), false, true},
                        {QStringLiteral("库存台账"), false, false}});
    const BandDefinition& band = *bar.band(kWindowBand);
    ASSERT_EQ(band.tools.size(), 7); // the four Arrange tools, then the list made anew
    struct Expected {
        int id;
        const char* caption;
        bool checked;
        const char* picture;
    };
    const Expected expected[] = {
        {400, "主界面", false, ""}, {401, "应收款明细表", true, "MENUCHECK"}, {402, "库存台账", false, ""}};
    for (int n = 0; n < 3; ++n) {
        const ToolDefinition& entry = band.tools[4 + n];
        EXPECT_EQ(entry.name, kWindowListTool);
        EXPECT_EQ(entry.id, expected[n].id);
        EXPECT_EQ(entry.tagNumber, n);
        EXPECT_EQ(entry.caption, QString::fromUtf8(expected[n].caption));
        EXPECT_EQ(entry.checked, expected[n].checked);
        EXPECT_EQ(entry.picture, QString::fromUtf8(expected[n].picture));
        EXPECT_EQ(entry.beginGroup, n == 0);
    }
    bar.fillWindowList({{QStringLiteral("主界面"), true, true}});
    EXPECT_EQ(bar.band(kWindowBand)->tools.size(), 5);
}

TEST(CaptionDisplay, SetsTheFirstPlainToolBarsFlagsAndEveryToolsDisplay) {
    ToolBarLayout layout;
    ToolDefinition button = tool("Save", 1);
    ToolDefinition combo = tool("Find", 2);
    combo.controlType = 3;
    combo.style = 7;
    layout.bands = {{QStringLiteral("Menu"), kMenuBarBand, 0, {tool("mnuFile", 3)}, QString(), 64},
                    {kHostedToolBand, kPlainToolBand, 0, {button, combo}, QString(), 64 | 1},
                    {QStringLiteral("second"), kPlainToolBand, 0, {tool("Other", 4)}, QString(), 64}};
    applyCaptionDisplay(layout, true);
    const BandDefinition& shown = layout.bands[1];
    EXPECT_EQ(shown.flags, 512 | 1);
    EXPECT_EQ(shown.tools[0].captionPosition, 4);
    EXPECT_EQ(shown.tools[0].style, 3);
    EXPECT_EQ(shown.tools[0].displayFlags, 34);
    EXPECT_EQ(shown.tools[1].style, 7); // not a plain button
    EXPECT_EQ(shown.tools[1].displayFlags, 34);
    EXPECT_EQ(layout.bands[0].flags, 64);
    EXPECT_EQ(layout.bands[2].flags, 64); // only the first plain tool bar

    applyCaptionDisplay(layout, false);
    EXPECT_EQ(layout.bands[1].tools[0].captionPosition, 0);
    EXPECT_EQ(layout.bands[1].tools[0].style, 0);
    EXPECT_EQ(layout.bands[1].tools[0].displayFlags, 16);
    EXPECT_EQ(layout.bands[1].tools[1].displayFlags, 16);
}

TEST(FunctionTools, AreRecognisedByTheirFourPrefixesIgnoringCase) {
    const std::pair<const char*, bool> cases[] = {
        {"mnSetDetail", false},   {"mnBillDetail7", true},   {"MNUSETUP", true},       {"mnuSet", true},
        {"mnBookDetail12", true}, {"mnReportDetail3", true}, {"mnReportDetai", false}, {"mnuSe", false},
        {"mnBills", false},       {"MNBILLDETAIL", true},    {"mnBookDetai", false},   {"Quit", false},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(CommandDispatcher::isFunctionTool(QString::fromLatin1(name)), expected) << name;
}

TEST(ChildArrangement, TilesAndLinesUpIcons) {
    const QRect area(0, 0, 300, 200);
    EXPECT_EQ(tiledRects(3, area, Arrangement::TileHorizontally),
              (QList<QRect>{QRect(0, 0, 300, 66), QRect(0, 66, 300, 66), QRect(0, 132, 300, 68)}));
    EXPECT_EQ(tiledRects(2, area, Arrangement::TileVertically),
              (QList<QRect>{QRect(0, 0, 150, 200), QRect(150, 0, 150, 200)}));
    EXPECT_TRUE(tiledRects(0, area, Arrangement::TileVertically).isEmpty());
    EXPECT_EQ(iconRects(3, area, QSize(160, 30)),
              (QList<QRect>{QRect(0, 170, 160, 30), QRect(0, 140, 160, 30), QRect(0, 110, 160, 30)}));
}

} // namespace
} // namespace zrk
