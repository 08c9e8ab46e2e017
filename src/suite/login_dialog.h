#pragma once

#include "suite/account_catalogue.h"
#include "suite/suite_texts.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <vector>

namespace zrk::suite {

// The owner's login dialog: account set, user name and password. OK checks the credentials
// through the given check; a refused login says so and keeps the dialog open, and the third
// refusal in a row gives up (the dialog is rejected).
class LoginDialog : public QDialog {
    Q_OBJECT
public:
    // The check answers "" when the credentials are good, else the message to show.
    using Check = std::function<QString(std::int32_t acctId, const QString& user, const QString& password)>;
    using Notify = std::function<void(const QString& message)>;

    LoginDialog(const std::vector<AccountSetEntry>& accountSets, const QString& caption, Check check,
                Notify notify, SuiteTexts texts, QWidget* parent = nullptr);

    static constexpr int kMaxAttempts = 3;

    QComboBox* accountSets() const { return accountSets_; }
    QLineEdit* userName() const { return userName_; }
    QLineEdit* password() const { return password_; }
    QPushButton* okButton() const { return ok_; }
    std::int32_t chosenAcctId() const;
    int failedAttempts() const { return failures_; }

    void accept() override;

private:
    QComboBox* accountSets_;
    QLineEdit* userName_;
    QLineEdit* password_;
    QPushButton* ok_;
    Check check_;
    Notify notify_;
    SuiteTexts texts_;
    int failures_ = 0;
};

} // namespace zrk::suite
