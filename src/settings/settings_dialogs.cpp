#include "settings/settings_dialogs.h"

#include "core/console_context.h"
#include "session/message_boxes.h"
#include "settings/refresh_dialog.h"
#include "settings/report_settings_dialog.h"

namespace zrk {

bool SettingsDialogs::showReportSettings(QWidget* parent) {
    const db::ConnectionPtr company = ctx_.session().companyConnection;
    if (!company || company->state() == 0) {
        showMessage(ctx_, QStringLiteral("Object variable or With block variable not set"), false);
        return false;
    }
    ReportSettingsDialog dialog(ctx_, *company, parent);
    ctx_.prompts().execDialog(dialog);
    return dialog.hasSaved();
}

void SettingsDialogs::showRefreshSettings(QWidget* parent, IBoardRefresh& board) {
    RefreshDialog dialog(ctx_, board, parent);
    ctx_.prompts().execDialog(dialog);
}

} // namespace zrk
