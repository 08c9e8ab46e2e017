#include "board/board_window.h"
#include "support/test_console.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

TEST(BoardWindow, IsBuiltOnlyWhenActiveWhileMaximised) {
    test::TestConsole console;
    BoardWindow board(console.ctx);
    board.activate(false);
    EXPECT_FALSE(console.ctx.board().built);
    EXPECT_TRUE(console.ctx.board().active);
    board.deactivate();
    EXPECT_FALSE(console.ctx.board().active);
    board.activate(true);
    EXPECT_TRUE(console.ctx.board().built);
    EXPECT_FALSE(board.rebuildOnActivate());
}

} // namespace
} // namespace zrk
