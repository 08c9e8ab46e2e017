#pragma once

#include "shell/command_bar.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace zrk {

class ConsoleContext;

// The command bar on the screen: the menu bar band as the frame's menu bar, the drop-down bands
// as its menus, plain tool bands as tool bars. It mirrors the bar and reports clicks and menus
// about to drop down; it decides nothing. Actions replaced while one of them is being triggered
// are deleted once the event is done.
class BarMenus : public QObject {
    Q_OBJECT
public:
    BarMenus(ConsoleContext& ctx, QMainWindow& frame);

    void show(const Bar& bar);
    void showBand(const Bar& bar, const QString& band);
    void showToolStates(const Bar& bar);

    std::function<void(ToolPlace)> onClick;
    std::function<void(const QString& band)> onBandOpen;

    // The menu that mirrors a band, none when the bar shows no such band.
    QMenu* menu(const QString& band) const;

private:
    QMenu* menuOf(const QString& band);
    void fillMenuBar(const Bar& bar, int band);
    void fillMenu(const Bar& bar, int band);
    void fillToolBar(const Bar& bar, int band);
    QAction* toolAction(const BandDefinition& band, int bandIndex, int toolIndex, QObject* owner);
    // A new owner for a band's actions; the previous one goes once the event is done.
    QObject* renewOwner(const QString& band);
    QString caption(const QString& text) const;

    ConsoleContext& ctx_;
    QMainWindow& frame_;
    QHash<QString, QPointer<QMenu>> menus_;
    QHash<QString, QPointer<QToolBar>> toolBars_;
    QHash<QString, QPointer<QObject>> owners_;
};

} // namespace zrk
