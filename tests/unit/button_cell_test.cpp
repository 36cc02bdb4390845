#include "menu/button_cell.h"

#include <gtest/gtest.h>

namespace startart {
namespace {

TEST(ButtonCell, DesignsUpToFiveTakeRowsZeroAndOneFromSixOnRowsTwoAndThree) {
    // Styles out of the designs' range still give cells: the menu's 16-bit
    // arithmetic decides what becomes of them, not this rule.
    const struct {
        Int16 style;
        int column, normalRow;
    } cases[] = {{-32768, -32769, 0}, {0, -1, 0}, {1, 0, 0}, {5, 4, 0}, {6, 0, 2}, {7, 1, 2}, {32767, 32761, 2}};
    for (const auto& c : cases) {
        const DesignCells cells = CellsOfDesign(c.style);
        EXPECT_EQ(cells.column, c.column) << c.style;
        EXPECT_EQ(cells.normalRow, c.normalRow) << c.style;
        EXPECT_EQ(cells.highlightedRow, c.normalRow + 1) << c.style;
    }
}

}  // namespace
}  // namespace startart
