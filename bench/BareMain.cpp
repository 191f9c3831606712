// The baseline of the start-up benchmark: the setting tool's dialog template with no program
// behind it, so that the difference in start-up time is what the tool itself adds.
#include "BareDialog.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return ShowBareDialog(instance);
}
