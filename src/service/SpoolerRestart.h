#pragma once

// Restarts the print spooler so that it reads the stored settings again: stop with a bounded
// wait, a 3 s pause, start with a bounded wait. Blocks for at most about 23 s. Returns true only
// when the spooler was seen stopped and then running; never throws.
bool RestartSpooler(const char* machine = nullptr);
