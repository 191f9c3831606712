#include "dialog/RowLabelWindow.h"

#include "dialog/RowLabel.h"

#include <vector>

namespace
{
// A static control that shows its text: not a frame, an icon or a picture.
bool IsTextLabel(HWND window)
{
    wchar_t className[8];
    if (GetClassNameW(window, className, 8) == 0 || lstrcmpiW(className, L"Static") != 0)
        return false;
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    if ((style & WS_VISIBLE) == 0)
        return false;
    switch (style & SS_TYPEMASK)
    {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
        return true;
    default:
        return false;
    }
}

ControlEdges EdgesOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}
} // namespace

HWND RowLabelWindow(HWND box)
{
    std::vector<HWND> labels;
    std::vector<ControlEdges> edges;
    for (HWND child = GetWindow(GetParent(box), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
    {
        if (!IsTextLabel(child))
            continue;
        labels.push_back(child);
        edges.push_back(EdgesOf(child));
    }
    const auto label = RowLabel(EdgesOf(box), edges);
    return label ? labels[*label] : nullptr;
}
