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
    kSet,
};

struct Command
{
    Verb verb = Verb::kHelp;
    std::vector<std::string> queues;
    bool json = false;
    // Milliseconds to store; an option not given leaves that value as it is stored.
    std::optional<DWORD> interval;
    std::optional<DWORD> timeout;
    bool restart = true;
};

enum class CommandLineError
{
    kNone,
    kNoCommand,
    kNotUnderstood,  // an unknown command or option, or an argument the command takes none of
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
    std::string argument; // the argument the error is about, if one is
};

// The arguments after the program name. Command words, option names and "off" are read without
// regard to ASCII case, as Windows commands are. Options may come before, between or after the
// queue names, as "--name value" or "--name=value"; after "--" every argument is a queue name.
// "--help", "-h" or "/?" anywhere before "--" asks for the help.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);
