#include "session/texts.h"
#include "support/core_console.h"

#include <QLoggingCategory>
#include <gtest/gtest.h>

namespace zrk {
namespace {

QStringList g_lines; // the message handler below has no other way to reach the test

void keepLine(QtMsgType, const QMessageLogContext& context, const QString& text) {
    g_lines << QString::fromLatin1(context.category) + QStringLiteral(": ") + text;
}

// A console without a language component: asking for the language swallows the creation error
// and takes Simplified Chinese.
std::int16_t languageWithoutComponent() {
    test::CoreConsole console;
    return getLanguageCode(console.ctx);
}

TEST(CaughtErrors, LeaveALineOnlyWhenTheirCategoryIsAskedFor) {
    g_lines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepLine);

    EXPECT_EQ(languageWithoutComponent(), 1);
    EXPECT_TRUE(g_lines.isEmpty()) << g_lines.join(QLatin1Char('\n')).toStdString();

    QLoggingCategory::setFilterRules(QStringLiteral("zrk.*.debug=true"));
    EXPECT_EQ(languageWithoutComponent(), 1);
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);

    ASSERT_EQ(g_lines.size(), 1) << g_lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(g_lines[0].startsWith(QStringLiteral(
        "zrk.session: askLanguageComponent: no language component, Simplified Chinese assumed: "
        "error 429 from ")))
        << g_lines[0].toStdString();
    EXPECT_TRUE(g_lines[0].endsWith(QStringLiteral("it is not registered"))) << g_lines[0].toStdString();
}

} // namespace
} // namespace zrk
