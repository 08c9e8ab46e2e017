#include "core/roles/component_roles.h"
#include "session/texts.h"
#include "suite/lang_info.h"
#include "support/test_console.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace zrk {
namespace {

void chooseLanguage(test::TestConsole& console, const QString& language) {
    console.settings.write(Hive::CurrentUser, suite::kLanguageSettingKey, suite::kLanguageSettingValue,
                           language);
}

// A text loader that counts its creations and lookups, and can fail.
class CountingLoader : public Object, public ITextLoader {
public:
    explicit CountingLoader(int& lookups, bool fail) : lookups_(lookups), fail_(fail) {}
    void setResDirectory(const QString&) override {}
    void setResFileBaseName(const QString&) override {}
    void setLanguageID(const QString& id) override { id_ = id; }
    QString languageID() const override { return id_; }
    QString loadString(const QString& text) override {
        ++lookups_;
        if (fail_)
            throw Error(5, QStringLiteral("ResText.Loader"), QStringLiteral("broken table"));
        return QLatin1Char('<') + text + QLatin1Char('>');
    }
    QString loadString2(const QString& text) override { return loadString(text); }
    void unload() override {}

private:
    int& lookups_;
    bool fail_;
    QString id_;
};

TEST(LanguageCode, ComesFromTheUsersChoiceElseTheLocale) {
    const std::pair<const char*, int> choices[] = {{"en", 2}, {"cht", 3}, {"chs", 1}, {"klingon", 1}};
    for (const auto& [choice, code] : choices) {
        test::TestConsole console;
        chooseLanguage(console, QString::fromUtf8(choice));
        EXPECT_EQ(getLanguageCode(console.ctx), code) << choice;
        EXPECT_EQ(getLanguageID(console.ctx), languageIdOf(static_cast<std::int16_t>(code)));
    }
    test::TestConsole console; // locale zh_CN, no choice
    EXPECT_EQ(getLanguageCode(console.ctx), 1);
}

TEST(LanguageCode, WithoutALanguageComponentIsSimplifiedChinese) {
    test::TestConsole console;
    console.ctx.components().add(kLangInfoProgId, []() -> ObjectPtr {
        throw Error(429, QStringLiteral("x"), QStringLiteral("gone"));
    });
    EXPECT_EQ(getLanguageCode(console.ctx), 1);
    EXPECT_EQ(translate(console.ctx, QStringLiteral("保存")), QStringLiteral("保存"));
}

TEST(LanguageId, MapsTheCodes) {
    EXPECT_EQ(languageIdOf(1), QStringLiteral("chs"));
    EXPECT_EQ(languageIdOf(2), QStringLiteral("en"));
    EXPECT_EQ(languageIdOf(3), QStringLiteral("cht"));
    EXPECT_EQ(languageIdOf(0), QStringLiteral("chs"));
    EXPECT_EQ(languageIdOf(7), QStringLiteral("chs"));
}

TEST(Translate, SimplifiedChineseIsShownAsWrittenWithoutALoader) {
    test::TestConsole console;
    int lookups = 0;
    int created = 0;
    console.ctx.components().add(kTextLoaderProgId, [&] {
        ++created;
        return std::make_shared<CountingLoader>(lookups, false);
    });
    EXPECT_EQ(translate(console.ctx, QStringLiteral("  保存 ")), QStringLiteral("  保存 "));
    EXPECT_EQ(translate(console.ctx, QStringLiteral("x"), 0, QStringLiteral("chs")), QStringLiteral("x"));
    EXPECT_EQ(created, 0);
    EXPECT_EQ(lookups, 0);
}

TEST(Translate, EnglishThroughTheRealTablesKeepsTheBlanks) {
    test::TestConsole console;
    chooseLanguage(console, QStringLiteral("en"));
    EXPECT_EQ(translate(console.ctx, QStringLiteral("  保存 ")), QStringLiteral("  Save "));
    EXPECT_EQ(translate(console.ctx, QStringLiteral("QuorvelZRKNimbra老板报表")),
              QStringLiteral("Quorvel ZRK Nimbra Owner Reports"));
    EXPECT_EQ(translate(console.ctx, QStringLiteral("没有译文的文字")), QStringLiteral("没有译文的文字"));
    EXPECT_EQ(translate(console.ctx, QStringLiteral("   ")), QStringLiteral("   "));
    EXPECT_EQ(translate(console.ctx, QString()), QString());
    // An explicit language wins over the session's.
    EXPECT_EQ(translate(console.ctx, QStringLiteral("保存"), 0, QStringLiteral("cht")),
              QStringLiteral("儲存"));
    EXPECT_EQ(translate(console.ctx, QStringLiteral("保存"), 0, QStringLiteral("chs")),
              QStringLiteral("保存"));
}

TEST(Translate, ModeOneUsesTheStrictLookup) {
    test::TestConsole console;
    chooseLanguage(console, QStringLiteral("en"));
    EXPECT_EQ(translate(console.ctx, QStringLiteral("保存"), 1), QStringLiteral("Save"));
    EXPECT_EQ(translate(console.ctx, QStringLiteral(" 无此文字 "), 1), QStringLiteral(" 无此文字 "));
}

TEST(Translate, AFailingLoaderLeavesTheTextAndTheCallersErrorAlone) {
    test::TestConsole console;
    chooseLanguage(console, QStringLiteral("en"));
    int lookups = 0;
    console.ctx.components().add(kTextLoaderProgId,
                                 [&] { return std::make_shared<CountingLoader>(lookups, true); });
    const Error pending(3021, QStringLiteral("ADODB.Recordset"), QStringLiteral("Either BOF or EOF is True"));
    try {
        try {
            throw pending;
        } catch (const Error&) {
            EXPECT_EQ(translate(console.ctx, QStringLiteral(" 保存")), QStringLiteral(" 保存"));
            throw; // the caller reports its own error after translating its message
        }
    } catch (const Error& reported) {
        EXPECT_EQ(reported, pending);
    }
    EXPECT_EQ(lookups, 1);
}

TEST(TextResources, ResetCreatesANewLoaderForTheLanguage) {
    test::TestConsole console;
    const auto english = resetTextResources(console.ctx, QStringLiteral("en"));
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(english->languageID(), QStringLiteral("en"));
    EXPECT_EQ(console.ctx.texts().languageCode, 2);
    const auto traditional = resetTextResources(console.ctx, QStringLiteral("cht"));
    EXPECT_NE(traditional, english);
    EXPECT_EQ(console.ctx.texts().languageCode, 3);
    EXPECT_EQ(translate(console.ctx, QStringLiteral("就绪")), QStringLiteral("就緒"));
    chooseLanguage(console, QStringLiteral("en"));
    resetTextResources(console.ctx, QString()); // asks the language component
    EXPECT_EQ(console.ctx.texts().languageCode, 2);
    EXPECT_EQ(getTextLoader(console.ctx, QString())->languageID(), QStringLiteral("en"));
}

TEST(FormatText, TranslatesThePatternThenFillsThePlaceholders) {
    test::TestConsole console;
    EXPECT_EQ(formatText(console.ctx, QStringLiteral("%1 共 %2 条记录"), {QStringLiteral("客户"), 12}),
              QStringLiteral("客户 共 12 条记录"));
    chooseLanguage(console, QStringLiteral("en"));
    resetTextResources(console.ctx, QString());
    EXPECT_EQ(formatText(console.ctx, QStringLiteral("%1 共 %2 条记录"), {QStringLiteral("Customers"), 12}),
              QStringLiteral("12 records in Customers"));
}

TEST(FillPlaceholders, FillsEachNumberOnceAndLeavesTheRest) {
    const struct {
        const char* pattern;
        QStringList values;
        const char* expected;
    } cases[] = {
        {"运行目录%1不存在", {QStringLiteral("/run/x")}, "运行目录/run/x不存在"},
        {"Period %2 of %1", {QStringLiteral("2026"), QStringLiteral("12")}, "Period 12 of 2026"},
        {"%1 and %1", {QStringLiteral("a")}, "a and a"},
        // A value's own placeholder stays as it is: the values are not read as patterns.
        {"%1（%2）", {QStringLiteral("50%2"), QStringLiteral("b")}, "50%2（b）"},
        {"%1 %2 %3", {QStringLiteral("x")}, "x %2 %3"},
        {"100% %", {QStringLiteral("x")}, "100% %"},
        {"尾%", {}, "尾%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fillPlaceholders(QString::fromUtf8(c.pattern), c.values), QString::fromUtf8(c.expected))
            << c.pattern;
}

TEST(TranslatePattern, TranslatesThePatternAsAWholeThenFillsIt) {
    test::TestConsole console;
    const QString pattern = QStringLiteral("是否确认退出%1？");
    EXPECT_EQ(translatePattern(console.ctx, pattern, {QStringLiteral("老板报表")}),
              QStringLiteral("是否确认退出老板报表？"));
    chooseLanguage(console, QStringLiteral("en"));
    resetTextResources(console.ctx, QString());
    EXPECT_EQ(translatePattern(console.ctx, pattern, {QStringLiteral("Owner Reports")}),
              QStringLiteral("Do you really want to exit Owner Reports?"));
    EXPECT_EQ(translatePattern(console.ctx, QStringLiteral("%1年第%2期"),
                               {QStringLiteral("2026"), QStringLiteral("3")}),
              QStringLiteral("Period 3 of 2026"));
}

TEST(LoadFormTexts, TranslatesTheFormInPlaceAndJoinsItsTexts) {
    test::TestConsole console;
    chooseLanguage(console, QStringLiteral("en"));
    QDialog form;
    form.setWindowTitle(QStringLiteral("主界面"));
    auto* layout = new QVBoxLayout(&form);
    auto* label = new QLabel(QStringLiteral("就绪"));
    auto* button = new QPushButton(QStringLiteral("确定"));
    layout->addWidget(label);
    layout->addWidget(button);
    Variant extra;
    EXPECT_EQ(loadFormTexts(console.ctx, &form, extra), QStringLiteral("Main Board\r\nReady\r\nOK\r\n"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Main Board"));
    EXPECT_EQ(button->text(), QStringLiteral("OK"));
    EXPECT_FALSE(console.ctx.texts().loadingFormTexts);
}

} // namespace
} // namespace zrk
