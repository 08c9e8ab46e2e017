#include "board/report_list_scroll.h"

#include <cmath>

namespace zrk {

void ReportListScroll::build(int count, int labelHeight) {
    height_ = labelHeight;
    tops_.assign(count < 1 ? 1 : count, kFirstTop);
    for (std::size_t i = 1; i < tops_.size(); ++i)
        tops_[i] = tops_[i - 1] + height_ + kGap;
    value_ = 0;
    max_ = largeChange_ = 0;
    iconTop_ = kHoverIconTop;
    barTop_ = kFirstTop - kHoverBarAbove;
    hoverShown_ = false;
}

void ReportListScroll::update(int containerHeight) {
    // The bar goes back to 0 first, which brings the labels back to their rest place.
    if (value_ != 0)
        setValue(0);
    containerHeight_ = containerHeight;
    int overflowing = 0;
    int fitting = 0;
    for (int top : tops_)
        (top + height_ > containerHeight ? overflowing : fitting) += 1;
    value_ = 0;
    if (overflowing > 0) {
        max_ = overflowing;
        largeChange_ = fitting;
        listTop_ = tops_.front();
    } else {
        max_ = 0;
    }
}

int ReportListScroll::scrollOffset(int value) const {
    if (value >= 1) {
        const int k = largeChange_ + value - 1;
        if (k < 0 || k >= count())
            return 0;
        return static_cast<int>(std::lround(tops_[k] + 1.5 * height_ - containerHeight_));
    }
    return tops_.front() - listTop_;
}

void ReportListScroll::setValue(int value) {
    if (max_ <= 0)
        return;
    value_ = value < 0 ? 0 : (value > max_ ? max_ : value);
    const int d = scrollOffset(value_);
    for (int& top : tops_)
        top -= d;
    iconTop_ -= d;
    barTop_ -= d;
}

void ReportListScroll::hover(int index) {
    if (index < 0 || index >= count())
        return;
    hoverShown_ = true;
    iconTop_ = tops_[index] - kHoverIconAbove;
    barTop_ = tops_[index] - kHoverBarAbove;
}

} // namespace zrk
