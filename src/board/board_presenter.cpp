#include "board/board_presenter.h"

#include "board/log_category.h"
#include "core/console_context.h"
#include "core/roles/report_list_roles.h"
#include "db/query_helpers.h"
#include "platform/caught_error.h"
#include "platform/component_registry.h"
#include "platform/error.h"
#include "session/message_boxes.h"
#include "session/texts.h"
#include "session/user_settings.h"

namespace zrk {

BoardPresenter::BoardPresenter(ConsoleContext& ctx, BoardRoles roles) : ctx_(ctx), roles_(std::move(roles)) {}

db::RecordsetPtr BoardPresenter::openSet(const QString& sql) {
    try {
        const auto& company = ctx_.session().companyConnection;
        if (!company || company->state() == 0)
            throw Error(errnum::ObjectVariableNotSet, QStringLiteral("dlgDataFlow"),
                        QStringLiteral("Object variable or With block variable not set"));
        return company->execute(sql);
    } catch (const Error& e) {
        logCaughtError(lcBoard(), "load: an element set was not opened", e);
        return nullptr;
    }
}

void BoardPresenter::load() {
    reportElements_ = openSet(kReportElementsSql);
    commonDataSet_ = openSet(kCommonDataElementsSql);
    loadRefreshSetting();
}

void BoardPresenter::unload() {
    reportElements_.reset();
    commonDataSet_.reset();
    reports_.resize(1);
    scroll_.build(1, scroll_.labelHeight());
}

bool BoardPresenter::loadRefreshSetting() {
    const Variant setting = getUserSetting(ctx_, kRefreshSettingApp, kRefreshSettingSection,
                                           kRefreshSettingKey, QStringLiteral("0"));
    refresh_.set(readRefreshSetting(setting.isEmpty() ? QStringLiteral("0") : setting.toString()));
    return refresh_.on();
}

void BoardPresenter::build(int reportLabelHeight) {
    statements_ = showStatementSlots(
        QString::number(getProfileValue(ctx_, QStringLiteral("General"), QStringLiteral("CompanyType"))),
        QString::number(getProfileValue(ctx_, QStringLiteral("GL"), QStringLiteral("AccountType"))));
    common_ = fillCommonData(commonDataSet_.get());
    const db::RecordsetPtr reports = getRptList();
    matchStatementReports(statements_, reports.get());
    if (reportElements_) {
        const db::RecordsetPtr owner = getRptListBoss();
        reports_ = *reportListLabels(reportElements_.get(), owner.get());
        if (reports_.empty())
            reports_.push_back(BoardLabel::designed(kReportListDesignCaption));
    }
    scroll_.build(static_cast<int>(reports_.size()), reportLabelHeight);
}

db::RecordsetPtr BoardPresenter::getRptList() {
    try {
        return queryInterface<IReportRetrieve>(ctx_.objectFactory().create(kReportRetrieveProgId))
            ->getRptRS();
    } catch (const Error& e) {
        logCaughtError(lcBoard(), "getRptList: no report list", e);
        return nullptr;
    }
}

db::RecordsetPtr BoardPresenter::getRptListBoss() {
    try {
        return queryInterface<IReportRetrieve>(ctx_.components().create(kReportRetrieveProgId))
            ->getRptRSBoss();
    } catch (const Error& e) {
        logCaughtError(lcBoard(), "getRptListBoss: no owner reports", e);
        return nullptr;
    }
}

void BoardPresenter::startElement(const std::optional<ElementStart>& start, IPointerTarget& label) {
    if (!start || !roles_.launcher)
        return;
    label.showBusyPointer();
    try {
        roles_.launcher->doCallFunc(start->className, start->params);
    } catch (const Error& e) {
        logCaughtError(lcBoard(), "click: the element's function was not started", e);
    }
    label.showCustomPointer();
}

void BoardPresenter::clickCommonData(int index, IPointerTarget& label) {
    if (!commonDataSet_ || index < 0 || index >= kCommonDataCount)
        return;
    startElement(findElement(*commonDataSet_, common_[index].tag, false), label);
}

void BoardPresenter::clickReport(int index, IPointerTarget& label) {
    if (index < 0 || index >= static_cast<int>(reports_.size()))
        return;
    const QString tag = reports_[index].tag.trimmed();
    if (tag.isEmpty())
        return;
    if (tag.split(QLatin1Char('|')).size() != 3) {
        if (!roles_.launcher)
            return;
        try {
            roles_.launcher->startBoardFunction(tag, label);
        } catch (const Error& e) {
            logCaughtError(lcBoard(), "click: the report was not started", e);
        }
        return;
    }
    if (reportElements_)
        startElement(findElement(*reportElements_, tag, true), label);
}

void BoardPresenter::clickStatement(int index, IPointerTarget& label) {
    if (index < 0 || index >= kStatementSlotCount)
        return;
    const BoardLabel& slot = statements_[index];
    if (slot.tag.isEmpty()) {
        showMessage(ctx_, translatePattern(ctx_, kMissingReportPattern, {translate(ctx_, slot.caption)}),
                    true);
        return;
    }
    if (index >= 1) {
        if (!roles_.launcher)
            return;
        try {
            roles_.launcher->startBoardFunction(slot.tag, label);
        } catch (const Error& e) {
            logCaughtError(lcBoard(), "click: the statement was not started", e);
        }
        return;
    }
    const db::RecordsetPtr row = openSet(kCashFlowElementSql);
    if (row && row->recordCount() == 1)
        startElement(elementStartOf(*row, false), label);
}

void BoardPresenter::hoverLeft(LeftBlock block, int index) {
    hotBlock_ = block;
    hotIndex_ = index;
}

QString BoardPresenter::shown(const QString& caption) const {
    return translate(ctx_, caption);
}

QStringList BoardPresenter::ownerLines() const {
    QStringList common, statements, reports;
    for (const BoardLabel& label : common_)
        common << shown(label.caption);
    for (const BoardLabel& slot : statements_)
        if (slot.visible)
            statements << shown(slot.caption);
    for (const BoardLabel& label : reports_)
        reports << shown(label.caption);
    const QString separator = QStringLiteral(", ");
    const QString colon = QStringLiteral(": ");
    return {shown(kCommonDataTitle) + colon + common.join(separator),
            shown(kStatementsTitle) + colon + statements.join(separator),
            shown(kReportListTitle) + colon + reports.join(separator)};
}

} // namespace zrk
