#pragma once

namespace zrk {

class ConsoleContext;

// Keeps the hourglass pointer up while at least one instance lives; instances nest.
class WaitCursor {
public:
    explicit WaitCursor(ConsoleContext& ctx);
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    // Drops this instance's hold early; raises error 1 when the count would fall below zero.
    void release();

private:
    ConsoleContext& ctx_;
    bool held_ = true;
};

} // namespace zrk
