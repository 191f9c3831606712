#include "dialog/RowLabel.h"

std::optional<std::size_t> RowLabel(const ControlEdges& box, const std::vector<ControlEdges>& texts)
{
    std::optional<std::size_t> nearest;
    for (std::size_t i = 0; i < texts.size(); ++i)
    {
        const ControlEdges& text = texts[i];
        // Twice the middle, so that odd heights need no rounding.
        const long middle = text.top + text.bottom;
        const bool onTheRow = middle >= 2 * box.top && middle < 2 * box.bottom;
        if (!onTheRow || text.right > box.left)
            continue;
        if (!nearest || text.right > texts[*nearest].right)
            nearest = i;
    }
    return nearest;
}
