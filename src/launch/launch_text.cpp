#include "launch/launch_text.h"

#include "platform/error.h"
#include "platform/vb_conversions.h"

namespace zrk {

QStringList launchFields(const QString& launchText) {
    const QStringList fields = launchText.split(QLatin1Char(';'));
    if (fields.size() < kLaunchFieldCount)
        throw Error(errnum::SubscriptOutOfRange, QStringLiteral("QvMain.Launcher"),
                    QStringLiteral("Subscript out of range"));
    launchFuncType(fields);
    return fields;
}

bool launchFuncType(const QStringList& fields) {
    return vb::textToBool(fields.value(5));
}

DictionaryPtr menuParameters(const QString& launchText) {
    const QStringList fields = launchFields(launchText);
    auto dct = std::make_shared<Dictionary>();
    dct->set(QStringLiteral("FUNCID"), fields[0]);
    dct->set(QStringLiteral("FClassName"), fields[1]);
    dct->set(QStringLiteral("FSubSystemID"), fields[2]);
    dct->set(QStringLiteral("OTHERPARAM"), fields[3]);
    dct->set(QStringLiteral("FFuncName"), fields[4]);
    dct->set(QStringLiteral("FFuncType"), launchFuncType(fields));
    return dct;
}

DictionaryPtr boardParameters(const QString& launchText, const QString& userName) {
    const QStringList fields = launchFields(launchText);
    auto dct = std::make_shared<Dictionary>();
    dct->set(QStringLiteral("ClassObject"), fields[1]);
    dct->set(QStringLiteral("LoginType"), QStringLiteral("-Straight"));
    dct->set(QStringLiteral("FUNCID"), fields[0]);
    dct->set(QStringLiteral("OTHERPARAM"), fields[3]);
    dct->set(QStringLiteral("FFuncName"), fields[4]);
    dct->set(QStringLiteral("FClassParam"), fields[3]);
    dct->set(QStringLiteral("FClassName"), fields[1]);
    dct->set(QStringLiteral("UserName"), userName);
    dct->set(QStringLiteral("FFuncType"), launchFuncType(fields));
    return dct;
}

} // namespace zrk
