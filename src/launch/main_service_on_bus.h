#pragma once

#include "launch/console_bus.h"

#include <functional>

namespace zrk {

class ConsoleContext;
class QVMainService;

// The service object as other programs reach it on the session bus: the same members, except
// that a failed start is not shown in a message box of the console's but passes on to the caller.
class MainServiceOnBus : public IBusService {
public:
    using ServiceGetter = std::function<std::shared_ptr<QVMainService>()>;
    // quit: how this copy ends when asked to; none when the owner's window is open, whose
    // work is not to be ended from outside.
    MainServiceOnBus(ServiceGetter service, std::function<void()> quit)
        : service_(std::move(service)), quit_(std::move(quit)) {}

    void doCallFunc(const QString& progId, const DictionaryPtr& params) override;
    void refresh(bool reLogin) override;
    void enterQVApp(const DictionaryPtr& loginInfo) override;
    bool existsSubControl(const QString& formName, bool activateForm) override;
    void quit() override;

private:
    ServiceGetter service_;
    std::function<void()> quit_;
};

} // namespace zrk
