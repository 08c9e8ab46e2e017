// The refresh-interval dialog driven through its widgets, with the suite's per-user settings.
#include "session/user_settings.h"
#include "settings/refresh_dialog.h"
#include "settings/refresh_interval.h"
#include "settings/settings_dialogs.h"
#include "support/test_console.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace zrk {
namespace {

struct BoardSwitch : IBoardRefresh {
    std::optional<std::pair<bool, std::int32_t>> last;
    void setAutoRefresh(bool on, std::int32_t seconds) override { last = {on, seconds}; }
};

class RefreshDialogTest : public ::testing::Test {
protected:
    void SetUp() override { console.ctx.texts().languageCode = 1; }

    QString stored() {
        return getUserSetting(console.ctx, kRefreshApplication, kRefreshSection, kRefreshKey,
                              QStringLiteral("<none>"))
            .toString();
    }
    void store(const QString& value) {
        saveUserSetting(console.ctx, kRefreshApplication, kRefreshSection, kRefreshKey, value);
    }

    // Opens the dialog through the settings dialogs' role, shown, and runs the steps in it;
    // whether it was left with OK.
    bool run(const std::function<void(RefreshDialog&)>& steps) {
        bool ok = false;
        console.prompts.queueDialog([&](QDialog& shown) {
            auto& dialog = static_cast<RefreshDialog&>(shown);
            dialog.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            steps(dialog);
            ok = dialog.ok();
            return dialog.result();
        });
        SettingsDialogs(console.ctx).showRefreshSettings(nullptr, board);
        return ok;
    }

    static QRadioButton* option(QDialog& dialog, const char* name) {
        return dialog.findChild<QRadioButton*>(QLatin1String(name));
    }
    static QLineEdit* box(QDialog& dialog) {
        return dialog.findChild<QLineEdit*>(QStringLiteral("txtValue"));
    }
    static void click(QDialog& dialog, const char* name) {
        QAbstractButton* button = dialog.findChild<QAbstractButton*>(QLatin1String(name));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }

    test::TestConsole console;
    BoardSwitch board;
};

TEST_F(RefreshDialogTest, WithNothingStoredNoRefreshIsChosenAndTheBoxIsOff) {
    EXPECT_FALSE(run([&](RefreshDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("自动刷新设置"));
        EXPECT_TRUE(option(dialog, "optNotRef")->isChecked());
        EXPECT_FALSE(box(dialog)->isEnabled());
        EXPECT_EQ(box(dialog)->palette().color(QPalette::Base),
                  QApplication::palette().color(QPalette::Button));
        click(dialog, "optRef");
        EXPECT_TRUE(box(dialog)->isEnabled());
        EXPECT_EQ(box(dialog)->palette().color(QPalette::Base),
                  QApplication::palette().color(QPalette::Base));
        click(dialog, "cmdExit");
        EXPECT_FALSE(dialog.isVisible());
    }));
    EXPECT_EQ(stored(), QStringLiteral("<none>"));
    EXPECT_FALSE(board.last);
}

TEST_F(RefreshDialogTest, AStoredIntervalOpensWithTheBoxOn) {
    store(QStringLiteral("2.5"));
    run([&](RefreshDialog& dialog) {
        EXPECT_TRUE(option(dialog, "optRef")->isChecked());
        EXPECT_TRUE(box(dialog)->isEnabled());
        EXPECT_EQ(box(dialog)->text(), QStringLiteral("2.5"));
        click(dialog, "cmdExit");
    });
}

TEST_F(RefreshDialogTest, TheBoxTakesOnlyDigitsAndTheFullStopFromTheKeyboard) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"1e3", "13"}, {"-2", "2"}, {"0.5", "0.5"}, {" 7 ", "7"}, {"a,b.c", "."}};
    store(QStringLiteral("1"));
    run([&](RefreshDialog& dialog) {
        for (const auto& c : cases) {
            box(dialog)->clear();
            QTest::keyClicks(box(dialog), QString::fromUtf8(c.typed));
            EXPECT_EQ(box(dialog)->text(), QString::fromUtf8(c.shown)) << c.typed;
        }
        QTest::keyClick(box(dialog), Qt::Key_Backspace);
        EXPECT_EQ(box(dialog)->text(), QString());
        click(dialog, "cmdExit");
    });
}

TEST_F(RefreshDialogTest, HalfAMinuteIsStoredAsTypedAndGivesThirtySeconds) {
    EXPECT_TRUE(run([&](RefreshDialog& dialog) {
        click(dialog, "optRef");
        QTest::keyClicks(box(dialog), QStringLiteral("0.5"));
        click(dialog, "cmdOK");
        EXPECT_FALSE(dialog.isVisible());
    }));
    EXPECT_EQ(stored(), QStringLiteral("0.5"));
    EXPECT_EQ(board.last, std::make_pair(true, 30));
    EXPECT_TRUE(console.prompts.messages().empty());
}

TEST_F(RefreshDialogTest, NoRefreshStoresZeroWhateverTheBoxHolds) {
    store(QStringLiteral("5"));
    EXPECT_TRUE(run([&](RefreshDialog& dialog) {
        click(dialog, "optNotRef");
        EXPECT_EQ(box(dialog)->text(), QStringLiteral("5"));
        EXPECT_FALSE(box(dialog)->isEnabled());
        click(dialog, "cmdOK");
    }));
    EXPECT_EQ(stored(), QStringLiteral("0"));
    EXPECT_EQ(board.last, std::make_pair(false, 0));
}

TEST_F(RefreshDialogTest, AnIntervalThatFailsACheckIsRefusedAndTheDialogStaysOpen) {
    const struct {
        QString text;
        QString refusal;
    } cases[] = {
        {"  ", kNoIntervalText},
        {"1e3", kNotNumericText}, // pasted rather than typed
        {QString(300, QLatin1Char('9')), kNotNumericText},
        {"35791395", kNotNumericText}, // its seconds do not fit 32 bits
        {"-2", kNotPositiveText},
        {"0", kNotPositiveText},
        {".5", kLeadingPointText},
    };
    store(QStringLiteral("5"));
    for (const auto& c : cases) {
        console.prompts.clear();
        EXPECT_FALSE(run([&](RefreshDialog& dialog) {
            box(dialog)->setText(c.text);
            click(dialog, "cmdOK");
            EXPECT_TRUE(dialog.isVisible());
            click(dialog, "cmdExit");
        }));
        ASSERT_EQ(console.prompts.messages().size(), 1u) << c.text.left(10).toStdString();
        EXPECT_EQ(console.prompts.messages()[0].text, c.refusal) << c.text.left(10).toStdString();
        EXPECT_EQ(console.prompts.messages()[0].icon, MessageIcon::Critical);
        EXPECT_EQ(console.prompts.messages()[0].title, QStringLiteral("Quorvel提示"));
    }
    EXPECT_EQ(stored(), QStringLiteral("5"));
    EXPECT_FALSE(board.last);
}

} // namespace
} // namespace zrk
