#pragma once

#include "core/roles/console_roles.h"
#include "core/roles/function_roles.h"
#include "platform/object.h"

#include <memory>

namespace zrk {

class ConsoleContext;

inline const QString kMainServiceSource = QStringLiteral("QVMain.QVMainService");
inline const QString kMainServicePropertyName = QStringLiteral("QVMainApp");
inline const QString kTimerServiceProgId = QStringLiteral("TimerHost.TimerService");

namespace errnum {
// EnterQVApp with the login information of another account set (&H80040263).
inline constexpr int OtherAccountSet = static_cast<int>(0x80040263u);
} // namespace errnum

// What the service object is handed: the console's windows and the maker of host windows.
struct ServiceRoles {
    IConsoleFrames& frames;
    IHostWindowFactory& hosts;
};

// QVMainService: the one object through which started functions talk back to the console. It
// keeps nothing of its own; what it serves lives in the context's launch() part and in the
// frame.
class QVMainService : public Object,
                      public IQVMainService,
                      public std::enable_shared_from_this<QVMainService> {
public:
    QVMainService(ConsoleContext& ctx, ServiceRoles roles) : ctx_(ctx), roles_(roles) {}

    ObjectPtr showForm(const QString& systemName, const QString& ctrlProgId,
                       const QString& formId = QString(), bool global = false,
                       const QString& title = QString(), bool refresh = false,
                       const ObjectPtr& evnt = ObjectPtr()) override;
    void doCallFunc(const QString& progId, const DictionaryPtr& dct) override;
    // The same start, its errors passed on to the caller instead of shown.
    void startFunction(const QString& progId, const DictionaryPtr& dct);
    ObjectPtr existsSubControl(const QString& formName, bool activateForm = false) override;
    void refresh(bool reLogin = false) override;
    std::shared_ptr<ICacheFacade> cache() override;
    ObjectPtr timerService() override;
    ObjectPtr activeBar() override;
    ObjectPtr statusBar() override;
    void enterQVApp(const DictionaryPtr& loginInfo) override;

private:
    IFrameServices& frame();
    bool otherAccountSet(const DictionaryPtr& loginInfo) const;

    ConsoleContext& ctx_;
    ServiceRoles roles_;
};

// The process's service object: created on the first call, kept in the context and published
// in the shared session properties as QVMainApp for this process. A failure to publish passes
// on, and the next call tries again.
std::shared_ptr<QVMainService> getMainService(ConsoleContext& ctx, const ServiceRoles& roles);

// Stops the timer service started for functions, when there is one, and releases it.
void stopTimerService(ConsoleContext& ctx);

} // namespace zrk
