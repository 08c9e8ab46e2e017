#include "board/board_window.h"

#include "board/log_category.h"
#include "core/console_context.h"
#include "core/roles/ledger_roles.h"
#include "db/console_tables.h"
#include "platform/caught_error.h"
#include "platform/component_registry.h"
#include "platform/error.h"
#include "session/message_boxes.h"
#include "session/session_properties.h"
#include "session/texts.h"

#include <QVBoxLayout>

namespace zrk {

BoardWindow::BoardWindow(ConsoleContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("dlgDataFlow"));
    setWindowTitle(translate(ctx_, kBoardCaption));
    auto* layout = new QVBoxLayout(this);
    back_ = new QWidget(this);
    back_->setObjectName(QStringLiteral("picBack"));
    auto* backLayout = new QVBoxLayout(back_);
    company_ = new QLabel(back_);
    company_->setObjectName(QStringLiteral("lblCompany"));
    company_->setStyleSheet(QStringLiteral("font-size: 20pt; font-weight: bold;"));
    accountSet_ = new QLabel(back_);
    accountSet_->setObjectName(QStringLiteral("lblAccountSet"));
    backLayout->addStretch();
    backLayout->addWidget(company_, 0, Qt::AlignHCenter);
    backLayout->addWidget(accountSet_, 0, Qt::AlignHCenter);
    backLayout->addStretch();
    layout->addWidget(back_);
    load();
}

void BoardWindow::load() {
    rebuildOnActivate_ = true;
    ctx_.board().built = false;
    back_->hide();
    syncReportList();
}

void BoardWindow::syncReportList() {
    try {
        const auto& company = ctx_.session().companyConnection;
        if (!company)
            throw Error(errnum::ObjectVariableNotSet, QStringLiteral("dlgDataFlow"),
                        QStringLiteral("Object variable or With block variable not set"));
        syncOwnerReportList(ctx_, *company);
    } catch (const Error& e) {
        logCaughtError(lcBoard(), "load: the owner-report list was not synchronised", e);
        showMessage(ctx_, e.description(), false);
    }
}

void BoardWindow::activate(bool maximised) {
    ctx_.board().active = true;
    if (rebuildOnActivate_ && maximised)
        build();
}

void BoardWindow::deactivate() {
    ctx_.board().active = false;
}

void BoardWindow::onBuilt(std::function<void()> callback) {
    connect(this, &BoardWindow::boardBuilt, this, std::move(callback));
}

void BoardWindow::build() {
    QString company;
    try {
        const auto ledger =
            queryInterface<ILedgerData>(createComponent(ctx_.components(), kLedgerDataProgId, true));
        company = ledger->systemProfile()->companyName();
    } catch (const Error& e) {
        logCaughtError(lcBoard(), "build: no company name for the caption", e);
        // The company name is a caption; the board builds without it.
    }
    company_->setText(company);
    accountSet_->setText(getSessionAcctName(ctx_).trimmed());
    ctx_.board().built = true;
    back_->show();
    rebuildOnActivate_ = false;
    emit boardBuilt();
}

} // namespace zrk
