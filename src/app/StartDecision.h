#pragma once

#include <string>
#include <vector>
#include <windows.h>

// What start-up does, decided from the command line, the outcome of opening the queue and
// whether the process runs elevated.
//
// A property sheet usually runs unelevated, and an administrator's filtered token is denied full
// access to the queue. Then, and only then, the program starts itself once more through the
// consent prompt, with kRelaunchMarker in front of the driver's two arguments. An instance that
// carries the marker is otherwise the normal program, but never relaunches again.

// The first argument of a relaunched instance. No driver passes this as its first argument.
extern const wchar_t kRelaunchMarker[];

enum class StartStep
{
    Dialog,         // the queue is open: run the settings dialog
    StartMessage,   // not started with the driver's two arguments
    PrinterMessage, // the queue cannot be accessed
    Relaunch,       // start again elevated with StartDecision::parameters, and end as it ends
};

struct StartDecision
{
    StartStep step;
    // For Relaunch: the new instance's command-line parameters, marker first.
    std::wstring parameters;
};

// The queue name among the arguments after the program name (pointing into arguments), or null
// when they are not the driver's two (optionally after the marker).
const std::wstring* QueueNameArgument(const std::vector<std::wstring>& arguments);

// arguments: those after the program name. openError: ERROR_SUCCESS when the queue named by
// QueueNameArgument opened, else why not (not looked at when there is no such name).
// elevated: the process token's TokenElevation.
StartDecision DecideStart(const std::vector<std::wstring>& arguments, DWORD openError,
                          bool elevated);
