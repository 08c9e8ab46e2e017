#include "support/demo_account_set.h"

#include "demo_install.h"

#include <QDate>
#include <QTemporaryDir>

namespace zrk::test {

namespace {
struct Built {
    QTemporaryDir dir;
    demo::InstallResult result;
    Built() {
        demo::InstallRequest request;
        request.options.size = demo::DemoSize::Small;
        request.options.today = QDate::currentDate();
        request.options.passwordIterations = kTestPasswordIterations;
        request.installDir = dir.path() + QStringLiteral("/install");
        const SettingsStore settings = SettingsStore::portable(dir.path() + QStringLiteral("/settings"));
        result = demo::installDemo(request, settings);
    }
};

const Built& built() {
    static const Built demo; // built once, removed when the test program ends
    return demo;
}
} // namespace

QString DemoInstallation::folder() {
    return built().dir.path() + QStringLiteral("/install");
}

QString DemoInstallation::databaseFile() {
    return built().result.databaseFile;
}

void DemoInstallation::install(TestConsole& console) {
    console.settings.write(Hive::LocalMachine, demo::kInstallRegistryKey, QStringLiteral("Path"), folder());
}

} // namespace zrk::test
