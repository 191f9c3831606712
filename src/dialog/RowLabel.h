#pragma once

#include <cstddef>
#include <optional>
#include <vector>

// A control's place on the screen: left and top inside, right and bottom just outside.
struct ControlEdges
{
    long left;
    long top;
    long right;
    long bottom;
};

// The text a user reads a box by: of the texts on the box's row (their middle between its top
// and bottom edges) that end left of it, the nearest one. Returns its index in texts, or nothing
// when no text qualifies. Texts that tie keep the first.
std::optional<std::size_t> RowLabel(const ControlEdges& box,
                                    const std::vector<ControlEdges>& texts);
