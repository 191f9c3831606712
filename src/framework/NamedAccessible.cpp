#include "framework/NamedAccessible.h"

#include "framework/Wnd.h"

CNamedAccessible::CNamedAccessible(IAccessible* standard, HWND control, HWND nameFrom,
                                   AllocateText allocate)
    : m_standard(standard), m_control(control), m_nameFrom(nameFrom), m_allocate(allocate)
{
    m_standard->AddRef();
}

CNamedAccessible::~CNamedAccessible()
{
    m_standard->Release();
}

HRESULT CNamedAccessible::QueryInterface(REFIID iid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible))
        *object = static_cast<IAccessible*>(this);
    else if (iid == __uuidof(IOleWindow))
        *object = static_cast<IOleWindow*>(this);
    else
    {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG CNamedAccessible::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG CNamedAccessible::Release()
{
    const LONG references = InterlockedDecrement(&m_references);
    if (references == 0)
        delete this;
    return static_cast<ULONG>(references);
}

HRESULT CNamedAccessible::GetTypeInfoCount(UINT* count)
{
    if (count == nullptr)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT CNamedAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**)
{
    return E_NOTIMPL;
}

HRESULT CNamedAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

HRESULT CNamedAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                 UINT*)
{
    return E_NOTIMPL;
}

HRESULT CNamedAccessible::get_accParent(IDispatch** parent)
{
    return m_standard->get_accParent(parent);
}

HRESULT CNamedAccessible::get_accChildCount(long* count)
{
    return m_standard->get_accChildCount(count);
}

HRESULT CNamedAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    return m_standard->get_accChild(child, object);
}

HRESULT CNamedAccessible::get_accName(VARIANT child, BSTR* name)
{
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF)
        return m_standard->get_accName(child, name);
    if (name == nullptr)
        return E_POINTER;
    const std::wstring text = CWnd(m_nameFrom).GetWindowText();
    *name = m_allocate(text.c_str());
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT CNamedAccessible::get_accValue(VARIANT child, BSTR* value)
{
    return m_standard->get_accValue(child, value);
}

HRESULT CNamedAccessible::get_accDescription(VARIANT child, BSTR* description)
{
    return m_standard->get_accDescription(child, description);
}

HRESULT CNamedAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    return m_standard->get_accRole(child, role);
}

HRESULT CNamedAccessible::get_accState(VARIANT child, VARIANT* state)
{
    return m_standard->get_accState(child, state);
}

HRESULT CNamedAccessible::get_accHelp(VARIANT child, BSTR* help)
{
    return m_standard->get_accHelp(child, help);
}

HRESULT CNamedAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic)
{
    return m_standard->get_accHelpTopic(file, child, topic);
}

HRESULT CNamedAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut)
{
    return m_standard->get_accKeyboardShortcut(child, shortcut);
}

HRESULT CNamedAccessible::get_accFocus(VARIANT* focus)
{
    return m_standard->get_accFocus(focus);
}

HRESULT CNamedAccessible::get_accSelection(VARIANT* selection)
{
    return m_standard->get_accSelection(selection);
}

HRESULT CNamedAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    return m_standard->get_accDefaultAction(child, action);
}

HRESULT CNamedAccessible::accSelect(long flags, VARIANT child)
{
    return m_standard->accSelect(flags, child);
}

HRESULT CNamedAccessible::accLocation(long* left, long* top, long* width, long* height,
                                      VARIANT child)
{
    return m_standard->accLocation(left, top, width, height, child);
}

HRESULT CNamedAccessible::accNavigate(long direction, VARIANT start, VARIANT* end)
{
    return m_standard->accNavigate(direction, start, end);
}

HRESULT CNamedAccessible::accHitTest(long x, long y, VARIANT* child)
{
    return m_standard->accHitTest(x, y, child);
}

HRESULT CNamedAccessible::accDoDefaultAction(VARIANT child)
{
    return m_standard->accDoDefaultAction(child);
}

HRESULT CNamedAccessible::put_accName(VARIANT child, BSTR name)
{
    return m_standard->put_accName(child, name);
}

HRESULT CNamedAccessible::put_accValue(VARIANT child, BSTR value)
{
    return m_standard->put_accValue(child, value);
}

HRESULT CNamedAccessible::GetWindow(HWND* window)
{
    if (window == nullptr)
        return E_POINTER;
    *window = m_control;
    return S_OK;
}

HRESULT CNamedAccessible::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}
