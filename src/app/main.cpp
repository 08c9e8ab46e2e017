#include "app/process_setup.h"
#include "startup/console_context.h"
#include "startup/installation.h"
#include "startup/texts.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

const char* const kUsage = "Usage: zrkboss [options]\n"
                           "The owner's reporting console of the Quorvel ZRK accounting and trading suite.\n"
                           "\n"
                           "Options:\n"
                           "  --version    print the program's version, product title and edition\n"
                           "  --help       print this text\n"
                           "\n"
                           "Environment:\n"
                           "  ZRK_SETTINGS_DIR   keep the machine and user settings in this folder\n"
                           "  ZRK_LOG=1          write the diagnostic log\n";

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = QCoreApplication::arguments().mid(1);

    if (args.contains(QStringLiteral("--version"))) {
        zrk::NoWindowFinder windows;
        zrk::QtPromptService prompts;
        zrk::ConsoleContext ctx(zrk::settingsForProcess(), prompts, windows);
        zrk::suite::registerSuiteComponents(ctx.components(), zrk::suiteEnvironmentFor(ctx.settings()));
        const zrk::SchemeInfo scheme = zrk::getSchemeInfo(ctx);
        out << "zrkboss " << ZRK_VERSION << '\n'
            << zrk::translate(ctx, zrk::getProductTitle(ctx)) << " - " << zrk::translate(ctx, scheme.appName)
            << '\n';
        return 0;
    }
    out << kUsage;
    const bool asked = args.contains(QStringLiteral("--help")) || args.isEmpty();
    return asked ? 0 : 2;
}
