// The refresh interval's presenter: what the dialog opens with, what a confirmation stores and
// how it switches the board.
#include "core/roles/board_roles.h"
#include "settings/fake_user_profile.h"
#include "settings/refresh_interval.h"
#include "settings/refresh_settings_presenter.h"
#include "support/core_console.h"

#include <gtest/gtest.h>
#include <optional>

namespace zrk {
namespace {

struct BoardSwitch : IBoardRefresh {
    std::optional<std::pair<bool, std::int32_t>> last;
    int calls = 0;
    void setAutoRefresh(bool on, std::int32_t seconds) override {
        last = {on, seconds};
        ++calls;
    }
};

class RefreshPresenter : public ::testing::Test {
protected:
    QString stored() { return profiles.value(kRefreshApplication, kRefreshSection, kRefreshKey); }
    void store(const QString& value) {
        profiles.group(kRefreshApplication, kRefreshSection)->set(kRefreshKey, value);
    }

    test::CoreConsole console;
    test::FakeUserProfiles profiles{console.ctx};
    BoardSwitch board;
    RefreshSettingsPresenter presenter{console.ctx, board};
};

TEST_F(RefreshPresenter, OpensOnWhatIsStored) {
    EXPECT_FALSE(presenter.load().refresh); // never stored: off
    store(QStringLiteral("0"));
    EXPECT_FALSE(presenter.load().refresh);
    store(QStringLiteral("2.5"));
    const RefreshChoice choice = presenter.load();
    EXPECT_TRUE(choice.refresh);
    EXPECT_EQ(choice.minutes, QStringLiteral("2.5"));
}

TEST_F(RefreshPresenter, OffStoresZeroWhateverTheBoxHoldsAndStopsTheBoard) {
    store(QStringLiteral("5"));
    profiles.group(kRefreshApplication, kRefreshSection)
        ->set(QStringLiteral("OTHER"), QStringLiteral("kept"));
    EXPECT_TRUE(presenter.confirm(false, QStringLiteral("abc")));
    EXPECT_EQ(stored(), QStringLiteral("0"));
    EXPECT_EQ(profiles.value(kRefreshApplication, kRefreshSection, QStringLiteral("OTHER")),
              QStringLiteral("kept"));
    EXPECT_EQ(board.last, std::make_pair(false, 0));
    EXPECT_TRUE(presenter.ok());
    EXPECT_TRUE(console.prompts.messages().empty());
}

TEST_F(RefreshPresenter, OnStoresTheTrimmedMinutesAndStartsTheBoardInSeconds) {
    EXPECT_TRUE(presenter.confirm(true, QStringLiteral("  0.5 ")));
    EXPECT_EQ(stored(), QStringLiteral("0.5"));
    EXPECT_EQ(board.last, std::make_pair(true, 30));
    EXPECT_TRUE(presenter.ok());
}

TEST_F(RefreshPresenter, ARefusalIsShownAndChangesNothing) {
    store(QStringLiteral("5"));
    EXPECT_FALSE(presenter.confirm(true, QStringLiteral(".5")));
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    const auto& box = console.prompts.messages()[0];
    EXPECT_EQ(box.text, kLeadingPointText);
    EXPECT_EQ(box.title, QStringLiteral("Quorvel提示"));
    EXPECT_EQ(box.icon, MessageIcon::Critical);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
    EXPECT_EQ(stored(), QStringLiteral("5"));
    EXPECT_EQ(board.calls, 0);
    EXPECT_FALSE(presenter.ok());
}

TEST_F(RefreshPresenter, ASettingThatCannotBeStoredIsShownAndLeavesTheBoard) {
    profiles.failSave = true;
    EXPECT_FALSE(presenter.confirm(true, QStringLiteral("5")));
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_EQ(console.prompts.messages()[0].text, QStringLiteral("disk full"));
    EXPECT_EQ(board.calls, 0);
    EXPECT_FALSE(presenter.ok());
}

TEST_F(RefreshPresenter, CancelStoresNothing) {
    presenter.setOk(true);
    presenter.cancel();
    EXPECT_FALSE(presenter.ok());
    EXPECT_EQ(stored(), QStringLiteral("<none>"));
    EXPECT_EQ(board.calls, 0);
}

} // namespace
} // namespace zrk
