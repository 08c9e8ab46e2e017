// The console's Simplified Chinese texts against the translation tables: every Chinese string
// literal of the sources must have an English and a Traditional Chinese entry, so a text added
// without its translations fails here.
#include "suite/text_table.h"
#include "support/cjk.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>
#include <map>

namespace zrk {
namespace {

// Whether the literal opening at quote is a raw one: R, u8R, uR, UR or LR right before it.
bool isRawPrefix(const QString& source, qsizetype quote) {
    qsizetype start = quote;
    while (start > 0 && (source[start - 1].isLetterOrNumber() || source[start - 1] == QLatin1Char('_')))
        --start;
    static const QStringList prefixes = {QStringLiteral("R"), QStringLiteral("u8R"), QStringLiteral("uR"),
                                         QStringLiteral("UR"), QStringLiteral("LR")};
    return prefixes.contains(source.mid(start, quote - start));
}

// The string literals of a C++ source, comments and character literals left out, escapes
// resolved and adjacent literals joined as the compiler joins them.
QStringList stringLiterals(const QString& source) {
    QStringList literals;
    qsizetype lastEnd = -1; // where the previous literal ended
    const qsizetype n = source.size();
    auto joinsPrevious = [&](qsizetype start) {
        return lastEnd >= 0 && source.mid(lastEnd, start - lastEnd).trimmed().isEmpty();
    };
    auto add = [&](const QString& text, qsizetype start, qsizetype end) {
        if (joinsPrevious(start))
            literals.last() += text;
        else
            literals << text;
        lastEnd = end;
    };
    for (qsizetype i = 0; i < n;) {
        const QChar c = source[i];
        if (source.mid(i, 2) == QLatin1String("//")) {
            const qsizetype end = source.indexOf(QLatin1Char('\n'), i);
            i = end < 0 ? n : end;
        } else if (source.mid(i, 2) == QLatin1String("/*")) {
            const qsizetype end = source.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? n : end + 2;
        } else if (c == QLatin1Char('\'') && !(i > 0 && source[i - 1].isLetterOrNumber())) {
            qsizetype j = i + 1;
            while (j < n && source[j] != QLatin1Char('\''))
                j += source[j] == QLatin1Char('\\') ? 2 : 1;
            i = j + 1;
        } else if (c == QLatin1Char('"') && isRawPrefix(source, i)) {
            const qsizetype open = source.indexOf(QLatin1Char('('), i);
            const QString close = QLatin1Char(')') + source.mid(i + 1, open - i - 1) + QLatin1Char('"');
            const qsizetype end = source.indexOf(close, open);
            add(source.mid(open + 1, end - open - 1), i, end + close.size());
            i = end + close.size();
        } else if (c == QLatin1Char('"')) {
            QString text;
            qsizetype j = i + 1;
            while (j < n && source[j] != QLatin1Char('"')) {
                if (source[j] == QLatin1Char('\\') && j + 1 < n) {
                    const QChar e = source[j + 1];
                    text += e == QLatin1Char('n')   ? QChar(QLatin1Char('\n'))
                            : e == QLatin1Char('t') ? QChar(QLatin1Char('\t'))
                                                    : e;
                    j += 2;
                } else {
                    text += source[j++];
                }
            }
            add(text, i, j + 1);
            i = j + 1;
        } else {
            ++i;
        }
    }
    return literals;
}

TEST(StringLiterals, AreReadAsTheCompilerReadsThem) {
    const struct {
        const char* source;
        QStringList literals;
    } cases[] = {
        {R"(f("保存"); // "注释")", {QStringLiteral("保存")}},
        {"/* \"块注释\" */ g(\"就绪\")", {QStringLiteral("就绪")}},
        {R"(x("两行\n文字\t\"引号\"\\"))", {QStringLiteral("两行\n文字\t\"引号\"\\")}},
        {"QStringLiteral(\n  \"长的\"\n  \"文字\")", {QStringLiteral("长的文字")}},
        {R"(a("一") + b("二"))", {QStringLiteral("一"), QStringLiteral("二")}},
        {R"(c = '"'; d("三"); e = 1'000;)", {QStringLiteral("三")}},
        {"R\"x(原样 \"引号\")x\" \"接着\"", {QStringLiteral("原样 \"引号\"接着")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stringLiterals(QString::fromUtf8(c.source)), c.literals) << c.source;
}

// Files whose Chinese literals are never shown: the column notes written into the account set
// and the comments of its SQL batches.
const QStringList kNotShown = {QStringLiteral("db/console_schema.cpp")};

// Every Chinese literal of the sources, with the first file it is in.
std::map<QString, QString> chineseTextsOfTheSources() {
    const QString root = QStringLiteral(ZRK_SOURCE_DIR "/src/");
    std::map<QString, QString> texts;
    QDirIterator files(root, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString relative = path.mid(root.size());
        if (kNotShown.contains(relative))
            continue;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        for (const QString& literal : stringLiterals(QString::fromUtf8(file.readAll())))
            if (test::containsCjk(literal))
                texts.emplace(literal, relative);
    }
    return texts;
}

suite::TextTable table(const char* language) {
    return suite::TextTable::load(QString(), QStringLiteral("Q5Base"), QString::fromLatin1(language));
}

TEST(TextTables, HoldEveryChineseTextOfTheSources) {
    const std::map<QString, QString> texts = chineseTextsOfTheSources();
    // The scan reaches the sources: texts of the frame, the login and the start are among them.
    for (const char* known : {"%1年第%2期", "用户名或密码错误，请重新输入！", "是否确认退出%1？",
                              "ZRK老板报表主控台已经在运行，但没有可以显示的主窗口。"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(known))) << known;
    for (const char* language : {"en", "cht"}) {
        const suite::TextTable translations = table(language);
        for (const auto& [text, file] : texts)
            EXPECT_TRUE(translations.find(text)) << "Q5Base." << language << ".tsv has no entry for \""
                                                 << text.toStdString() << "\" of src/" << file.toStdString();
    }
}

// The placeholders %1 to %9 a text holds, in order of their numbers.
QList<QString> placeholders(const QString& text) {
    QList<QString> found;
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text))
        found << m.captured();
    std::sort(found.begin(), found.end());
    return found;
}

// Each line of a table as source and translation, escapes kept: enough to compare the tables.
std::map<QString, QString> entriesOf(const char* language) {
    QFile file(QStringLiteral(ZRK_SOURCE_DIR "/resources/texts/Q5Base.%1.tsv").arg(QLatin1String(language)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::map<QString, QString> entries;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        EXPECT_GT(tab, 0) << language << ": " << line.toStdString();
        EXPECT_TRUE(entries.emplace(line.left(tab), line.mid(tab + 1)).second)
            << language << ": a second entry for " << line.left(tab).toStdString();
    }
    return entries;
}

TEST(TextTables, TranslateTheSameTextsWithTheSamePlaceholders) {
    const std::map<QString, QString> english = entriesOf("en");
    const std::map<QString, QString> traditional = entriesOf("cht");
    QSet<QString> englishSources, traditionalSources;
    for (const auto& [source, translation] : english) {
        englishSources << source;
        EXPECT_FALSE(test::containsCjk(translation))
            << source.toStdString() << " -> " << translation.toStdString();
        EXPECT_FALSE(translation.trimmed().isEmpty()) << source.toStdString();
        EXPECT_EQ(placeholders(translation), placeholders(source)) << source.toStdString();
    }
    // Characters only Simplified Chinese writes, each of which the texts use somewhere.
    const QString simplifiedOnly =
        QStringLiteral("报账设录统码户务单时这进还启动发开关项员费购销仓货应资产纳称错误输请试运"
                       "创属访问链号来选库败数为个没无从连组册显");
    for (const auto& [source, translation] : traditional) {
        traditionalSources << source;
        EXPECT_FALSE(translation.trimmed().isEmpty()) << source.toStdString();
        EXPECT_EQ(placeholders(translation), placeholders(source)) << source.toStdString();
        for (const QChar c : translation)
            EXPECT_FALSE(simplifiedOnly.contains(c)) << "a Simplified character " << QString(c).toStdString()
                                                     << " in " << translation.toStdString();
    }
    EXPECT_EQ(englishSources, traditionalSources);
}

} // namespace
} // namespace zrk
