#pragma once

// Tells Windows that the program draws itself at the screen's own DPI, so that its windows are
// laid out sharp instead of stretched as a bitmap at 125-200 % scaling. It must come before the
// program's first window: a window keeps the awareness it was created with.
void DeclareDpiAwareness();
