#include "settings/refresh_settings_presenter.h"

#include "core/roles/board_roles.h"
#include "platform/caught_error.h"
#include "platform/error.h"
#include "session/message_boxes.h"
#include "session/user_settings.h"
#include "settings/log_category.h"
#include "settings/refresh_interval.h"

namespace zrk {

RefreshSettingsPresenter::RefreshSettingsPresenter(ConsoleContext& ctx, IBoardRefresh& board)
    : ctx_(ctx), board_(board) {}

RefreshChoice RefreshSettingsPresenter::load() {
    const QString stored =
        getUserSetting(ctx_, kRefreshApplication, kRefreshSection, kRefreshKey, kRefreshOff).toString();
    // A setting that could not be read (empty) is no interval either.
    if (stored == kRefreshOff || stored.isEmpty())
        return {};
    return {true, stored};
}

bool RefreshSettingsPresenter::confirm(bool refresh, const QString& minutes) {
    RefreshCheck check;
    if (refresh) {
        check = checkRefreshMinutes(minutes);
        if (!check.refusal.isEmpty()) {
            showMessage(ctx_, check.refusal, false);
            return false;
        }
    }
    if (!store(refresh ? minutes.trimmed() : kRefreshOff))
        return false;
    board_.setAutoRefresh(refresh, check.seconds);
    ok_ = true;
    return true;
}

bool RefreshSettingsPresenter::store(const QString& value) {
    try {
        saveUserSetting(ctx_, kRefreshApplication, kRefreshSection, kRefreshKey, value);
        return true;
    } catch (const Error& e) {
        logCaughtError(lcSettings(), "confirm: the interval was not stored", e);
        showMessage(ctx_, e.description(), false);
        return false;
    }
}

} // namespace zrk
