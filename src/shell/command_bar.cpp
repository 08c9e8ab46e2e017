#include "shell/command_bar.h"

namespace zrk {

namespace {

bool isOwn(const ToolDefinition& tool, const QSet<QString>& own) {
    return own.contains(tool.name);
}

bool holds(const BandDefinition& band, const QString& toolName) {
    for (const ToolDefinition& tool : band.tools)
        if (tool.name == toolName)
            return true;
    return false;
}

// Walking from the start: the first run of own tools of that placement, [begin, end).
std::pair<qsizetype, qsizetype> firstRun(const QList<ToolDefinition>& tools, int placement,
                                         const QSet<QString>& own) {
    qsizetype begin = 0;
    while (begin < tools.size() && !(isOwn(tools[begin], own) && tools[begin].placement == placement))
        ++begin;
    qsizetype end = begin;
    while (end < tools.size() && isOwn(tools[end], own) && tools[end].placement == placement)
        ++end;
    return {begin, end};
}

// Walking from the end: the last run of own tools of that placement, [begin, end).
std::pair<qsizetype, qsizetype> lastRun(const QList<ToolDefinition>& tools, int placement,
                                        const QSet<QString>& own) {
    qsizetype end = tools.size();
    while (end > 0 && !(isOwn(tools[end - 1], own) && tools[end - 1].placement == placement))
        --end;
    qsizetype begin = end;
    while (begin > 0 && isOwn(tools[begin - 1], own) && tools[begin - 1].placement == placement)
        --begin;
    return {begin, end};
}

// Past the tools merged earlier with the same placement, so that merged tools keep their order.
qsizetype pastMerged(const QList<ToolDefinition>& tools, qsizetype at, int placement,
                     const QSet<QString>& own) {
    while (at < tools.size() && !isOwn(tools[at], own) && tools[at].placement == placement)
        ++at;
    return at;
}

} // namespace

qsizetype mergePosition(const BandDefinition& band, int placement, const QSet<QString>& own) {
    const QList<ToolDefinition>& tools = band.tools;
    switch (placement) {
    case 1: {
        const auto [begin, end] = firstRun(tools, placement, own);
        return begin == tools.size() ? pastMerged(tools, 0, placement, own)
                                     : pastMerged(tools, end, placement, own);
    }
    case 2: {
        const auto [begin, end] = firstRun(tools, placement, own);
        return begin == tools.size() ? 0 : begin;
    }
    case 3: {
        const auto [begin, end] = lastRun(tools, placement, own);
        return begin == end ? tools.size() : pastMerged(tools, end, placement, own);
    }
    case 4: {
        const auto [begin, end] = lastRun(tools, placement, own);
        return begin == end ? tools.size() : begin;
    }
    default:
        return tools.size();
    }
}

BandDefinition* Bar::band(const QString& name) {
    for (BandDefinition& b : bands_)
        if (b.name == name)
            return &b;
    return nullptr;
}

const BandDefinition* Bar::band(const QString& name) const {
    return const_cast<Bar*>(this)->band(name);
}

ToolDefinition* Bar::tool(const QString& name) {
    for (BandDefinition& b : bands_)
        for (ToolDefinition& t : b.tools)
            if (t.name == name)
                return &t;
    for (ToolDefinition& t : spareTools_)
        if (t.name == name)
            return &t;
    return nullptr;
}

ToolDefinition* Bar::toolAt(ToolPlace place) {
    if (place.band < 0 || place.band >= bands_.size())
        return nullptr;
    BandDefinition& b = bands_[place.band];
    return place.tool >= 0 && place.tool < b.tools.size() ? &b.tools[place.tool] : nullptr;
}

const ToolDefinition* Bar::toolAt(ToolPlace place) const {
    return const_cast<Bar*>(this)->toolAt(place);
}

CommandIndex Bar::buildIndex() const {
    CommandIndex index;
    for (const BandDefinition& b : bands_) {
        QSet<QString>& names = index.bands[b.name];
        for (const ToolDefinition& t : b.tools) {
            names.insert(t.name);
            index.tools.insert(t.id, t.name);
        }
    }
    return index;
}

void Bar::removeMerged(const CommandIndex& index) {
    for (qsizetype b = bands_.size() - 1; b >= 0; --b) {
        const auto own = index.bands.constFind(bands_[b].name);
        // A band copied in whole from a hosted form goes with its tools.
        if (own == index.bands.cend()) {
            bands_.removeAt(b);
            continue;
        }
        QList<ToolDefinition>& tools = bands_[b].tools;
        for (qsizetype t = tools.size() - 1; t >= 0; --t)
            if (!own->contains(tools[t].name))
                tools.removeAt(t);
    }
}

void Bar::mergeTool(BandDefinition& target, const ToolDefinition& tool, const QSet<QString>& own) {
    if (holds(target, tool.name))
        return;
    target.tools.insert(mergePosition(target, tool.placement, own), tool);
}

void Bar::merge(const ToolBarLayout& layout, const CommandIndex& index) {
    for (const BandDefinition& source : layout.bands) {
        if (source.bandType == kPlainToolBand)
            continue;
        BandDefinition* target = band(source.name);
        if (!target) {
            if (const BandDefinition* data = layout.layoutData(source.name))
                bands_.push_back(*data);
            continue;
        }
        const QSet<QString> own = index.bands.value(source.name);
        for (const ToolDefinition& tool : source.tools)
            mergeTool(*target, tool, own);
    }
}

void Bar::fillWindowList(const QList<ChildWindowEntry>& windows) {
    BandDefinition* list = band(kWindowBand);
    if (!list)
        return;
    for (qsizetype t = list->tools.size() - 1; t >= 0; --t)
        if (list->tools[t].name == kWindowListTool)
            list->tools.removeAt(t);
    const ToolDefinition* check = tool(kMenuCheckTool);
    const QString checkPicture = check ? check->picture : QString();
    for (qsizetype n = 0; n < windows.size(); ++n) {
        const ChildWindowEntry& window = windows[n];
        ToolDefinition entry;
        entry.name = kWindowListTool;
        entry.id = kWindowListFirstId + static_cast<int>(n);
        entry.beginGroup = n == 0;
        entry.tagNumber = static_cast<int>(n);
        entry.caption = window.caption.trimmed();
        entry.checked = window.active;
        if (window.active && !window.hasIcon)
            entry.picture = checkPicture;
        list->tools.push_back(entry);
    }
}

} // namespace zrk
