#pragma once

#include "demo_generator.h"
#include "platform/settings_store.h"

#include <QString>

namespace zrk::demo {

inline constexpr int kDemoAccountSetId = 1;
inline const QString kDemoAccountSetName = QStringLiteral("华岳商贸（演示账套）");
inline const QString kInstallRegistryKey = QStringLiteral("SOFTWARE\\QUORVEL\\ZRKPRODUCT");
// The demo installation is one of a trading business: its scheme names industry 1, and its
// Common folder holds that industry's logo, which the board shows in place of its own.
inline constexpr int kDemoIndustryId = 1;

// Where the demo installation goes without --install: ZRK_SETTINGS_DIR + "/install" for a
// portable set-up, else $XDG_DATA_HOME/Quorvel/ZRK (~/.local/share/Quorvel/ZRK).
QString defaultInstallDir();

// The settings (registry) the tool records the installation in: portable when ZRK_SETTINGS_DIR
// is set, else the real machine and user files.
SettingsStore settingsForTool();

struct InstallRequest {
    DemoOptions options;
    QString installDir;
    bool force = false; // rebuild an existing demo database
};

struct InstallResult {
    QString databaseFile;
    QString schemeFile;
    QString catalogueFile;
    QString industryLogoFile; // Common/bmp/main_boss_<industry>.bmp
    bool built = false;       // false when an existing database was kept
};

// The demo installation below installDir: Common/ZRKBaseScheme.ini and the industry logo
// Common/bmp/main_boss_1.bmp (each written when missing), AccountSets/demo.zrkdb (built through a temporary
// file, so a failed build leaves nothing behind), the account-set catalogue entry, and the machine registry
// value "Path". Raises zrk::Error with a message for the user on any failure.
InstallResult installDemo(const InstallRequest& request, const SettingsStore& settings,
                          const ProgressFn& progress = {});

// The launch parameters with which another program of the suite starts the console logged on
// to the installed demo account set as its owner: "PropsString=<Base64 property string>;".
QString demoLaunchLine(const InstallResult& installed);

} // namespace zrk::demo
