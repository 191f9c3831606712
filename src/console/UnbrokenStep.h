#pragma once

// A step of the run that a break (Ctrl+C, Ctrl+Break, the console window closed) must not cut: a
// queue's values being stored, a print spooler being restarted. While one runs, a break waits, and
// the run ends as the step ends, on the step's own thread. Steps do not nest.
class CUnbrokenStep
{
  public:
    CUnbrokenStep();
    ~CUnbrokenStep();
    CUnbrokenStep(const CUnbrokenStep&) = delete;
    CUnbrokenStep& operator=(const CUnbrokenStep&) = delete;
};

// For the break's handler: ends the run through end, which does not return, at once or, while a
// step runs, as that step ends.
[[noreturn]] void EndRunBetweenSteps(void (*end)());

// For the program's end: status, unless a break has come, which then ends the run. A later break
// waits for the process to end with status.
int FinalStatus(int status);
