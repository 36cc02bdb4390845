#include "menu/button_cell.h"

namespace startart {

DesignCells CellsOfDesign(Int16 style) {
    constexpr int kFirstLowerDesign = 6;
    const bool lowerDesign = style >= kFirstLowerDesign;
    const int normalRow = lowerDesign ? 2 : 0;
    return {.column = lowerDesign ? style - kFirstLowerDesign : style - 1,
            .normalRow = normalRow,
            .highlightedRow = normalRow + 1};
}

}  // namespace startart
