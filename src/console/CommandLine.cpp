#include "console/CommandLine.h"

#include "console/SettingValues.h"

#include <algorithm>

namespace
{
std::string LowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// word is lower case.
bool Is(const std::string& argument, const char* word)
{
    return LowerAscii(argument) == word;
}

bool IsHelp(const std::string& argument)
{
    return Is(argument, "--help") || Is(argument, "-h") || argument == "/?";
}

ParsedCommandLine Failure(CommandLineError error, const std::string& argument = "")
{
    ParsedCommandLine result;
    result.error = error;
    result.argument = argument;
    return result;
}

class Parser
{
  public:
    explicit Parser(const std::vector<std::string>& arguments) : m_arguments(arguments) {}

    ParsedCommandLine Parse()
    {
        if (m_arguments.empty())
            return Failure(CommandLineError::kNoCommand);
        for (const std::string& argument : m_arguments)
        {
            if (argument == "--")
                break;
            if (IsHelp(argument))
                return m_result;
        }
        const std::string& word = m_arguments[0];
        if (Is(word, "show"))
            m_result.command.verb = Verb::kShow;
        else if (Is(word, "list"))
            m_result.command.verb = Verb::kList;
        else if (Is(word, "set"))
            m_result.command.verb = Verb::kSet;
        else
            return Failure(CommandLineError::kNotUnderstood, word);

        for (m_next = 1; m_next < m_arguments.size() && m_result.error == CommandLineError::kNone;)
            Take(m_arguments[m_next++]);
        if (m_result.error == CommandLineError::kNone)
            CheckComplete();
        return m_result;
    }

  private:
    void Fail(CommandLineError error, const std::string& argument = "")
    {
        m_result.error = error;
        m_result.argument = argument;
    }

    void Take(const std::string& argument)
    {
        if (m_queuesOnly || argument.empty() || argument[0] != '-')
            TakeQueue(argument);
        else if (argument == "--")
            m_queuesOnly = true;
        else
            TakeOption(argument);
    }

    void TakeQueue(const std::string& name)
    {
        if (m_result.command.verb == Verb::kList)
            Fail(CommandLineError::kNotUnderstood, name);
        else if (!IsQueueName(name))
            Fail(CommandLineError::kBadQueueName, name);
        else
            m_result.command.queues.push_back(name);
    }

    void TakeOption(const std::string& argument)
    {
        Command& command = m_result.command;
        const size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const bool isSet = command.verb == Verb::kSet;
        if (isSet && Is(name, "--interval"))
        {
            if (const auto value = Value(argument, equals))
            {
                command.interval = ParseIntervalSetting(*value);
                if (!command.interval)
                    Fail(CommandLineError::kBadInterval, *value);
            }
        }
        else if (isSet && Is(name, "--timeout"))
        {
            if (const auto value = Value(argument, equals))
            {
                command.timeout = ParseTimeoutSetting(*value);
                if (!command.timeout)
                    Fail(CommandLineError::kBadTimeout, *value);
            }
        }
        else if (equals != std::string::npos)
            Fail(CommandLineError::kNotUnderstood, argument);
        else if (isSet && Is(name, "--no-restart"))
            Flag(name, command.restart, false);
        else if (!isSet && Is(name, "--json"))
            Flag(name, command.json, true);
        else
            Fail(CommandLineError::kNotUnderstood, argument);
    }

    // The option's value, from after "=" or from the next argument; fails when it is missing
    // or the option came before.
    std::optional<std::string> Value(const std::string& argument, size_t equals)
    {
        const std::string name = argument.substr(0, equals);
        if (!FirstTime(name))
            return std::nullopt;
        if (equals != std::string::npos)
            return argument.substr(equals + 1);
        if (m_next == m_arguments.size())
        {
            Fail(CommandLineError::kMissingValue, name);
            return std::nullopt;
        }
        return m_arguments[m_next++];
    }

    void Flag(const std::string& name, bool& flag, bool value)
    {
        if (FirstTime(name))
            flag = value;
    }

    bool FirstTime(const std::string& name)
    {
        const std::string option = LowerAscii(name);
        if (std::find(m_seen.begin(), m_seen.end(), option) != m_seen.end())
        {
            Fail(CommandLineError::kRepeatedOption, name);
            return false;
        }
        m_seen.push_back(option);
        return true;
    }

    void CheckComplete()
    {
        const Command& command = m_result.command;
        if (command.verb != Verb::kList && command.queues.empty())
            Fail(CommandLineError::kNoQueue);
        else if (command.verb == Verb::kSet && !command.interval && !command.timeout)
            Fail(CommandLineError::kNothingToSet);
    }

    const std::vector<std::string>& m_arguments;
    ParsedCommandLine m_result;
    size_t m_next = 0;
    bool m_queuesOnly = false;
    std::vector<std::string> m_seen;
};
} // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    return Parser(arguments).Parse();
}
