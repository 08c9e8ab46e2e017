#include "settings/refresh_dialog.h"

#include "session/texts.h"
#include "settings/refresh_interval.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zrk {

RefreshDialog::RefreshDialog(ConsoleContext& ctx, IBoardRefresh& board, QWidget* parent)
    : QDialog(parent), presenter_(ctx, board) {
    setObjectName(QStringLiteral("frmRefresh"));
    setWindowTitle(translate(ctx, kRefreshCaption));
    setModal(true);
    notRefresh_ = new QRadioButton(translate(ctx, QStringLiteral("不自动刷新")), this);
    notRefresh_->setObjectName(QStringLiteral("optNotRef"));
    refresh_ = new QRadioButton(translate(ctx, QStringLiteral("自动刷新间隔（分钟）：")), this);
    refresh_->setObjectName(QStringLiteral("optRef"));
    minutes_ = new QLineEdit(this);
    minutes_->setObjectName(QStringLiteral("txtValue"));
    minutes_->setAttribute(Qt::WA_InputMethodEnabled, false);
    minutes_->installEventFilter(this);
    auto* ok = new QPushButton(translate(ctx, QStringLiteral("确定(&O)")), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* exit = new QPushButton(translate(ctx, QStringLiteral("取消(&C)")), this);
    exit->setObjectName(QStringLiteral("cmdExit"));

    auto* interval = new QHBoxLayout;
    interval->addWidget(refresh_);
    interval->addWidget(minutes_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notRefresh_);
    layout->addLayout(interval);
    layout->addLayout(buttons);

    const RefreshChoice choice = presenter_.load();
    (choice.refresh ? refresh_ : notRefresh_)->setChecked(true);
    minutes_->setText(choice.minutes);
    enableMinutes(choice.refresh);
    connect(refresh_, &QRadioButton::toggled, this, &RefreshDialog::enableMinutes);
    connect(ok, &QPushButton::clicked, this, &RefreshDialog::confirm);
    connect(exit, &QPushButton::clicked, this, &RefreshDialog::reject);
}

void RefreshDialog::enableMinutes(bool on) {
    minutes_->setEnabled(on);
    QPalette palette = minutes_->palette();
    const QPalette system = QApplication::palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base,
                         on ? system.color(QPalette::Active, QPalette::Base)
                            : system.color(QPalette::Active, QPalette::Button));
    minutes_->setPalette(palette);
}

void RefreshDialog::confirm() {
    if (presenter_.confirm(refresh_->isChecked(), minutes_->text()))
        accept();
}

void RefreshDialog::reject() {
    presenter_.cancel();
    QDialog::reject();
}

bool RefreshDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == minutes_ && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (!typed.isEmpty() && !refreshKeyPasses(typed.front()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zrk
