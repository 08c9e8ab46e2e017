#include "suite/form_text_loader.h"

#include "suite/text_table.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QWidget>

namespace zrk::suite {

namespace {

class FormTranslator {
public:
    FormTranslator(const TextTable& table, bool keepSource) : table_(table), keepSource_(keepSource) {}

    // The translation of a text (blanks around it kept), recorded in the result list.
    QString operator()(const QString& text) {
        qsizetype lead = 0;
        while (lead < text.size() && text[lead] == QLatin1Char(' '))
            ++lead;
        if (lead == text.size())
            return text;
        qsizetype trail = 0;
        while (text[text.size() - 1 - trail] == QLatin1Char(' '))
            ++trail;
        QString result = text;
        if (!keepSource_) {
            if (const auto found = table_.find(text.mid(lead, text.size() - lead - trail)))
                result = QString(lead, QLatin1Char(' ')) + *found + QString(trail, QLatin1Char(' '));
        }
        texts << result;
        return result;
    }

    QStringList texts;

private:
    const TextTable& table_;
    bool keepSource_;
};

} // namespace

QStringList FormTextLoader::loadFrmResStrings(QObject*& form, const QString& languageId,
                                              const QString& resDirectory, const QString& baseName,
                                              Variant& /*extra*/) {
    const bool source = languageId.isEmpty() || languageId == QLatin1String("chs");
    const TextTable table = source ? TextTable() : TextTable::load(resDirectory, baseName, languageId);
    FormTranslator translate(table, source);
    auto* widget = qobject_cast<QWidget*>(form);
    if (!widget)
        return {};
    widget->setWindowTitle(translate(widget->windowTitle()));
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(child))
            label->setText(translate(label->text()));
        else if (auto* button = qobject_cast<QAbstractButton*>(child))
            button->setText(translate(button->text()));
        else if (auto* group = qobject_cast<QGroupBox*>(child))
            group->setTitle(translate(group->title()));
        else if (auto* tabs = qobject_cast<QTabWidget*>(child))
            for (int i = 0; i < tabs->count(); ++i)
                tabs->setTabText(i, translate(tabs->tabText(i)));
    }
    return translate.texts;
}

} // namespace zrk::suite
