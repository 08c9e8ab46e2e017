#include "startup/program_options.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace zrk {
namespace {

QStringList argsOf(std::initializer_list<const char*> words) {
    QStringList args;
    for (const char* word : words)
        args << QString::fromUtf8(word);
    return args;
}

std::string labelOf(const QStringList& args) {
    return "args: [" + args.join(QStringLiteral("] [")).toStdString() + "]";
}

// The console starts: no option of its own asks for anything else.
TEST(ProgramOptions, StartsWithEverythingButItsOwnOptionsAsTheLaunchText) {
    struct Case {
        std::initializer_list<const char*> args;
        const char* launchText;
        const char* screenshot;
    };
    const Case cases[] = {
        {{}, "", ""},
        {{"PropsString=QUJD+/89PQ==;LoginInfo=eHk9;"}, "PropsString=QUJD+/89PQ==;LoginInfo=eHk9;", ""},
        {{"VYTParams=a+b/c==;AlgID=1"}, "VYTParams=a+b/c==;AlgID=1", ""},
        // One argument with spaces in it stays as it is; several are joined by single spaces.
        {{"PropsString=a  b;"}, "PropsString=a  b;", ""},
        {{"VYTParams=x;", "AlgID=2"}, "VYTParams=x; AlgID=2", ""},
        {{"\"PropsString=x;\""}, "\"PropsString=x;\"", ""},
        {{"-Embedding"}, "-Embedding", ""},
        {{"-EMBEDDING"}, "-EMBEDDING", ""},
        {{"-embedding"}, "-embedding", ""},
        {{"/automation", "-eMbEdDiNg"}, "/automation -eMbEdDiNg", ""},
        {{"VYTParams=x;", "-Embedding", "AlgID=0"}, "VYTParams=x; -Embedding AlgID=0", ""},
        // Words with dashes that are none of the console's options are launch text too, as the
        // suite or the toolkit may pass them.
        {{"-platform", "offscreen", "PropsString=x;"}, "-platform offscreen PropsString=x;", ""},
        {{"--frobnicate", "PropsString=x;"}, "--frobnicate PropsString=x;", ""},
        {{"-Embed", "--Embedding", "-x", "-"}, "-Embed --Embedding -x -", ""},
        {{"--", "PropsString=x;"}, "-- PropsString=x;", ""},
        {{"-hv", "-help", "-version", "--helper"}, "-hv -help -version --helper", ""},
        {{"-screenshot", "a.png"}, "-screenshot a.png", ""},
        {{"Username=x;Password=y"}, "Username=x;Password=y", ""},
        {{""}, "", ""},
        // --screenshot FILE before, after or between launch parameters, and --screenshot=FILE.
        {{"--screenshot", "shot.png"}, "", "shot.png"},
        {{"--screenshot", "shot.png", "PropsString=x;"}, "PropsString=x;", "shot.png"},
        {{"PropsString=x;", "--screenshot", "shot.png"}, "PropsString=x;", "shot.png"},
        {{"VYTParams=x;", "--screenshot", "shot.png", "AlgID=1"}, "VYTParams=x; AlgID=1", "shot.png"},
        {{"--screenshot=/tmp/a=b.png", "-Embedding"}, "-Embedding", "/tmp/a=b.png"},
        {{"-Embedding", "--screenshot", "shot.png"}, "-Embedding", "shot.png"},
        // The word after --screenshot is its file, whatever it looks like.
        {{"--screenshot", "-Embedding"}, "", "-Embedding"},
        {{"--screenshot", "--help", "PropsString=x;"}, "PropsString=x;", "--help"},
        {{"--screenshot", "a.png", "--screenshot", "b.png"}, "", "b.png"},
    };
    for (const Case& c : cases) {
        const QStringList args = argsOf(c.args);
        const ProgramOptions options = readProgramOptions(args);
        EXPECT_EQ(options.action, ProgramAction::Start) << labelOf(args) << "\n"
                                                        << options.text.toStdString();
        EXPECT_EQ(options.launchText.toStdString(), c.launchText) << labelOf(args);
        EXPECT_EQ(options.screenshot.toStdString(), c.screenshot) << labelOf(args);
        EXPECT_TRUE(options.text.isEmpty()) << labelOf(args);
    }
}

TEST(ProgramOptions, AsksForHelpOrTheVersionOrRefusesAMisusedOption) {
    struct Case {
        std::initializer_list<const char*> args;
        ProgramAction action;
        int exitCode;
        const char* text; // a part of the expected text
    };
    const Case cases[] = {
        {{"--help"}, ProgramAction::ShowHelp, 0, "Usage: zrkboss"},
        {{"-h"}, ProgramAction::ShowHelp, 0, "Usage: zrkboss"},
        {{"PropsString=x;", "--help"}, ProgramAction::ShowHelp, 0, "Usage: zrkboss"},
        // Help wins over a misused option and over the version.
        {{"--help", "--screenshot"}, ProgramAction::ShowHelp, 0, "Usage: zrkboss"},
        {{"--version", "-h"}, ProgramAction::ShowHelp, 0, "Usage: zrkboss"},
        {{"--version"}, ProgramAction::ShowVersion, 0, ""},
        {{"--version", "PropsString=x;", "-Embedding"}, ProgramAction::ShowVersion, 0, ""},
        {{"--screenshot"}, ProgramAction::Refuse, 2, "zrkboss: --screenshot needs a file name\n"},
        {{"PropsString=x;", "--screenshot"}, ProgramAction::Refuse, 2, "--screenshot needs a file name"},
        {{"--screenshot="}, ProgramAction::Refuse, 2, "--screenshot needs a file name"},
        {{"--screenshot", ""}, ProgramAction::Refuse, 2, "--screenshot needs a file name"},
        {{"--version", "--screenshot"}, ProgramAction::Refuse, 2, "--screenshot needs a file name"},
        {{"--help=yes"}, ProgramAction::ShowHelp, 0, "Usage: zrkboss"},
        {{"--version=2"}, ProgramAction::Refuse, 2, "zrkboss: Unexpected value after '--version'"},
    };
    for (const Case& c : cases) {
        const QStringList args = argsOf(c.args);
        const ProgramOptions options = readProgramOptions(args);
        EXPECT_EQ(options.action, c.action) << labelOf(args) << "\n" << options.text.toStdString();
        EXPECT_EQ(options.exitCode, c.exitCode) << labelOf(args);
        EXPECT_TRUE(options.text.contains(QString::fromUtf8(c.text))) << labelOf(args) << "\n"
                                                                      << options.text.toStdString();
        if (c.action == ProgramAction::Refuse) {
            EXPECT_TRUE(options.text.endsWith(
                QStringLiteral("Run 'zrkboss --help' for the options and launch parameters.\n")))
                << labelOf(args) << "\n"
                << options.text.toStdString();
        }
        if (c.action == ProgramAction::ShowVersion) {
            EXPECT_TRUE(options.text.isEmpty()) << labelOf(args);
        }
    }
}

// The picture's screen size: WxH in pixels, only with --screenshot.
TEST(ProgramOptions, TakesTheScreenshotsSizeOrRefusesOneThatIsNone) {
    struct Case {
        std::initializer_list<const char*> args;
        QSize size;        // when accepted
        const char* error; // a part of the refusal, "" when accepted
    };
    const Case cases[] = {
        {{"--screenshot", "a.png", "--size", "1920x1080"}, QSize(1920, 1080), ""},
        {{"--size=1280X800", "--screenshot", "a.png", "PropsString=x;"}, QSize(1280, 800), ""},
        {{"--screenshot", "a.png"}, QSize(), ""},
        {{"--screenshot", "a.png", "--size", "1920"}, QSize(), "--size needs a width and a height"},
        {{"--screenshot", "a.png", "--size", "0x800"}, QSize(), "--size needs a width and a height"},
        {{"--screenshot", "a.png", "--size", "-5x800"}, QSize(), "--size needs a width and a height"},
        {{"--screenshot", "a.png", "--size", "1280x800x2"}, QSize(), "--size needs a width and a height"},
        {{"--screenshot", "a.png", "--size=wide"}, QSize(), "--size needs a width and a height"},
        {{"--size", "1280x800"}, QSize(), "--size goes with --screenshot"},
    };
    for (const Case& c : cases) {
        const QStringList args = argsOf(c.args);
        const ProgramOptions options = readProgramOptions(args);
        if (*c.error == '\0') {
            EXPECT_EQ(options.action, ProgramAction::Start) << labelOf(args) << options.text.toStdString();
            EXPECT_EQ(options.size, c.size) << labelOf(args);
            EXPECT_EQ(options.launchText.contains(QLatin1String("size")), false) << labelOf(args);
        } else {
            EXPECT_EQ(options.action, ProgramAction::Refuse) << labelOf(args);
            EXPECT_TRUE(options.text.contains(QString::fromUtf8(c.error)))
                << labelOf(args) << options.text.toStdString();
        }
    }
}

TEST(ProgramOptions, HelpNamesTheProgramTheLaunchParametersTheOptionsAndTheEnvironment) {
    const QString help = readProgramOptions(argsOf({"--help"})).text;
    EXPECT_TRUE(help.startsWith(QStringLiteral("Usage: zrkboss [options] [launch parameters]\n")))
        << help.toStdString();
    const char* const parts[] = {
        "PropsString=<Base64 property string>;[LoginInfo=<Base64>;]",
        "VYTParams=<enciphered parameters>;AlgID=<n>",
        "-Embedding",
        "Without any, the owner's login dialog opens.",
        "-h, --help",
        "--version",
        "--screenshot <FILE>",
        "ZRK_SETTINGS_DIR",
        "ZRK_LOG=1",
    };
    for (const char* part : parts)
        EXPECT_TRUE(help.contains(QString::fromUtf8(part))) << part << "\n" << help.toStdString();
    // The parser's own name for the program (the test's path, or its placeholder) stays out.
    EXPECT_EQ(help.count(QStringLiteral("Usage:")), 1) << help.toStdString();
    EXPECT_FALSE(help.contains(QFileInfo(QCoreApplication::applicationFilePath()).fileName()))
        << help.toStdString();
    EXPECT_FALSE(help.contains(QStringLiteral("executable_name"))) << help.toStdString();
    EXPECT_TRUE(help.endsWith(QLatin1Char('\n')));
}

} // namespace
} // namespace zrk
