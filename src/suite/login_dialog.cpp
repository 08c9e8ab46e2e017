#include "suite/login_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace zrk::suite {

LoginDialog::LoginDialog(const std::vector<AccountSetEntry>& accountSets, const QString& caption, Check check,
                         Notify notify, SuiteTexts texts, QWidget* parent)
    : QDialog(parent), accountSets_(new QComboBox(this)), userName_(new QLineEdit(this)),
      password_(new QLineEdit(this)), check_(std::move(check)), notify_(std::move(notify)),
      texts_(std::move(texts)) {
    setObjectName(QStringLiteral("frmOwnerLogin"));
    setWindowTitle(caption.isEmpty() ? texts_.text(QStringLiteral("登录"))
                                     : texts_.pattern(QStringLiteral("%1 - 登录"), {caption}));
    for (const AccountSetEntry& entry : accountSets)
        accountSets_->addItem(entry.name, entry.id);
    accountSets_->setObjectName(QStringLiteral("cboAccountSet"));
    userName_->setObjectName(QStringLiteral("txtUserName"));
    password_->setObjectName(QStringLiteral("txtPassword"));
    password_->setEchoMode(QLineEdit::Password);

    auto* form = new QFormLayout;
    form->addRow(texts_.text(QStringLiteral("账套：")), accountSets_);
    form->addRow(texts_.text(QStringLiteral("用户名：")), userName_);
    form->addRow(texts_.text(QStringLiteral("密码：")), password_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(texts_.text(QStringLiteral("确定")));
    ok_->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(texts_.text(QStringLiteral("取消")));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &LoginDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LoginDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    ok_->setEnabled(!accountSets.empty());
    if (accountSets.empty())
        accountSets_->setPlaceholderText(texts_.text(QStringLiteral("（没有可用的账套）")));
}

std::int32_t LoginDialog::chosenAcctId() const {
    return accountSets_->currentData().toInt();
}

void LoginDialog::accept() {
    if (accountSets_->currentIndex() < 0)
        return;
    const QString refusal = check_(chosenAcctId(), userName_->text(), password_->text());
    if (refusal.isEmpty()) {
        QDialog::accept();
        return;
    }
    ++failures_;
    if (failures_ >= kMaxAttempts) {
        notify_(texts_.pattern(QStringLiteral("密码连续输入错误%1次，登录已取消。"),
                               {QString::number(kMaxAttempts)}));
        reject();
        return;
    }
    notify_(refusal);
    password_->clear();
    password_->setFocus();
}

} // namespace zrk::suite
