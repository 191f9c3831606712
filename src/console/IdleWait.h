#pragma once

#include <windows.h>

#include <optional>

// What the wait for idle asks of the world; the program's looks at the machine's spooler and the
// system's clock, a test's its own.
class CIdleWatch
{
  public:
    // The documents being printed or sent; nullopt when they cannot be counted.
    virtual std::optional<DWORD> Count() = 0;
    // A steady clock, in milliseconds.
    virtual ULONGLONG Now() = 0;
    virtual void Pause(DWORD milliseconds) = 0;

  protected:
    ~CIdleWatch() = default;
};

// From documents, the count just made, waits until none is being printed or sent, looking again
// about every second, for at most seconds by the clock (however long each look takes): the count
// at the end, which is 0 when idle. A count that cannot be made ends the wait with nullopt.
std::optional<DWORD> WaitUntilIdle(std::optional<DWORD> documents, DWORD seconds,
                                   CIdleWatch& watch);
