#pragma once

#include <QString>

namespace zrk {

// The tool icons of the board (report settings, report import, run analysis): a tag of
// "Name=…;Status=…;" items and the picture "BTN_" + name + "_" + state of the state shown
// (1 normal, 2 focused, 3 under the pointer, 4 pressed).
struct ToolIconState {
    QString tag;
    int shown = 2;
};

inline const QString kReportSettingsIconTag = QStringLiteral("Name=BBSZ;Status=2;");
inline const QString kReportImportIconTag = QStringLiteral("Name=BBDL;Status=2;");
inline const QString kSearchIconTag = QStringLiteral("Name=CX;Status=2;");

// The tag with its item `key` set to `value` (added at the end when missing).
QString withTagItem(const QString& tag, const QString& key, const QString& value);
// The picture of a state of the icon.
QString toolIconPicture(const QString& tag, int state);

// The icons' shared mouse capture: one icon at a time holds it from the moment the pointer
// enters it until it leaves or is clicked.
class ToolIconTracker {
public:
    enum class Capture { Keep, Take, Release };

    void focusIn(ToolIconState& icon);
    void focusOut(ToolIconState& icon);
    void press(ToolIconState& icon);
    // A mouse move over (or, while captured, away from) the icon.
    Capture move(ToolIconState& icon, bool inside);
    // A click releases the capture first.
    Capture click();
    bool captured() const { return captured_; }

private:
    bool captured_ = false;
};

} // namespace zrk
