// Which cells of the button picture a design shows. The picture holds every
// design side by side in cells of breite x hoehe pixels: designs 1 to 5 in
// the columns of rows 0 (normal) and 1 (highlighted), designs from 6 on in
// those of rows 2 and 3.
#pragma once

#include "basic/int16.h"

namespace startart {

// Counted from 0. Plain integers, so that each caller keeps its own range
// rules: the menu computes offsets in checked 16-bit arithmetic, the
// authoring tool measures pictures without limit.
struct DesignCells {
    int column;
    int normalRow;
    int highlightedRow;
};

// Any style gives cells, even 0 and below, which lie left of the picture.
DesignCells CellsOfDesign(Int16 style);

}  // namespace startart
