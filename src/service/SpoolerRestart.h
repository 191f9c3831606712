#pragma once

// How a restart of the print spooler ended.
enum class RestartOutcome
{
    Restarted,      // seen stopped, then running again: it reads the stored settings
    Failed,         // not restarted, but not left stopped either (or it could not be opened)
    SpoolerStopped, // not running after the attempt: printing is stopped on that machine
};

// Restarts the print spooler of a machine (null: this one) so that it reads the stored settings
// again: stop with a bounded wait, a 3 s pause, start with a bounded wait, then, unless both
// were seen, one more look at its state. Blocks for at most about 23 s; never throws.
RestartOutcome RestartSpooler(const wchar_t* machine = nullptr);
