#include "framework/AccessibleName.h"

#include "framework/NamedAccessible.h"
#include "system/SystemLibrary.h"

#include <commctrl.h>
#include <objbase.h>
#include <oleacc.h>

#include <new>

namespace
{
// The system's accessibility calls, loaded from the system folder when a screen reader first
// asks, so that a start without one pays nothing. LresultFromObject hands the object out through
// COM, which on Windows needs the thread in an apartment (Wine 8 does without); COM stays
// initialised from then on, since a screen reader calls the objects through it while it holds
// them.
struct AccessibilityLibrary
{
    bool Loaded() const
    {
        return createStandard != nullptr && toResult != nullptr && allocateText != nullptr;
    }

    decltype(&CreateStdAccessibleObject) createStandard;
    decltype(&LresultFromObject) toResult;
    CNamedAccessible::AllocateText allocateText;
};

BOOL CALLBACK Load(INIT_ONCE*, void* loaded, void**)
{
    auto& library = *static_cast<AccessibilityLibrary*>(loaded);
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(com) && com != RPC_E_CHANGED_MODE)
        return TRUE;
    const HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
    const HMODULE oleaut32 = LoadSystemLibrary(L"oleaut32.dll");
    if (oleacc == nullptr || oleaut32 == nullptr)
        return TRUE;
    library.createStandard =
        FindFunction<decltype(library.createStandard)>(oleacc, "CreateStdAccessibleObject");
    library.toResult = FindFunction<decltype(library.toResult)>(oleacc, "LresultFromObject");
    library.allocateText = FindFunction<CNamedAccessible::AllocateText>(oleaut32, "SysAllocString");
    return TRUE;
}

const AccessibilityLibrary& Library()
{
    static INIT_ONCE once = INIT_ONCE_STATIC_INIT;
    static AccessibilityLibrary library;
    InitOnceExecuteOnce(&once, &Load, &library, nullptr);
    return library;
}

// The answer to WM_GETOBJECT for the control's client object, or 0 to leave it to the control.
LRESULT NamedClientObject(HWND control, HWND label, WPARAM flags)
{
    const AccessibilityLibrary& library = Library();
    if (!library.Loaded())
        return 0;
    IAccessible* standard = nullptr;
    if (FAILED(library.createStandard(control, OBJID_CLIENT, __uuidof(IAccessible),
                                      reinterpret_cast<void**>(&standard))))
        return 0;
    // No exception may leave a window procedure.
    auto* named =
        new (std::nothrow) CNamedAccessible(standard, control, label, library.allocateText);
    standard->Release();
    if (named == nullptr)
        return 0;
    const LRESULT result =
        library.toResult(__uuidof(IAccessible), flags, static_cast<IAccessible*>(named));
    named->Release();
    return result > 0 ? result : 0;
}

LRESULT CALLBACK NamedControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR id, DWORD_PTR label)
{
    if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT))
    {
        if (const LRESULT result =
                NamedClientObject(control, reinterpret_cast<HWND>(label), wParam))
            return result;
    }
    else if (message == WM_NCDESTROY)
    {
        RemoveWindowSubclass(control, &NamedControlProc, id);
    }
    return DefSubclassProc(control, message, wParam, lParam);
}
} // namespace

void NameAfterLabel(HWND control, HWND label)
{
    SetWindowSubclass(control, &NamedControlProc, 0, reinterpret_cast<DWORD_PTR>(label));
}
