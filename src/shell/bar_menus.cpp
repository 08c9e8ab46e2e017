#include "shell/bar_menus.h"

#include "desktop/artwork.h"
#include "session/texts.h"

#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QToolBar>

namespace zrk {

BarMenus::BarMenus(ConsoleContext& ctx, QMainWindow& frame) : QObject(&frame), ctx_(ctx), frame_(frame) {}

QMenu* BarMenus::menu(const QString& band) const {
    return menus_.value(band);
}

QString BarMenus::caption(const QString& text) const {
    return translate(ctx_, text);
}

QObject* BarMenus::renewOwner(const QString& band) {
    if (QObject* old = owners_.value(band))
        old->deleteLater();
    auto* owner = new QObject(this);
    owners_.insert(band, owner);
    return owner;
}

QMenu* BarMenus::menuOf(const QString& band) {
    if (QMenu* existing = menus_.value(band))
        return existing;
    auto* menu = new QMenu(&frame_);
    menu->setObjectName(band);
    connect(menu, &QMenu::aboutToShow, this, [this, band] {
        if (onBandOpen)
            onBandOpen(band);
    });
    menus_.insert(band, menu);
    return menu;
}

QAction* BarMenus::toolAction(const BandDefinition& band, int bandIndex, int toolIndex, QObject* owner) {
    const ToolDefinition& tool = band.tools[toolIndex];
    auto* action = new QAction(caption(tool.caption), owner);
    action->setObjectName(tool.name);
    action->setProperty("toolId", tool.id);
    action->setProperty("band", band.name);
    action->setCheckable(tool.checked);
    action->setChecked(tool.checked);
    if (!tool.picture.isEmpty())
        action->setIcon(QIcon(artPixmap(tool.picture, frame_.devicePixelRatioF())));
    connect(action, &QAction::triggered, this, [this, bandIndex, toolIndex] {
        if (onClick)
            onClick(ToolPlace{bandIndex, toolIndex});
    });
    return action;
}

void BarMenus::fillMenuBar(const Bar& bar, int band) {
    const BandDefinition& definition = bar.bands()[band];
    QMenuBar* menuBar = frame_.menuBar();
    menuBar->clear();
    QObject* owner = renewOwner(definition.name);
    for (int t = 0; t < definition.tools.size(); ++t) {
        const ToolDefinition& tool = definition.tools[t];
        if (tool.subBand.isEmpty()) {
            menuBar->addAction(toolAction(definition, band, t, owner));
            continue;
        }
        QMenu* menu = menuOf(tool.subBand);
        menu->setTitle(caption(tool.caption));
        menuBar->addMenu(menu);
    }
}

void BarMenus::fillMenu(const Bar& bar, int band) {
    const BandDefinition& definition = bar.bands()[band];
    QMenu* menu = menuOf(definition.name);
    menu->clear();
    QObject* owner = renewOwner(definition.name);
    for (int t = 0; t < definition.tools.size(); ++t) {
        const ToolDefinition& tool = definition.tools[t];
        if (tool.beginGroup && t > 0)
            menu->addSeparator();
        if (tool.subBand.isEmpty()) {
            menu->addAction(toolAction(definition, band, t, owner));
            continue;
        }
        QMenu* sub = menuOf(tool.subBand);
        sub->setTitle(caption(tool.caption));
        menu->addMenu(sub);
    }
}

void BarMenus::fillToolBar(const Bar& bar, int band) {
    const BandDefinition& definition = bar.bands()[band];
    QToolBar* toolBar = toolBars_.value(definition.name);
    if (!toolBar) {
        toolBar = frame_.addToolBar(caption(definition.caption));
        toolBar->setObjectName(definition.name);
        toolBars_.insert(definition.name, toolBar);
    }
    toolBar->clear();
    QObject* owner = renewOwner(definition.name);
    for (int t = 0; t < definition.tools.size(); ++t)
        toolBar->addAction(toolAction(definition, band, t, owner));
}

void BarMenus::show(const Bar& bar) {
    QSet<QString> shown;
    for (int b = 0; b < bar.bands().size(); ++b) {
        const BandDefinition& band = bar.bands()[b];
        shown.insert(band.name);
        if (band.bandType == kMenuBarBand)
            fillMenuBar(bar, b);
        else if (band.bandType == kPlainToolBand)
            fillToolBar(bar, b);
        else
            fillMenu(bar, b);
    }
    // Bands that left the bar (a hosted form's menus) go with their widgets.
    for (auto it = menus_.begin(); it != menus_.end();) {
        if (shown.contains(it.key())) {
            ++it;
            continue;
        }
        if (it.value())
            it.value()->deleteLater();
        it = menus_.erase(it);
    }
    for (auto it = toolBars_.begin(); it != toolBars_.end();) {
        if (shown.contains(it.key())) {
            ++it;
            continue;
        }
        if (it.value())
            it.value()->deleteLater();
        it = toolBars_.erase(it);
    }
}

void BarMenus::showBand(const Bar& bar, const QString& band) {
    for (int b = 0; b < bar.bands().size(); ++b)
        if (bar.bands()[b].name == band && bar.bands()[b].bandType == kPopupBand)
            fillMenu(bar, b);
}

void BarMenus::showToolStates(const Bar& bar) {
    for (QObject* owner : std::as_const(owners_)) {
        if (!owner)
            continue;
        for (QAction* action : owner->findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
            const BandDefinition* band = bar.band(action->property("band").toString());
            if (!band)
                continue;
            for (const ToolDefinition& tool : band->tools)
                if (tool.name == action->objectName() && tool.id == action->property("toolId").toInt()) {
                    action->setCheckable(tool.checked || action->isCheckable());
                    action->setChecked(tool.checked);
                    action->setText(caption(tool.caption));
                    break;
                }
        }
    }
}

} // namespace zrk
