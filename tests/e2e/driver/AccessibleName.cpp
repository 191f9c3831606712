#include "AccessibleName.h"

#include "Text.h"

#include <oleacc.h>

namespace e2e
{
std::string AccessibleName(HWND control)
{
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return "<no COM>";
    std::string name = "<no object>";
    IAccessible* object = nullptr;
    if (SUCCEEDED(AccessibleObjectFromWindow(control, OBJID_CLIENT, IID_IAccessible,
                                             reinterpret_cast<void**>(&object))))
    {
        VARIANT self;
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR text = nullptr;
        const HRESULT asked = object->get_accName(self, &text);
        name = FAILED(asked) ? "<no name>" : text != nullptr ? Utf8(text) : "";
        SysFreeString(text);
        object->Release();
    }
    CoUninitialize();
    return name;
}
} // namespace e2e
