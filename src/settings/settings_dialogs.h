#pragma once

#include "core/roles/board_roles.h"

namespace zrk {

class ConsoleContext;

// The settings dialogs as the board and the menus open them, each shown modally through the
// console's prompt service.
class SettingsDialogs : public ISettingsDialogs {
public:
    explicit SettingsDialogs(ConsoleContext& ctx) : ctx_(ctx) {}

    // The report settings on the company connection; without an open one, the error is shown
    // and nothing was saved.
    bool showReportSettings(QWidget* parent) override;
    void showRefreshSettings(QWidget* parent, IBoardRefresh& board) override;

private:
    ConsoleContext& ctx_;
};

} // namespace zrk
