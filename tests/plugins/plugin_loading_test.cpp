#include "core/roles/component_roles.h"
#include "platform/plugin_catalogue.h"
#include "plugins/fake_console_service.h"
#include "session/session_component_host.h"
#include "support/test_console.h"

#include <QDir>
#include <QFile>
#include <QPluginLoader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zrk::test {
namespace {

const QString kGreeting = QStringLiteral("TestExtra.Greeting");

QString extraPluginFile() {
    return QStringLiteral(ZRK_TEST_EXTRA_PLUGIN);
}

// A folder with a copy of the extra plug-in, and what else a test puts there.
struct PluginFolder {
    QTemporaryDir dir;
    QString pluginFile;
    PluginFolder() {
        pluginFile = dir.filePath(QFileInfo(extraPluginFile()).fileName());
        QFile::copy(extraPluginFile(), pluginFile);
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }
};

struct PluginConsole : TestConsole {
    SessionComponentHost host{ctx};
    PluginConsole() { ctx.session().processId = 4711; }
};

TEST(PluginFolder, ListsTheProgIdsWithoutLoadingTheLibrary) {
    PluginFolder folder;
    folder.write(QStringLiteral("notes.txt"), "not a library");
    folder.write(QStringLiteral("libnotaplugin.so"), "neither is this");
    PluginConsole console;
    console.ctx.components().addPluginFolder(folder.dir.path(), console.host);

    EXPECT_TRUE(console.ctx.components().contains(QStringLiteral("testextra.GREETING")));
    EXPECT_TRUE(console.ctx.components().contains(QStringLiteral("TestExtra.GreetingView")));
    EXPECT_FALSE(QPluginLoader(folder.pluginFile).isLoaded());

    PluginCatalogue catalogue;
    catalogue.addFolder(folder.dir.path(), console.host);
    EXPECT_EQ(catalogue.progIds(), (QStringList{kGreeting, QStringLiteral("TestExtra.GreetingView")}));
}

TEST(PluginFolder, StartsAFunctionTheProgramWasBuiltWithout) {
    PluginFolder folder;
    PluginConsole console;
    console.ctx.components().addPluginFolder(folder.dir.path(), console.host);
    const auto store =
        queryInterface<IPropStore>(console.ctx.components().create(QStringLiteral("SharedProps.PropStore")));
    store->addProperty(4711, QStringLiteral("UserName"), QStringLiteral("boss"));

    const ObjectPtr function = console.ctx.components().create(kGreeting);
    EXPECT_TRUE(QPluginLoader(folder.pluginFile).isLoaded());
    EXPECT_EQ(function->progId(), kGreeting);
    auto dct =
        std::make_shared<Dictionary>(Dictionary{{QStringLiteral("FClassParam"), QStringLiteral("hello")}});
    auto fake = std::make_shared<FakeConsoleService>(console.ctx.components());
    std::shared_ptr<IQVMainService> service = fake;
    queryInterface<IBizConsole>(function)->runFunction(dct, service);

    ASSERT_EQ(fake->forms.size(), 1u);
    EXPECT_EQ(fake->forms[0].systemName, QStringLiteral("extra"));
    EXPECT_EQ(fake->forms[0].formId, QStringLiteral("hello"));
    EXPECT_EQ(fake->forms[0].title, QStringLiteral("你好 boss"));
    EXPECT_EQ(fake->forms[0].form->statusString(), QStringLiteral("greeting shown"));
}

// A library in the folder cannot replace one of the program's own components; its other
// ProgIDs still serve.
TEST(PluginFolder, TheProgramsOwnComponentComesBeforeAPluginOfTheSameName) {
    PluginFolder folder;
    PluginConsole console;
    console.ctx.components().add(kGreeting, [] { return std::make_shared<Dictionary>(); });
    console.ctx.components().addPluginFolder(folder.dir.path(), console.host);
    const ObjectPtr own = console.ctx.components().create(kGreeting.toLower());
    EXPECT_EQ(tryInterface<IBizConsole>(own), nullptr);
    EXPECT_NE(std::dynamic_pointer_cast<Dictionary>(own), nullptr);
    EXPECT_NE(console.ctx.components().create(QStringLiteral("TestExtra.GreetingView")), nullptr);
}

TEST(PluginFolder, ALibraryThatCannotBeLoadedRaises429WithTheLoadersReason) {
    PluginFolder folder;
    PluginConsole console;
    console.ctx.components().addPluginFolder(folder.dir.path(), console.host);
    // Replaced by something that is no library after the folder was read.
    QFile::remove(folder.pluginFile);
    folder.write(QFileInfo(folder.pluginFile).fileName(), QByteArray(4096, 'x'));
    QPluginLoader probe(folder.pluginFile);
    ASSERT_FALSE(probe.load());
    const QString reason = probe.errorString();
    ASSERT_FALSE(reason.isEmpty());

    try {
        createComponent(console.ctx.components(), kGreeting, true);
        FAIL() << "created";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), errnum::CannotCreateObject);
        EXPECT_TRUE(e.description().contains(kGreeting)) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains(reason)) << e.description().toStdString();
    }
    EXPECT_EQ(createComponent(console.ctx.components(), kGreeting, false), nullptr);
}

TEST(PluginFolder, AProgIdNoPluginProvidesIsNotRegistered) {
    PluginFolder folder;
    PluginConsole console;
    console.ctx.components().addPluginFolder(folder.dir.path(), console.host);
    try {
        console.ctx.components().create(QStringLiteral("TestExtra.Missing"));
        FAIL() << "created";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), errnum::CannotCreateObject);
    }
}

} // namespace
} // namespace zrk::test
