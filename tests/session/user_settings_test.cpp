#include "core/roles/component_roles.h"
#include "session/user_settings.h"
#include "support/test_console.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

const QString kApp = QStringLiteral("ZRK");
const QString kSection = QStringLiteral("ZRKBOSS");

TEST(UserSettings, AnUnsavedSettingReadsAsItsDefault) {
    test::TestConsole console;
    EXPECT_EQ(getUserSetting(console.ctx, kApp, kSection, QStringLiteral("REFRESH"), QStringLiteral("0")),
              Variant(QStringLiteral("0")));
    EXPECT_EQ(getUserSetting(console.ctx, QStringLiteral("EBO"), QStringLiteral("ToolBar"),
                             QStringLiteral("ViewFlag"), QString()),
              Variant(QString()));
}

TEST(UserSettings, SavingOneKeyKeepsTheOthersOfItsGroup) {
    test::TestConsole console;
    EXPECT_TRUE(saveUserSetting(console.ctx, kApp, kSection, QStringLiteral("REFRESH"), 5));
    EXPECT_TRUE(saveUserSetting(console.ctx, kApp, kSection, QStringLiteral("Other"), QStringLiteral("x")));
    EXPECT_EQ(getUserSetting(console.ctx, kApp, kSection, QStringLiteral("REFRESH"), QStringLiteral("0")),
              Variant(QStringLiteral("5")));
    EXPECT_EQ(getUserSetting(console.ctx, kApp, kSection, QStringLiteral("other"), QString()),
              Variant(QStringLiteral("x")));
    // Another group is apart.
    EXPECT_EQ(getUserSetting(console.ctx, kApp, QStringLiteral("Elsewhere"), QStringLiteral("REFRESH"),
                             QStringLiteral("0")),
              Variant(QStringLiteral("0")));
}

TEST(UserSettings, ABooleanDefaultGivesABoolean) {
    test::TestConsole console;
    saveUserSetting(console.ctx, QStringLiteral("EBO"), QStringLiteral("ZRKLogin"), QStringLiteral("RegVoke"),
                    true);
    const Variant value = getUserSetting(console.ctx, QStringLiteral("EBO"), QStringLiteral("ZRKLogin"),
                                         QStringLiteral("RegVoke"), false);
    EXPECT_EQ(value, Variant(true));
    saveUserSetting(console.ctx, QStringLiteral("EBO"), QStringLiteral("ZRKLogin"), QStringLiteral("Text"),
                    QStringLiteral("False"));
    EXPECT_EQ(getUserSetting(console.ctx, QStringLiteral("EBO"), QStringLiteral("ZRKLogin"),
                             QStringLiteral("Text"), true),
              Variant(false));
    EXPECT_EQ(getUserSetting(console.ctx, QStringLiteral("EBO"), QStringLiteral("ZRKLogin"),
                             QStringLiteral("Missing"), true),
              Variant(true));
}

TEST(UserSettings, AValueThatIsNoBooleanOrAMissingStoreGivesAnEmptyResult) {
    test::TestConsole console;
    saveUserSetting(console.ctx, kApp, kSection, QStringLiteral("Flag"), QStringLiteral("maybe"));
    EXPECT_TRUE(getUserSetting(console.ctx, kApp, kSection, QStringLiteral("Flag"), false).isEmpty());
    console.ctx.components().add(kUserProfileProgId, []() -> ObjectPtr {
        throw Error(429, QStringLiteral("x"), QStringLiteral("gone"));
    });
    EXPECT_TRUE(getUserSetting(console.ctx, kApp, kSection, QStringLiteral("REFRESH"), QStringLiteral("0"))
                    .isEmpty());
    EXPECT_THROW(saveUserSetting(console.ctx, kApp, kSection, QStringLiteral("REFRESH"), 1), Error);
}

TEST(UserSettings, TheRegistryWriterAddressesTheSameValue) {
    test::TestConsole console;
    const auto registry =
        queryInterface<IRegistry>(console.ctx.components().create(QStringLiteral("CoreObjects.Registry")));
    registry->saveSetting(QStringLiteral("EBO"), QStringLiteral("ToolBar"), QStringLiteral("ViewFlag"),
                          QStringLiteral("1"));
    EXPECT_EQ(getUserSetting(console.ctx, QStringLiteral("EBO"), QStringLiteral("ToolBar"),
                             QStringLiteral("ViewFlag"), QString()),
              Variant(QStringLiteral("1")));
    saveUserSetting(console.ctx, QStringLiteral("EBO"), QStringLiteral("ToolBar"), QStringLiteral("ViewFlag"),
                    QStringLiteral("0"));
    registry->saveSetting(QStringLiteral("EBO"), QStringLiteral("toolbar"), QStringLiteral("viewflag"),
                          QStringLiteral("2"));
    EXPECT_EQ(getUserSetting(console.ctx, QStringLiteral("EBO"), QStringLiteral("ToolBar"),
                             QStringLiteral("ViewFlag"), QString()),
              Variant(QStringLiteral("2")));
}

} // namespace
} // namespace zrk
