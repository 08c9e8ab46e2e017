#pragma once

// The roles by which the board, the analysis panel, the settings dialogs and the frame's menus
// meet. These subsystems stand side by side above launch and never include each other; main()
// hands each the roles of the others it needs.

#include <QRect>
#include <QStringList>
#include <cstdint>
#include <memory>

class QWidget;

namespace zrk {

// The board's automatic refresh as the refresh-interval dialog sets it.
class IBoardRefresh {
public:
    virtual ~IBoardRefresh() = default;
    // Switches the board's refresh timer on or off; when on, the summaries are refreshed every
    // `seconds`. The elapsed-time counter starts again from 0 either way.
    virtual void setAutoRefresh(bool on, std::int32_t seconds) = 0;
};

// The board's own actions that the menus start.
class IBoardActions {
public:
    virtual ~IBoardActions() = default;
    // The report settings dialog, then the frame's rebuild when it saved.
    virtual void setReport() = 0;
    // The report import, then the frame's rebuild when it changed the catalogue.
    virtual void importReports() = 0;
    virtual IBoardRefresh& refresh() = 0;
};

// The settings dialogs, shown modally over `parent`.
class ISettingsDialogs {
public:
    virtual ~ISettingsDialogs() = default;
    // Which reports the board lists and in which order; true when the owner saved a change.
    virtual bool showReportSettings(QWidget* parent) = 0;
    // The refresh interval; on confirmation the setting is stored and `board` is switched.
    virtual void showRefreshSettings(QWidget* parent, IBoardRefresh& board) = 0;
};

// What the analysis panel asks of the board that holds it.
class IAnalysisHost {
public:
    virtual ~IAnalysisHost() = default;
    // The board's whole background area, in the coordinates of the analysis widget's parent:
    // where the zoomed chart goes.
    virtual QRect zoomArea() const = 0;
    // Puts the analysis widget back to its place in the board's layout.
    virtual void restoreAnalysisLayout() = 0;
    // The board's SizeFactor (the square root of the window's share of the screen width).
    virtual double sizeFactor() const = 0;
};

// The business analyses: the three summary panes (the board's middle region) and the analysis
// panel with its five tabs (the region below it). The board places the two widgets; the panel
// fills, computes and draws them.
class IAnalysisPanel {
public:
    virtual ~IAnalysisPanel() = default;
    // The summary panes; placed into the board's middle region, which owns it.
    virtual QWidget* summaryWidget() = 0;
    // The analysis panel; placed below the middle region, which the board moves and sizes.
    virtual QWidget* analysisWidget() = 0;
    // The height the summary region's design gives it, in pixels at the current scale.
    virtual int summaryHeight() const = 0;
    // The three summary grids read again from the account set.
    virtual void refreshSummaries() = 0;
    // The click on the first tab (the sales-profit analysis), made once the board was first built.
    virtual void selectFirstAnalysis() = 0;
    // What the owner reads: every cell of the summary grids and every bar of the analysis shown,
    // one line each, as on the screen.
    virtual QStringList ownerLines() const = 0;
};

class IAnalysisPanelFactory {
public:
    virtual ~IAnalysisPanelFactory() = default;
    virtual std::unique_ptr<IAnalysisPanel> createPanel(IAnalysisHost& host, QWidget* parent) = 0;
};

} // namespace zrk
