#include "console/CommandLine.h"

#include "console/SettingValues.h"

#include <algorithm>

namespace
{
bool IsHelp(const std::wstring& argument)
{
    return SameName(argument, L"--help") || SameName(argument, L"-h") || argument == L"/?";
}

ParsedCommandLine Failure(CommandLineError error, const std::wstring& argument = L"")
{
    ParsedCommandLine result;
    result.error = error;
    result.argument = argument;
    return result;
}

struct VerbName
{
    const wchar_t* word;
    Verb verb;
};

const VerbName kVerbs[] = {
    {L"help", Verb::kHelp},   {L"show", Verb::kShow}, {L"list", Verb::kList},
    {L"check", Verb::kCheck}, {L"set", Verb::kSet},
};

class CParser
{
  public:
    explicit CParser(const std::vector<std::wstring>& arguments) : m_arguments(arguments) {}

    ParsedCommandLine Parse()
    {
        if (m_arguments.empty())
            return Failure(CommandLineError::kNoCommand);
        for (const std::wstring& argument : m_arguments)
        {
            if (argument == L"--")
                break;
            if (IsHelp(argument))
                return m_result;
        }
        const auto verb =
            std::find_if(std::begin(kVerbs), std::end(kVerbs),
                         [&](const VerbName& v) { return SameName(m_arguments[0], v.word); });
        if (verb == std::end(kVerbs))
            return Failure(CommandLineError::kUnknownCommand, m_arguments[0]);
        m_result.command.verb = verb->verb;
        if (verb->verb == Verb::kHelp)
            return m_result;

        for (m_next = 1; m_next < m_arguments.size() && m_result.error == CommandLineError::kNone;)
            Take(m_arguments[m_next++]);
        if (m_result.error == CommandLineError::kNone)
            CheckComplete();
        return m_result;
    }

  private:
    void Fail(CommandLineError error, const std::wstring& argument = L"")
    {
        m_result.error = error;
        m_result.argument = argument;
    }

    bool Takes(Verb verb) const { return m_result.command.verb == verb; }

    // check and set compare or store the values given.
    bool TakesValues() const { return Takes(Verb::kCheck) || Takes(Verb::kSet); }

    void Take(const std::wstring& argument)
    {
        if (m_queuesOnly || argument.empty() || argument[0] != L'-')
            TakeQueue(argument);
        else if (argument == L"--")
            m_queuesOnly = true;
        else
            TakeOption(argument);
    }

    void TakeQueue(const std::wstring& name)
    {
        std::vector<std::wstring>& queues = m_result.command.queues;
        if (Takes(Verb::kList))
            Fail(CommandLineError::kNotUnderstood, name);
        else if (!IsQueueName(name))
            Fail(CommandLineError::kBadQueueName, name);
        else if (std::none_of(queues.begin(), queues.end(),
                              [&](const std::wstring& q) { return SameName(q, name); }))
            queues.push_back(name);
    }

    void TakeOption(const std::wstring& argument)
    {
        Command& command = m_result.command;
        const size_t equals = argument.find(L'=');
        const std::wstring name = argument.substr(0, equals);
        if (TakesValues() && SameName(name, L"--interval"))
            TakeValue(argument, equals, ParseIntervalSetting, command.interval,
                      CommandLineError::kBadInterval);
        else if (TakesValues() && SameName(name, L"--timeout"))
            TakeValue(argument, equals, ParseTimeoutSetting, command.timeout,
                      CommandLineError::kBadTimeout);
        else if (equals != std::wstring::npos)
            Fail(CommandLineError::kNotUnderstood, argument);
        else if (Takes(Verb::kSet) && SameName(name, L"--no-restart"))
            Flag(name, command.restart, false);
        else if (SameName(name, L"--json"))
            Flag(name, command.json, true);
        else
            Fail(CommandLineError::kNotUnderstood, argument);
    }

    void TakeValue(const std::wstring& argument, size_t equals,
                   std::optional<DWORD> (*parse)(const std::wstring&), std::optional<DWORD>& into,
                   CommandLineError invalid)
    {
        const auto value = Value(argument, equals);
        if (!value)
            return;
        into = parse(*value);
        if (!into)
            Fail(invalid, *value);
    }

    // The option's value, from after "=" or from the next argument; fails when it is missing
    // or the option came before.
    std::optional<std::wstring> Value(const std::wstring& argument, size_t equals)
    {
        const std::wstring name = argument.substr(0, equals);
        if (!FirstTime(name))
            return std::nullopt;
        if (equals != std::wstring::npos)
            return argument.substr(equals + 1);
        if (m_next == m_arguments.size())
        {
            Fail(CommandLineError::kMissingValue, name);
            return std::nullopt;
        }
        return m_arguments[m_next++];
    }

    void Flag(const std::wstring& name, bool& flag, bool value)
    {
        if (FirstTime(name))
            flag = value;
    }

    bool FirstTime(const std::wstring& name)
    {
        if (std::any_of(m_seen.begin(), m_seen.end(),
                        [&](const std::wstring& seen) { return SameName(seen, name); }))
        {
            Fail(CommandLineError::kRepeatedOption, name);
            return false;
        }
        m_seen.push_back(name);
        return true;
    }

    void CheckComplete()
    {
        const Command& command = m_result.command;
        if (!Takes(Verb::kList) && command.queues.empty())
            Fail(CommandLineError::kNoQueue);
        else if (TakesValues() && !command.interval && !command.timeout)
            Fail(CommandLineError::kNothingToSet);
    }

    const std::vector<std::wstring>& m_arguments;
    ParsedCommandLine m_result;
    size_t m_next = 0;
    bool m_queuesOnly = false;
    std::vector<std::wstring> m_seen;
};
} // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::wstring>& arguments)
{
    return CParser(arguments).Parse();
}
