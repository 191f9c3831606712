#include "console/Messages.h"

#include "console/ConsoleWrite.h"
#include "resources/ResourceString.h"

std::string Substitute(const std::string& pattern, const std::vector<std::string>& arguments)
{
    std::string text;
    for (size_t i = 0; i < pattern.size(); ++i)
    {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const size_t number = next >= '1' && next <= '9' ? static_cast<size_t>(next - '0') : 0;
        if (pattern[i] == '%' && number != 0 && number <= arguments.size())
        {
            text += arguments[number - 1];
            ++i;
        }
        else
        {
            text += pattern[i];
        }
    }
    return text;
}

std::string Message(UINT id, const std::vector<std::string>& arguments)
{
    return Substitute(LoadResourceString(id), arguments);
}

void SayLine(UINT id, const std::vector<std::string>& arguments)
{
    WriteToConsole(ConsoleStream::kOutput, Message(id, arguments) + "\n");
}

void ComplainLine(UINT id, const std::vector<std::string>& arguments)
{
    WriteToConsole(ConsoleStream::kError, Message(id, arguments) + "\n");
}
