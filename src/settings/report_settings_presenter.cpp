#include "settings/report_settings_presenter.h"

#include "core/console_context.h"
#include "platform/caught_error.h"
#include "platform/error.h"
#include "session/message_boxes.h"
#include "session/texts.h"
#include "settings/log_category.h"
#include "settings/report_statements.h"
#include "settings/transaction.h"

namespace zrk {

ReportSettingsPresenter::ReportSettingsPresenter(ConsoleContext& ctx, db::Connection& company)
    : ctx_(ctx), company_(company) {}

bool ReportSettingsPresenter::load() {
    try {
        QList<ReportRow> hidden = readRows(false);
        lists_.fill(std::move(hidden), readRows(true));
        return true;
    } catch (const Error& e) {
        logCaughtError(lcSettings(), "load: the report lists were not read", e);
        lists_.fill({}, {});
        showMessage(ctx_, e.description(), false);
        return false;
    }
}

QList<ReportRow> ReportSettingsPresenter::readRows(bool shown) {
    QList<ReportRow> rows;
    for (auto rs = company_.openRecordset(report_sql::boardElements(shown)); !rs->eof(); rs->moveNext())
        rows << boardElementRow(*rs);
    for (auto rs = company_.openRecordset(report_sql::ownerReports(shown)); !rs->eof(); rs->moveNext())
        rows << ownerReportRow(*rs);
    return rows;
}

bool ReportSettingsPresenter::save() {
    try {
        runInTransaction(company_, [this] {
            company_.execute(report_sql::hideBoardElements());
            company_.execute(report_sql::hideOwnerReports());
            const QList<ReportRow>& shown = lists_.rows(ReportSide::Right);
            for (int r = 0; r < shown.size(); ++r)
                company_.execute(report_sql::showRow(shown[r], r + 1));
        });
    } catch (const Error& e) {
        logCaughtError(lcSettings(), "save: rolled back", e);
        showMessage(ctx_, kSaveFailedText, false);
        return false;
    }
    lists_.markSaved();
    showInfo(ctx_, kSavedText);
    return true;
}

bool ReportSettingsPresenter::restoreDefaults() {
    if (ask(kRestoreQuestion, MessageButtons::YesNo) != MessageAnswer::Yes)
        return false;
    try {
        if (company_.openRecordset(report_sql::backupElementCount())->value(0).toInt32() == 0) {
            showMessage(ctx_, kNoDefaultsText, false);
            return false;
        }
        runInTransaction(company_, [this] { writeDefaults(); });
    } catch (const Error& e) {
        logCaughtError(lcSettings(), "restoreDefaults: rolled back", e);
        showMessage(ctx_, e.description(), false);
        return false;
    }
    lists_.markRestored();
    return load();
}

void ReportSettingsPresenter::writeDefaults() {
    company_.execute(report_sql::hideBoardElements());
    int order = 1;
    for (auto rs = company_.openRecordset(report_sql::backupShownElements()); !rs->eof(); rs->moveNext())
        company_.execute(report_sql::showRow(boardElementRow(*rs), order++));
    company_.execute(report_sql::hideOwnerReports());
}

bool ReportSettingsPresenter::mayClose() {
    if (!lists_.dirty())
        return true;
    switch (ask(kChangedQuestion, MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
        return save();
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

MessageAnswer ReportSettingsPresenter::ask(const QString& question, MessageButtons buttons) {
    return ctx_.prompts().messageBox(translate(ctx_, question), translate(ctx_, kMessageTitle),
                                     MessageIcon::Question, buttons);
}

} // namespace zrk
