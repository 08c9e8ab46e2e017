#pragma once

#include <vector>

namespace zrk {

// The places of the report list's labels inside their container and the scroll bar over them,
// in twips. Label 0 rests at top 215, each next one 150 below the one before; the hover bar
// stands 80 and the hover icon 30 above the label under the pointer.
class ReportListScroll {
public:
    static constexpr int kFirstTop = 215;
    static constexpr int kGap = 150;
    static constexpr int kHoverIconTop = 185;
    static constexpr int kHoverIconAbove = 30;
    static constexpr int kHoverBarAbove = 80;

    // Places `count` labels (at least label 0) of `labelHeight` at their built places, the hover
    // marks on label 0, and the scroll bar at 0.
    void build(int count, int labelHeight);
    // Sets up the scroll bar for a container of this height: shown when a label ends below it.
    void update(int containerHeight);
    // Moves the labels and the hover marks for a new scroll-bar value.
    void setValue(int value);
    // The hover marks follow the label under the pointer.
    void hover(int index);

    // How far the labels must move up for `value`, in twips.
    int scrollOffset(int value) const;

    int count() const { return static_cast<int>(tops_.size()); }
    int top(int index) const { return tops_.at(index); }
    int labelHeight() const { return height_; }
    int value() const { return value_; }
    int max() const { return max_; }
    int largeChange() const { return largeChange_; }
    bool scrollBarVisible() const { return max_ > 0; }
    int reportListTop() const { return listTop_; }
    int hoverIconTop() const { return iconTop_; }
    int hoverBarTop() const { return barTop_; }
    bool hoverShown() const { return hoverShown_; }

private:
    std::vector<int> tops_;
    int height_ = 0;
    int containerHeight_ = 0;
    int value_ = 0;
    int max_ = 0;
    int largeChange_ = 0;
    int listTop_ = kFirstTop;
    int iconTop_ = kHoverIconTop;
    int barTop_ = kFirstTop - kHoverBarAbove;
    bool hoverShown_ = false;
};

} // namespace zrk
