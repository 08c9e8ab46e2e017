#pragma once

#include "core/roles/console_roles.h"

#include <QString>
#include <functional>
#include <memory>

namespace zrk {

class ConsoleContext;
class IQVMainService;

inline const QString kServerCacheSystemCategory = QStringLiteral("{System}");
inline const QString kClickCountUpdate =
    QStringLiteral("update t_UserMenuStore set FClickCount = FClickCount+1 where FInnerID=");

// What the launcher is handed: the service object (created on first need) and the main board,
// none while there is no board.
struct LauncherRoles {
    std::function<std::shared_ptr<IQVMainService>()> service;
    std::function<IBoard*()> board;
};

// Starts the suite's functions: directly from a board launch text (loadAPPfunc), or through
// the service object from a favourite's menu launch text, whose click is counted first.
class FunctionLauncher : public IFunctionLauncher {
public:
    FunctionLauncher(ConsoleContext& ctx, LauncherRoles roles) : ctx_(ctx), roles_(std::move(roles)) {}

    void doCallFunc(const QString& progId, const DictionaryPtr& params) override;
    // Errors pass on to the caller; the label gets its own pointer back either way.
    void startBoardFunction(const QString& launchText, IPointerTarget& label) override;
    // Errors of the count and of the launch text pass on; those of the start are reported.
    void startMenuFunction(const QString& launchText, std::int32_t innerId) override;

private:
    void setLaunchFlag(bool launched);
    void countClick(std::int32_t innerId);

    ConsoleContext& ctx_;
    LauncherRoles roles_;
};

} // namespace zrk
