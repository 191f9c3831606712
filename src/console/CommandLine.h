#pragma once

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
};

struct Command
{
    Verb verb = Verb::kHelp;
    // Each queue once, in the order first named: a name repeated (ignoring the case of ASCII
    // letters) is the same queue.
    std::vector<std::wstring> queues;
    bool json = false;
    // Milliseconds asked for; an option not given leaves that value out of set and check.
    std::optional<DWORD> interval;
    std::optional<DWORD> timeout;
    bool restart = true;
};

enum class CommandLineError
{
    kNone,
    kNoCommand,
    kUnknownCommand,
    kNotUnderstood,  // an unknown option, or an argument the command takes none of
    kMissingValue,   // an option without its value
    kRepeatedOption, // an option given twice, which could only hide a mistake
    kNoQueue,
    kNothingToSet,
    kBadQueueName,
    kBadInterval,
    kBadTimeout,
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
// The command "help", or "--help", "-h" or "/?" anywhere before "--", asks for the help.
ParsedCommandLine ParseCommandLine(const std::vector<std::wstring>& arguments);
