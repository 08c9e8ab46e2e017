#include "launch/main_service_on_bus.h"

#include "launch/main_service.h"

#include <QCoreApplication>
#include <QTimer>

namespace zrk {

void MainServiceOnBus::doCallFunc(const QString& progId, const DictionaryPtr& params) {
    service_()->startFunction(progId, params);
}

void MainServiceOnBus::refresh(bool reLogin) {
    service_()->refresh(reLogin);
}

void MainServiceOnBus::enterQVApp(const DictionaryPtr& loginInfo) {
    service_()->enterQVApp(loginInfo);
}

bool MainServiceOnBus::existsSubControl(const QString& formName, bool activateForm) {
    return service_()->existsSubControl(formName, activateForm) != nullptr;
}

void MainServiceOnBus::quit() {
    if (!quit_)
        throw Error(
            errnum::InvalidProcedureCall, QStringLiteral("zrkboss"),
            QStringLiteral("The console's window is open: it is closed there, not from another program"));
    // After the reply has gone out.
    QTimer::singleShot(0, QCoreApplication::instance(), quit_);
}

} // namespace zrk
