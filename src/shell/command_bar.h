#pragma once

#include "core/roles/function_roles.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

namespace zrk {

// The console's own tools as the frame loaded them: the band index (band name to the names of
// its tools) and the tool index (a tool's id to its name).
struct CommandIndex {
    QHash<QString, QSet<QString>> bands;
    QHash<int, QString> tools;
};

// Where a tool stands: the band's and the tool's position.
struct ToolPlace {
    int band = -1;
    int tool = -1;
};

// One child window of the frame as the window list shows it, in the frame's order.
struct ChildWindowEntry {
    QString caption;
    bool hasIcon = false;
    bool active = false;
};

inline const QString kWindowListTool = QStringLiteral("MDIChild");
inline const QString kWindowBand = QStringLiteral("mnuWindow");
inline const QString kMenuCheckTool = QStringLiteral("MenuCheck");
inline constexpr int kWindowListFirstId = 400;

// The command bar: bands of tools, and beside them the bar's spare tools (MenuCheck, whose
// picture the window list borrows). Plain data and the operations on it; the frame's menus and
// tool bars mirror it.
class Bar {
public:
    Bar() = default;
    Bar(QList<BandDefinition> bands, QList<ToolDefinition> spareTools)
        : bands_(std::move(bands)), spareTools_(std::move(spareTools)) {}

    const QList<BandDefinition>& bands() const { return bands_; }
    BandDefinition* band(const QString& name);
    const BandDefinition* band(const QString& name) const;
    // The first tool of that name in any band, or among the spare tools.
    ToolDefinition* tool(const QString& name);
    ToolDefinition* toolAt(ToolPlace place);
    const ToolDefinition* toolAt(ToolPlace place) const;

    CommandIndex buildIndex() const;

    // Takes out every tool and band that is not the console's own, from the last to the first.
    void removeMerged(const CommandIndex& index);
    // Adds a hosted form's menus: each band of a non-zero type goes into the console's band of
    // that name (tools it lacks, by placement) or, when the console has none, is copied whole.
    void merge(const ToolBarLayout& layout, const CommandIndex& index);

    // The window band's list of child windows, made anew: MDIChild tools with ids from 400.
    void fillWindowList(const QList<ChildWindowEntry>& windows);

private:
    void mergeTool(BandDefinition& target, const ToolDefinition& tool, const QSet<QString>& own);

    QList<BandDefinition> bands_;
    QList<ToolDefinition> spareTools_;
};

// Where a merged tool of that placement goes in a band whose own tools are `own`.
qsizetype mergePosition(const BandDefinition& band, int placement, const QSet<QString>& own);

} // namespace zrk
