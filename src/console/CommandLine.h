#pragma once

#include "resource.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// The console program's command line, read completely and checked before any queue is opened.

enum class Verb
{
    kHelp,
    kShow,
    kList,
    kCheck,
    kSet,
    kRestart,
};

// How the queues of a machine are picked instead of named.
enum class Selection
{
    kNone,
    kDriver,  // by the name of their printer driver
    kMonitor, // by the name of their driver's language monitor
};

struct Command
{
    Verb verb = Verb::kHelp;
    // Each queue once, in the order first named: a name repeated (ignoring the case of ASCII
    // letters) is the same queue.
    std::vector<std::wstring> queues;
    Selection selection = Selection::kNone;
    std::wstring pattern; // what the selection's names must match (MatchesPattern)
    // The print servers given, each once, as "\\name": a name repeated (ignoring the case of ASCII
    // letters) is the same server. Only restart takes more than one.
    std::vector<std::wstring> servers;
    bool json = false;
    // Milliseconds asked for; an option not given leaves that value out of set and check.
    std::optional<DWORD> interval;
    std::optional<DWORD> timeout;
    bool restart = true;
    // The longest wait, in seconds, before each restart until no document is being printed or
    // sent there; none: the restart goes ahead at once.
    std::optional<DWORD> whenIdle;

    // The print server whose queues are listed or selected; "" is this computer.
    std::wstring Server() const { return servers.empty() ? L"" : servers.front(); }
};

// A mistake on the command line, named by the message that tells it.
enum class CommandLineError : UINT
{
    kNone = 0,
    kNoCommand = IDS_CMD_NO_COMMAND,
    kUnknownCommand = IDS_CMD_UNKNOWN_COMMAND,
    kNotUnderstood = IDS_CMD_NOT_UNDERSTOOD, // an unknown option, or an argument the command takes
                                             // none of
    kMissingValue = IDS_CMD_MISSING_VALUE,
    kRepeatedOption = IDS_CMD_REPEATED_OPTION, // given twice, which could only hide a mistake
    kNoQueue = IDS_CMD_NO_QUEUE,
    kNothingToSet = IDS_CMD_NOTHING_TO_SET,
    kBadQueueName = IDS_CMD_BAD_QUEUE_NAME,
    kBadInterval = IDS_CMD_BAD_INTERVAL,
    kBadTimeout = IDS_CMD_BAD_TIMEOUT,
    kBadWhenIdle = IDS_CMD_BAD_WHEN_IDLE,
    kWaitWithoutRestart = IDS_CMD_WAIT_WITHOUT_RESTART, // --when-idle beside --no-restart
    kEmptyPattern = IDS_CMD_EMPTY_PATTERN,              // named by its option
    kBadPattern = IDS_CMD_BAD_PATTERN,                  // one that -like refuses (IsPattern)
    kBadServer = IDS_CMD_BAD_SERVER,
    kTwoSelections = IDS_CMD_TWO_SELECTIONS, // both --driver and --monitor
    // Queues named beside a selection, which is named by its first option.
    kQueuesAndSelection = IDS_CMD_QUEUES_AND_SELECTION,
};

struct ParsedCommandLine
{
    Command command;
    CommandLineError error = CommandLineError::kNone;
    std::wstring argument; // the argument the error is about, if one is
};

// The arguments after the program name. Command words, option names and "off" are read without
// regard to ASCII case, as Windows commands are. Options may come before, between or after the
// queue names, as "--name value" or "--name=value"; after "--" every argument is a queue name.
// An option that is last, or followed by one of the program's own words ("--", a help word or
// an option), has no value: a script that lost a value is told so, never run with the next
// option for it. The command "help", or "--help", "-h" or "/?" anywhere before "--" but where
// such a value belongs, asks for the help.
ParsedCommandLine ParseCommandLine(const std::vector<std::wstring>& arguments);
