#pragma once

#include "board/board_elements.h"
#include "board/refresh_counter.h"
#include "board/report_list_scroll.h"
#include "board/statement_slots.h"
#include "core/roles/console_roles.h"

#include <QStringList>
#include <functional>

namespace zrk {

class ConsoleContext;

// The board's design captions of the report list and the titles of its regions.
inline const QString kReportListDesignCaption = QStringLiteral("自定义报表");
inline const QString kCommonDataTitle = QStringLiteral("常用资料");
inline const QString kStatementsTitle = QStringLiteral("财务分析");
inline const QString kReportListTitle = QStringLiteral("常用报表");
inline const QString kBoardTitle = QStringLiteral("信息看板");
inline const QString kRefreshCaption = QStringLiteral("刷新");
inline const QString kMissingReportPattern = QStringLiteral("所登录账套中不存在%1或者用户没有权限！");

// The roles the board's clicks end in.
struct BoardRoles {
    IFunctionLauncher* launcher = nullptr;
    // The frame, none while there is none.
    std::function<IFrameServices*()> frame;
};

// What the board reads and decides, without a widget: the element sets opened at load, the
// labels of the three blocks and what a click on one of them starts, the report list's places
// and scroll bar, the hover marks and the refresh count. The window mirrors it.
class BoardPresenter {
public:
    enum class LeftBlock { None, CommonData, Statements };

    BoardPresenter(ConsoleContext& ctx, BoardRoles roles);

    // The window's load: both element sets (report elements first) and the refresh setting.
    void load();
    // The window's unload: the sets released and the report list emptied.
    void unload();
    // The build's reading: statement slots by company and account type, common data, the
    // statements' reports and the report list, placed with labels of `reportLabelHeight` twips.
    void build(int reportLabelHeight);

    const CommonDataLabels& commonData() const { return common_; }
    const StatementSlots& statementSlots() const { return statements_; }
    // At least label 0, which keeps its design caption and no tag when there is nothing to list.
    const std::vector<BoardLabel>& reportLabels() const { return reports_; }
    ReportListScroll& reportScroll() { return scroll_; }
    const ReportListScroll& reportScroll() const { return scroll_; }

    // Clicks; each ends in the launcher, shows the missing-report message, or does nothing.
    void clickCommonData(int index, IPointerTarget& label);
    void clickReport(int index, IPointerTarget& label);
    void clickStatement(int index, IPointerTarget& label);

    // The pointer moved over a label of the left column: it alone is hot.
    void hoverLeft(LeftBlock block, int index);
    bool leftHot(LeftBlock block, int index) const { return hotBlock_ == block && hotIndex_ == index; }

    RefreshCounter& refresh() { return refresh_; }
    // Reads the refresh setting and says whether the timer is to run.
    bool loadRefreshSetting();

    // The reports of the account set and the owner's reports from the report component; none
    // when it cannot be asked.
    db::RecordsetPtr getRptList();
    db::RecordsetPtr getRptListBoss();

    // The board as the owner reads it, region by region.
    QStringList ownerLines() const;

private:
    void startElement(const std::optional<ElementStart>& start, IPointerTarget& label);
    db::RecordsetPtr openSet(const QString& sql);
    QString shown(const QString& caption) const;

    ConsoleContext& ctx_;
    BoardRoles roles_;
    db::RecordsetPtr reportElements_;
    db::RecordsetPtr commonDataSet_;
    CommonDataLabels common_ = designCommonData();
    StatementSlots statements_ = designStatementSlots();
    std::vector<BoardLabel> reports_{BoardLabel::designed(kReportListDesignCaption)};
    ReportListScroll scroll_;
    RefreshCounter refresh_;
    LeftBlock hotBlock_ = LeftBlock::None;
    int hotIndex_ = -1;
};

} // namespace zrk
