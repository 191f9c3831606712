// The queue the Wine test programs work on: the one the test prefix is prepared with, or the one
// SETTINGTOOL_TEST_QUEUE names.
#pragma once

#include <cstdlib>
#include <string>

inline std::wstring TestQueue()
{
    const wchar_t* queue = _wgetenv(L"SETTINGTOOL_TEST_QUEUE");
    return queue != nullptr ? queue : L"Demo Printer";
}
