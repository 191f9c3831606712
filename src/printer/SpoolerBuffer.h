#pragma once

#include <windows.h>

#include <vector>

// Fills buffer through a spooler call that writes records followed by their texts and tells how
// many bytes it needs: asked first with a buffer of the size guessed (none: the call itself says
// how large), then with one of the size it needs, and again should that have grown in between (a
// queue added meanwhile). call(buffer, size, &needed) is the spooler function with its other
// arguments bound. Returns ERROR_SUCCESS, or the spooler's error.
template <typename Call>
DWORD FillSpoolerBuffer(std::vector<BYTE>& buffer, Call call, size_t guess = 0)
{
    const int kAttempts = 4;
    buffer.assign(guess, 0);
    for (int attempt = 0; attempt < kAttempts; ++attempt)
    {
        DWORD needed = 0;
        if (call(buffer.empty() ? nullptr : buffer.data(), static_cast<DWORD>(buffer.size()),
                 &needed))
            return ERROR_SUCCESS;
        const DWORD error = GetLastError();
        if (error != ERROR_INSUFFICIENT_BUFFER || needed <= buffer.size())
            return error != ERROR_SUCCESS ? error : ERROR_INVALID_DATA;
        buffer.resize(needed);
    }
    return ERROR_INSUFFICIENT_BUFFER;
}
