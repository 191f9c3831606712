// The token a Wine run needs to play a filtered administrator or the consent prompt: the linked
// token of this process's own, as a primary token to start a program with. Under Wine a plain
// (elevated) process's linked token is limited (TokenElevation 0), and a limited process's is
// the full one. Empty on failure, with the error in GetLastError.
#pragma once

#include "handles/KernelHandle.h"

#include <windows.h>

inline CKernelHandle PrimaryLinkedToken()
{
    CKernelHandle own;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY | TOKEN_DUPLICATE, own.put()))
        return {};
    TOKEN_LINKED_TOKEN answer = {};
    DWORD size = 0;
    if (!GetTokenInformation(own.get(), TokenLinkedToken, &answer, sizeof answer, &size))
        return {};
    const CKernelHandle linked(answer.LinkedToken);
    CKernelHandle primary;
    if (!DuplicateTokenEx(linked.get(), TOKEN_ALL_ACCESS, nullptr, SecurityImpersonation,
                          TokenPrimary, primary.put()))
        return {};
    return primary;
}
