#include "console/CommandLine.h"

#include "console/Names.h"
#include "console/SettingValues.h"

#include <algorithm>

namespace
{
using E = CommandLineError;

unsigned Bit(Verb verb)
{
    return 1u << static_cast<unsigned>(verb);
}

const unsigned kReading = Bit(Verb::kShow) | Bit(Verb::kList) | Bit(Verb::kCheck) | Bit(Verb::kSet);
const unsigned kComparing = Bit(Verb::kCheck) | Bit(Verb::kSet);

bool IsHelp(const std::wstring& argument)
{
    return SameName(argument, L"--help") || SameName(argument, L"-h") || argument == L"/?";
}

const std::pair<const wchar_t*, Verb> kVerbs[] = {
    {L"help", Verb::kHelp},   {L"show", Verb::kShow}, {L"list", Verb::kList},
    {L"check", Verb::kCheck}, {L"set", Verb::kSet},
};

bool Select(Command& command, Selection selection, const std::wstring& pattern)
{
    command.selection = selection;
    command.pattern = pattern;
    return !pattern.empty();
}

// An option: the commands that take it, and what it does with its value. One without a value
// (invalid kNone) is a switch.
struct Option
{
    const wchar_t* name;
    unsigned verbs;
    E invalid; // the mistake a refused value is
    bool (*take)(Command& command, const std::wstring& value);
};

const Option kOptions[] = {
    {L"--json", kReading, E::kNone, [](Command& c, const std::wstring&) { return c.json = true; }},
    {L"--no-restart", Bit(Verb::kSet), E::kNone,
     [](Command& c, const std::wstring&) {
         c.restart = false;
         return true;
     }},
    {L"--interval", kComparing, E::kBadInterval,
     [](Command& c, const std::wstring& v) {
         return (c.interval = ParseIntervalSetting(v)) != std::nullopt;
     }},
    {L"--timeout", kComparing, E::kBadTimeout,
     [](Command& c, const std::wstring& v) {
         return (c.timeout = ParseTimeoutSetting(v)) != std::nullopt;
     }},
    {L"--driver", kReading, E::kEmptyPattern,
     [](Command& c, const std::wstring& v) { return Select(c, Selection::kDriver, v); }},
    {L"--monitor", kReading, E::kEmptyPattern,
     [](Command& c, const std::wstring& v) { return Select(c, Selection::kMonitor, v); }},
    {L"--server", kReading, E::kBadServer,
     [](Command& c, const std::wstring& v) {
         c.server = ServerName(v).value_or(L"");
         return !c.server.empty();
     }},
};

class CParser
{
  public:
    explicit CParser(const std::vector<std::wstring>& arguments) : m_arguments(arguments) {}

    ParsedCommandLine Parse()
    {
        if (m_arguments.empty())
            return Fail(E::kNoCommand);
        const auto end = std::find(m_arguments.begin(), m_arguments.end(), L"--");
        if (std::any_of(m_arguments.begin(), end, IsHelp))
            return m_result;
        const auto verb = std::find_if(std::begin(kVerbs), std::end(kVerbs), [&](const auto& v) {
            return SameName(m_arguments[0], v.first);
        });
        if (verb == std::end(kVerbs))
            return Fail(E::kUnknownCommand, m_arguments[0]);
        m_result.command.verb = verb->second;
        if (verb->second == Verb::kHelp)
            return m_result;
        for (m_next = 1; m_next < m_arguments.size() && m_result.error == E::kNone;)
            Take(m_arguments[m_next++]);
        if (m_result.error == E::kNone)
            CheckComplete();
        return m_result;
    }

  private:
    ParsedCommandLine Fail(E error, const std::wstring& argument = L"")
    {
        m_result.error = error;
        m_result.argument = argument;
        return m_result;
    }

    bool Takes(Verb verb) const { return m_result.command.verb == verb; }

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
            Fail(E::kNotUnderstood, name);
        else if (!IsQueueName(name))
            Fail(E::kBadQueueName, name);
        else if (std::none_of(queues.begin(), queues.end(),
                              [&](const std::wstring& q) { return SameName(q, name); }))
            queues.push_back(name);
    }

    void TakeOption(const std::wstring& argument)
    {
        const size_t equals = argument.find(L'=');
        const std::wstring name = argument.substr(0, equals);
        const auto option =
            std::find_if(std::begin(kOptions), std::end(kOptions), [&](const Option& o) {
                return SameName(name, o.name) && (o.verbs & Bit(m_result.command.verb)) != 0;
            });
        const bool isSwitch = option != std::end(kOptions) && option->invalid == E::kNone;
        if (option == std::end(kOptions) || (isSwitch && equals != std::wstring::npos))
            Fail(E::kNotUnderstood, argument);
        else if (Seen(name.c_str()))
            Fail(E::kRepeatedOption, name);
        else if (!isSwitch && equals == std::wstring::npos && m_next == m_arguments.size())
            Fail(E::kMissingValue, name);
        else
            Apply(*option, isSwitch                       ? L""
                           : equals != std::wstring::npos ? argument.substr(equals + 1)
                                                          : m_arguments[m_next++]);
    }

    void Apply(const Option& option, const std::wstring& value)
    {
        m_seen.push_back(option.name);
        if (!option.take(m_result.command, value))
            Fail(option.invalid, value);
    }

    bool Seen(const wchar_t* option) const
    {
        return std::any_of(m_seen.begin(), m_seen.end(),
                           [&](const std::wstring& seen) { return SameName(seen, option); });
    }

    void CheckComplete()
    {
        const Command& command = m_result.command;
        const bool named = !command.queues.empty();
        const bool selects = command.selection != Selection::kNone;
        if (Seen(L"--driver") && Seen(L"--monitor"))
            Fail(E::kTwoSelections);
        else if (named && (selects || !command.server.empty()))
            Fail(E::kQueuesAndSelection);
        else if (!Takes(Verb::kList) && !named && !selects)
            Fail(E::kNoQueue);
        else if ((Takes(Verb::kCheck) || Takes(Verb::kSet)) && !command.interval &&
                 !command.timeout)
            Fail(E::kNothingToSet);
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
