// The board's decisions without a database or a widget: the report list's scrolling, the refresh
// count, the statement slots, the keys and the tool icons.
#include "board/board_elements.h"
#include "board/board_keys.h"
#include "board/refresh_counter.h"
#include "board/report_list_scroll.h"
#include "board/statement_slots.h"
#include "board/tool_icons.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

constexpr int kLabelHeight = 180;
// Ten labels at 215, 545, ...: label 5 ends at 2045, label 6 at 2375.
constexpr int kContainer = 2100;

TEST(ReportListScroll, TenLabelsOfWhichSixFitScrollByFourAndComeBack) {
    ReportListScroll scroll;
    scroll.build(10, kLabelHeight);
    std::vector<int> rest;
    for (int i = 0; i < 10; ++i)
        rest.push_back(scroll.top(i));
    EXPECT_EQ(rest.front(), 215);
    EXPECT_EQ(rest[1], 215 + kLabelHeight + 150);
    scroll.update(kContainer);
    EXPECT_EQ(scroll.max(), 4);
    EXPECT_EQ(scroll.largeChange(), 6);
    EXPECT_TRUE(scroll.scrollBarVisible());
    EXPECT_EQ(scroll.reportListTop(), 215);

    scroll.setValue(4);
    // The tenth label ends half a label above the container's bottom.
    EXPECT_EQ(scroll.top(9) + kLabelHeight, kContainer - kLabelHeight / 2);
    const int moved = rest[9] - scroll.top(9);
    EXPECT_EQ(scroll.top(0), rest[0] - moved);
    EXPECT_EQ(scroll.hoverBarTop(), 215 - 80 - moved);

    scroll.setValue(2);
    EXPECT_EQ(scroll.top(7) + kLabelHeight, kContainer - kLabelHeight / 2);
    scroll.setValue(0);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(scroll.top(i), rest[i]) << i;
    EXPECT_EQ(scroll.hoverBarTop(), 215 - 80);
}

TEST(ReportListScroll, AListThatFitsHasNoScrollBar) {
    ReportListScroll scroll;
    scroll.build(6, kLabelHeight);
    scroll.update(kContainer);
    EXPECT_FALSE(scroll.scrollBarVisible());
    EXPECT_EQ(scroll.max(), 0);
    scroll.setValue(3);
    EXPECT_EQ(scroll.top(0), 215);
}

TEST(ReportListScroll, ANewContainerHeightBringsTheListBackBeforeCountingAgain) {
    ReportListScroll scroll;
    scroll.build(10, kLabelHeight);
    scroll.update(kContainer);
    scroll.setValue(4);
    scroll.update(kContainer + 330);
    EXPECT_EQ(scroll.top(0), 215);
    EXPECT_EQ(scroll.max(), 3);
    EXPECT_EQ(scroll.largeChange(), 7);
    EXPECT_EQ(scroll.value(), 0);
}

TEST(ReportListScroll, HoverMarksStandOnTheLabelTouchedLast) {
    ReportListScroll scroll;
    scroll.build(3, kLabelHeight);
    EXPECT_FALSE(scroll.hoverShown());
    EXPECT_EQ(scroll.hoverIconTop(), 185);
    scroll.hover(2);
    EXPECT_TRUE(scroll.hoverShown());
    EXPECT_EQ(scroll.hoverIconTop(), scroll.top(2) - 30);
    EXPECT_EQ(scroll.hoverBarTop(), scroll.top(2) - 80);
    scroll.hover(7);
    EXPECT_EQ(scroll.hoverBarTop(), scroll.top(2) - 80);
}

TEST(RefreshSetting, MinutesBecomeTicksAndWhatIsNoIntervalIsOff) {
    struct Case {
        const char* text;
        bool on;
        std::int32_t ticks;
    };
    const Case cases[] = {
        {"5", true, 300}, {"0.5", true, 30}, {"1", true, 60},  {" 2 ", true, 120}, {"0", false, 0},
        {"", false, 0},   {"abc", false, 0}, {"5x", false, 0}, {"-3", false, 0},   {"0.001", false, 0},
    };
    for (const Case& c : cases) {
        const RefreshSetting s = readRefreshSetting(QString::fromUtf8(c.text));
        EXPECT_EQ(s.on, c.on) << c.text;
        EXPECT_EQ(s.ticks, c.ticks) << c.text;
    }
}

int ticksUntilRefresh(RefreshCounter& counter, int limit) {
    for (int i = 1; i <= limit; ++i)
        if (counter.tick())
            return i;
    return -1;
}

TEST(RefreshCounter, RefreshesAfterTheIntervalAndThenEveryInterval) {
    RefreshCounter counter;
    counter.set(readRefreshSetting(QStringLiteral("5")));
    EXPECT_EQ(counter.refreshTime(), 300);
    EXPECT_EQ(ticksUntilRefresh(counter, 1000), 300);
    EXPECT_EQ(counter.increment(), 0);
    EXPECT_EQ(ticksUntilRefresh(counter, 1000), 300);
    counter.set(readRefreshSetting(QStringLiteral("0.5")));
    EXPECT_EQ(ticksUntilRefresh(counter, 1000), 30);
    counter.set(readRefreshSetting(QStringLiteral("0")));
    EXPECT_FALSE(counter.on());
    EXPECT_EQ(ticksUntilRefresh(counter, 1000), -1);
}

TEST(StatementSlots, FollowTheCompanyAndAccountType) {
    struct Case {
        const char* company;
        const char* account;
        std::array<const char*, 4> shown; // caption of a shown slot, "" for hidden
    };
    const Case cases[] = {
        {"0", "10", {"现金流量表", "资产负债表", "利润表", ""}},
        {"1", "4", {"现金流量表", "资产负债表", "利润表", ""}},
        {"3", "10", {"现金流量表", "资金平衡表", "", ""}},
        {"2", "1", {"现金流量表", "资产负债表", "", ""}},
        {"3", "11", {"现金流量表", "资产负债表", "", ""}},
        {"2", "8", {"现金流量表", "资产负债表", "收入支出总表", ""}},
        {"3", "6", {"现金流量表", "资产负债表(月报)", "资产负债表(年报)", "收入支出表"}},
        {"2", "5", {"现金流量表", "资产负债表(一)", "资产负债表(二)", "收入支出表"}},
        {"3", "9", {"现金流量表", "资产负债表", "收入支出表", ""}},
        {"3", "0", {"现金流量表", "", "", ""}},
        {"2", "13", {"现金流量表", "", "", ""}},
    };
    for (const Case& c : cases) {
        const StatementSlots s =
            showStatementSlots(QString::fromUtf8(c.company), QString::fromUtf8(c.account));
        for (int i = 0; i < kStatementSlotCount; ++i) {
            const QString expected = QString::fromUtf8(c.shown[i]);
            EXPECT_EQ(s[i].visible, !expected.isEmpty()) << c.company << "/" << c.account << " slot " << i;
            if (!expected.isEmpty()) {
                EXPECT_EQ(s[i].caption, expected) << c.company << "/" << c.account << " slot " << i;
            }
            EXPECT_TRUE(s[i].tag.isEmpty());
        }
    }
}

TEST(StatementSlots, WithoutAReportListNoSlotGetsATag) {
    StatementSlots s = showStatementSlots(QStringLiteral("1"), QStringLiteral("1"));
    matchStatementReports(s, nullptr);
    for (const BoardLabel& slot : s)
        EXPECT_TRUE(slot.tag.isEmpty());
}

TEST(ElementKey, HasExactlyThreeNumbers) {
    EXPECT_EQ(splitElementKey(QStringLiteral("0|3|5")), (QStringList{"0", "3", "5"}));
    for (const char* tag :
         {"0|3", "0|3|5|1", "", "a|b|c", "0||5", "131;ReportViewer.SrvRptRetrieve;ar;FRptID=131;x;True"})
        EXPECT_FALSE(splitElementKey(QString::fromUtf8(tag))) << tag;
}

TEST(BoardKeys, HelpCommandBarOrTheFocusedControl) {
    struct Case {
        int key, shift;
        BoardKey action;
    };
    const Case cases[] = {
        {112, 0, BoardKey::Help},     {112, 1, BoardKey::Help},       {121, 0, BoardKey::CommandBar},
        {121, 1, BoardKey::Control},  {'F', 4, BoardKey::CommandBar}, {'Z', 4, BoardKey::CommandBar},
        {0, 4, BoardKey::CommandBar}, {'F', 5, BoardKey::Control},    {'1', 4, BoardKey::Control},
        {'F', 0, BoardKey::Control},  {13, 0, BoardKey::Control},
    };
    for (const Case& c : cases)
        EXPECT_EQ(boardKeyAction(c.key, c.shift), c.action) << c.key << " " << c.shift;
}

TEST(ToolIcons, ShowFocusHoverAndPressThroughOneSharedCapture) {
    ToolIconTracker tracker;
    ToolIconState set{kReportSettingsIconTag, 2};
    EXPECT_EQ(toolIconPicture(set.tag, 3), QStringLiteral("BTN_BBSZ_3"));
    tracker.focusOut(set);
    EXPECT_EQ(set.tag, QStringLiteral("Name=BBSZ;Status=1;"));
    EXPECT_EQ(set.shown, 1);
    EXPECT_EQ(tracker.move(set, true), ToolIconTracker::Capture::Take);
    EXPECT_EQ(set.shown, 3);
    EXPECT_EQ(tracker.move(set, true), ToolIconTracker::Capture::Keep);
    tracker.press(set);
    EXPECT_EQ(set.shown, 4);
    // Leaving shows the state of the tag again.
    EXPECT_EQ(tracker.move(set, false), ToolIconTracker::Capture::Release);
    EXPECT_EQ(set.shown, 1);
    tracker.focusIn(set);
    EXPECT_EQ(set.tag, QStringLiteral("Name=BBSZ;Status=2;"));
    tracker.move(set, true);
    EXPECT_TRUE(tracker.captured());
    EXPECT_EQ(tracker.click(), ToolIconTracker::Capture::Release);
    EXPECT_FALSE(tracker.captured());
    EXPECT_EQ(tracker.click(), ToolIconTracker::Capture::Keep);
    ToolIconState bare{QStringLiteral("Name=CX;"), 3};
    tracker.move(bare, true);
    tracker.move(bare, false);
    EXPECT_EQ(bare.shown, 1);
    EXPECT_EQ(withTagItem(QStringLiteral("Name=CX;"), QStringLiteral("Status"), QStringLiteral("2")),
              QStringLiteral("Name=CX;Status=2;"));
}

} // namespace
} // namespace zrk
