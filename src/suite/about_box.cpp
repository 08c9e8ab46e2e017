#include "suite/about_box.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zrk::suite {

namespace {

// The libraries the program is built on, with their licences.
const char* const kLibraries[] = {
    "Qt 6 (Core, Gui, Widgets, Sql, Network, Svg): LGPL-3.0",
    "SQLite: public domain",
    "libsodium: ISC",
    "OpenSSL libcrypto: Apache-2.0",
    "Xlib: MIT/X11",
};

} // namespace

QStringList aboutLines(const Dictionary& application, const SuiteTexts& texts) {
    QString version = application.value(QStringLiteral("Version"), QString()).toString();
    if (version.isEmpty())
        version = QCoreApplication::applicationVersion();
    QStringList lines{
        application.value(QStringLiteral("Title"), QString()).toString(),
        application.value(QStringLiteral("Edition"), QString()).toString(),
        texts.pattern(QStringLiteral("版本 %1，构建于 %2"), {version, QStringLiteral(__DATE__ " " __TIME__)}),
        texts.pattern(QStringLiteral("界面工具包 Qt %1"), {QString::fromLatin1(qVersion())}),
        texts.text(QStringLiteral("所用程序库及其许可证：")),
    };
    for (const char* library : kLibraries)
        lines << QString::fromUtf8(library);
    return lines;
}

void AboutBox::show(const ObjectPtr& application) {
    const auto dictionary = std::dynamic_pointer_cast<Dictionary>(application);
    const QStringList lines = aboutLines(dictionary ? *dictionary : Dictionary(), texts_);
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("frmAbout"));
    dialog.setWindowTitle(texts_.text(QStringLiteral("关于")) + QLatin1Char(' ') + lines.front());
    auto* layout = new QVBoxLayout(&dialog);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        auto* label = new QLabel(lines[i], &dialog);
        label->setObjectName(QStringLiteral("lblLine%1").arg(i));
        layout->addWidget(label);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(texts_.text(QStringLiteral("确定")));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    prompts_.execDialog(dialog);
}

} // namespace zrk::suite
