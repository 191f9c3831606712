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
const unsigned kRestarting = Bit(Verb::kSet) | Bit(Verb::kRestart);
// The commands that name no queue.
const unsigned kWithoutQueues = Bit(Verb::kList) | Bit(Verb::kRestart);

bool IsHelp(const std::wstring& argument)
{
    return SameName(argument, L"--help") || SameName(argument, L"-h") || argument == L"/?";
}

const std::pair<const wchar_t*, Verb> kVerbs[] = {
    {L"help", Verb::kHelp},   {L"show", Verb::kShow}, {L"list", Verb::kList},
    {L"check", Verb::kCheck}, {L"set", Verb::kSet},   {L"restart", Verb::kRestart},
};

E Unless(bool valid, E mistake)
{
    return valid ? E::kNone : mistake;
}

E Select(Command& command, Selection selection, const std::wstring& pattern)
{
    command.selection = selection;
    command.pattern = pattern;
    return pattern.empty() ? E::kEmptyPattern : Unless(IsPattern(pattern), E::kBadPattern);
}

E AddServer(Command& command, const std::wstring& value)
{
    const std::optional<std::wstring> server = ServerName(value);
    std::vector<std::wstring>& servers = command.servers;
    if (server && std::none_of(servers.begin(), servers.end(),
                               [&](const std::wstring& s) { return SameName(s, *server); }))
        servers.push_back(*server);
    return Unless(server.has_value(), E::kBadServer);
}

// An option: the commands that take it, whether it takes a value (one that does not is a
// switch), what it does with the value (the mistake that value is, or kNone), and the commands
// that take it more than once.
struct Option
{
    const wchar_t* name;
    unsigned verbs;
    bool takesValue;
    E (*take)(Command& command, const std::wstring& value);
    unsigned repeatable = 0;
};

const Option kOptions[] = {
    {L"--json", kReading | Bit(Verb::kRestart), false,
     [](Command& c, const std::wstring&) {
         c.json = true;
         return E::kNone;
     }},
    {L"--no-restart", Bit(Verb::kSet), false,
     [](Command& c, const std::wstring&) {
         c.restart = false;
         return E::kNone;
     }},
    {L"--interval", kComparing, true,
     [](Command& c, const std::wstring& v) {
         c.interval = ParseIntervalSetting(v);
         return Unless(c.interval.has_value(), E::kBadInterval);
     }},
    {L"--timeout", kComparing, true,
     [](Command& c, const std::wstring& v) {
         c.timeout = ParseTimeoutSetting(v);
         return Unless(c.timeout.has_value(), E::kBadTimeout);
     }},
    {L"--driver", kReading, true,
     [](Command& c, const std::wstring& v) { return Select(c, Selection::kDriver, v); }},
    {L"--monitor", kReading, true,
     [](Command& c, const std::wstring& v) { return Select(c, Selection::kMonitor, v); }},
    {L"--server", kReading | Bit(Verb::kRestart), true, &AddServer, Bit(Verb::kRestart)},
    {L"--when-idle", kRestarting, true,
     [](Command& c, const std::wstring& v) {
         c.whenIdle = ParseWhenIdleSetting(v);
         return Unless(c.whenIdle.has_value(), E::kBadWhenIdle);
     }},
};

// Whether the word is one of the program's own: "--", a help word or an option, with or without
// its value. Such a word is never taken for the value of the option before it.
bool IsProgramWord(const std::wstring& word)
{
    const std::wstring name = word.substr(0, word.find(L'='));
    return word == L"--" || IsHelp(word) ||
           std::any_of(std::begin(kOptions), std::end(kOptions),
                       [&](const Option& o) { return SameName(name, o.name); });
}

bool TakesValue(const std::wstring& word)
{
    return std::any_of(std::begin(kOptions), std::end(kOptions),
                       [&](const Option& o) { return o.takesValue && SameName(word, o.name); });
}

// Whether a help word asks for the help among the words up to end. Not one where an option's
// value belongs: that option then lacks its value, which is the mistake told.
bool AsksForHelp(const std::vector<std::wstring>& words, size_t end)
{
    for (size_t i = 0; i < end; ++i)
        if (IsHelp(words[i]) && (i == 0 || !TakesValue(words[i - 1])))
            return true;
    return false;
}

class CParser
{
  public:
    explicit CParser(const std::vector<std::wstring>& arguments) : m_arguments(arguments) {}

    ParsedCommandLine Parse()
    {
        if (m_arguments.empty())
            return Fail(E::kNoCommand);
        const auto end = std::find(m_arguments.begin(), m_arguments.end(), L"--");
        if (AsksForHelp(m_arguments, end - m_arguments.begin()))
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
        if ((kWithoutQueues & Bit(m_result.command.verb)) != 0)
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
        const bool isSwitch = option != std::end(kOptions) && !option->takesValue;
        if (option == std::end(kOptions) || (isSwitch && equals != std::wstring::npos))
            Fail(E::kNotUnderstood, argument);
        else if (Seen(name.c_str()) && (option->repeatable & Bit(m_result.command.verb)) == 0)
            Fail(E::kRepeatedOption, name);
        else if (isSwitch)
            Apply(*option, L"");
        else if (equals != std::wstring::npos)
            Apply(*option, argument.substr(equals + 1));
        else if (m_next == m_arguments.size() || IsProgramWord(m_arguments[m_next]))
            Fail(E::kMissingValue, name);
        else
            Apply(*option, m_arguments[m_next++]);
    }

    void Apply(const Option& option, const std::wstring& value)
    {
        m_seen.push_back(option.name);
        // An empty pattern is told by its option, any other refused value by itself.
        if (const E mistake = option.take(m_result.command, value); mistake != E::kNone)
            Fail(mistake, mistake == E::kEmptyPattern ? option.name : value);
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
        else if (named && (selects || !command.servers.empty()))
            Fail(E::kQueuesAndSelection,
                 *std::find_if(m_seen.begin(), m_seen.end(), [](const std::wstring& o) {
                     return o == L"--driver" || o == L"--monitor" || o == L"--server";
                 }));
        else if ((kWithoutQueues & Bit(command.verb)) == 0 && !named && !selects)
            Fail(E::kNoQueue);
        else if ((Takes(Verb::kCheck) || Takes(Verb::kSet)) && !command.interval &&
                 !command.timeout)
            Fail(E::kNothingToSet);
        else if (command.whenIdle && !command.restart)
            Fail(E::kWaitWithoutRestart);
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
