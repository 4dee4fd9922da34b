#include "shell/accessibleobject_win.h"

#include <string>

#include "shell/lazyimports_win.h"

namespace {

// What VariantInit does (the type set to VT_EMPTY, the rest left), without loading its library.
void EmptyVariant(VARIANT* v) {
    v->vt = VT_EMPTY;
}

// What an answer is before it is given: no object or string, zero, an empty VARIANT.
template <typename T>
void ClearAnswer(T** out) {
    *out = nullptr;
}

void ClearAnswer(long* out) {
    *out = 0;
}

void ClearAnswer(VARIANT* out) {
    EmptyVariant(out);
}

// How every answer starts: E_POINTER when a place for it is missing, else each place cleared, then
// CO_E_OBJNOTCONNECTED once the object is cut off its window; S_OK to go on and answer.
template <typename... Out>
HRESULT StartAnswer(bool connected, Out*... out) {
    if ((!out || ...))
        return E_POINTER;
    (ClearAnswer(out), ...);
    return connected ? S_OK : CO_E_OBJNOTCONNECTED;
}

// Text in the system code page as a new BSTR (S_FALSE and no string for empty text).
HRESULT Answer(const std::string& text, BSTR* out) {
    *out = nullptr;
    if (text.empty())
        return S_FALSE;
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    *out = lazy::SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (!*out)
        return E_OUTOFMEMORY;
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), *out, length);
    return S_OK;
}

HRESULT Answer(long value, VARIANT* out) {
    out->vt = VT_I4;
    out->lVal = value;
    return S_OK;
}

// Every IAccessible call is answered through this: an exception that escapes the answer (a failed
// allocation, a failing element) becomes E_FAIL instead of unwinding into the caller's COM runtime.
template <typename Body>
HRESULT Guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return E_FAIL;
    }
}

static_assert(navUp == NAVDIR_UP && navDown == NAVDIR_DOWN && navLeft == NAVDIR_LEFT && navRight == NAVDIR_RIGHT &&
              navNext == NAVDIR_NEXT && navPrevious == NAVDIR_PREVIOUS && navFirstChild == NAVDIR_FIRSTCHILD &&
              navLastChild == NAVDIR_LASTCHILD);

constexpr long kHiddenStates = STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;

}  // namespace

VARIANT ChildIdVariant(long id) {
    VARIANT v;
    EmptyVariant(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

UINT AccessibleActionMessage() {
    static const UINT message = RegisterWindowMessageA("MenuAccessibleDefaultAction");
    return message;
}

UniqueCom<TAccessibleObject> TAccessibleObject::Create(HWND window, TAccessibleElements* elements) {
    return UniqueCom<TAccessibleObject>(new TAccessibleObject(window, elements));
}

TAccessibleObject::TAccessibleObject(HWND window, TAccessibleElements* elements)
    : window_(window), elements_(elements) {
    IAccessible* standard = nullptr;
    if (SUCCEEDED(lazy::CreateStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible,
                                                  reinterpret_cast<void**>(&standard))))
        standard_.reset(standard);
}

TAccessibleObject::~TAccessibleObject() = default;

void TAccessibleObject::Disconnect() {
    if (!Connected())
        return;
    elements_ = nullptr;
    window_ = nullptr;
    standard_.reset();
    // Stubs that other processes reach us through hold references; they go now, and the callers'
    // proxies answer that the object is disconnected.
    CoDisconnectObject(static_cast<IAccessible*>(this), 0);
}

// --- IUnknown, IDispatch, IOleWindow -----------------------------------------------------------------

STDMETHODIMP TAccessibleObject::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
        *object = static_cast<IAccessible*>(this);
    } else if (iid == IID_IOleWindow) {
        *object = static_cast<IOleWindow*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) TAccessibleObject::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

STDMETHODIMP_(ULONG) TAccessibleObject::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

STDMETHODIMP TAccessibleObject::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP TAccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP TAccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

STDMETHODIMP TAccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

STDMETHODIMP TAccessibleObject::GetWindow(HWND* window) {
    if (!window)
        return E_POINTER;
    *window = window_;
    return Connected() ? S_OK : CO_E_OBJNOTCONNECTED;
}

STDMETHODIMP TAccessibleObject::ContextSensitiveHelp(BOOL) {
    return E_NOTIMPL;
}

// --- child ids ------------------------------------------------------------------------------------

std::vector<HWND> TAccessibleObject::ChildWindows() {
    std::vector<HWND> children;
    if (!elements_->AccessibleChildWindows())
        return children;
    for (HWND child = ::GetWindow(window_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

long TAccessibleObject::ChildCount() {
    return elements_->AccessibleCount() + static_cast<long>(ChildWindows().size());
}

TAccessibleObject::Child TAccessibleObject::Resolve(const VARIANT& child) {
    if (child.vt != VT_I4)
        return {Child::Invalid, -1, nullptr};
    const long id = child.lVal;
    const long elements = elements_->AccessibleCount();
    if (id == CHILDID_SELF)
        return {Child::Self, -1, nullptr};
    if (id >= 1 && id <= elements)
        return {Child::Element, static_cast<int>(id - 1), nullptr};
    const std::vector<HWND> windows = ChildWindows();
    if (id > elements && id <= elements + static_cast<long>(windows.size()))
        return {Child::Window, -1, windows[static_cast<size_t>(id - elements - 1)]};
    return {Child::Invalid, -1, nullptr};
}

UniqueCom<IAccessible> TAccessibleObject::SystemObject(const Child& child) {
    if (child.kind == Child::Self && standard_) {
        standard_.get()->AddRef();
        return UniqueCom<IAccessible>(standard_.get());
    }
    IAccessible* object = nullptr;
    if (child.kind == Child::Window &&
        FAILED(lazy::AccessibleObjectFromWindow(child.childWindow, OBJID_CLIENT, IID_IAccessible,
                                                reinterpret_cast<void**>(&object))))
        object = nullptr;
    return UniqueCom<IAccessible>(object);
}

HRESULT TAccessibleObject::ChildResult(long id, VARIANT* result) {
    EmptyVariant(result);
    const Child c = Resolve(ChildIdVariant(id));
    if (c.kind == Child::Window) {
        UniqueCom<IAccessible> object = SystemObject(c);
        if (!object)
            return E_FAIL;
        result->vt = VT_DISPATCH;
        result->pdispVal = object.release();
        return S_OK;
    }
    return Answer(id, result);
}

std::vector<TNavElement> TAccessibleObject::NavElements() {
    std::vector<TNavElement> boxes;
    const int count = elements_->AccessibleCount();
    boxes.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const TAccessibleElement e = elements_->AccessibleElement(i);
        const RECT& r = e.ScreenRect;
        boxes.push_back(TNavElement{TGeomRect{r.left, r.top, r.right, r.bottom}, (e.State & kHiddenStates) != 0});
    }
    return boxes;
}

// --- IAccessible ----------------------------------------------------------------------------------

STDMETHODIMP TAccessibleObject::get_accParent(IDispatch** parent) {
    return Guarded([&]() -> HRESULT {
        if (const HRESULT start = StartAnswer(Connected(), parent); start != S_OK)
            return start;
        const UniqueCom<IAccessible> system = SystemObject(Child{Child::Self});
        return system ? system.get()->get_accParent(parent) : E_FAIL;
    });
}

STDMETHODIMP TAccessibleObject::get_accChildCount(long* count) {
    return Guarded([&]() -> HRESULT {
        if (const HRESULT start = StartAnswer(Connected(), count); start != S_OK)
            return start;
        *count = ChildCount();
        return S_OK;
    });
}

STDMETHODIMP TAccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
    return Guarded([&]() -> HRESULT {
        if (const HRESULT start = StartAnswer(Connected(), object); start != S_OK)
            return start;
        const Child c = Resolve(child);
        switch (c.kind) {
            case Child::Element:
                return S_FALSE;  // a simple element: the caller asks this object about it
            case Child::Window: {
                const UniqueCom<IAccessible> system = SystemObject(c);
                if (!system)
                    return E_FAIL;
                return system.get()->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(object));
            }
            default:
                return E_INVALIDARG;
        }
    });
}

template <typename Out, typename Value>
HRESULT TAccessibleObject::PropertyOf(VARIANT child,
                                      Out* out,
                                      Value TAccessibleElement::*field,
                                      HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, Out*)) {
    return Guarded([&]() -> HRESULT {
        if (const HRESULT start = StartAnswer(Connected(), out); start != S_OK)
            return start;
        const Child c = Resolve(child);
        switch (c.kind) {
            case Child::Element:
                return field ? Answer(elements_->AccessibleElement(c.index).*field, out) : S_FALSE;
            case Child::Self:
                if (TAccessibleElement self; field && elements_->AccessibleSelf(self))
                    return Answer(self.*field, out);
                [[fallthrough]];
            case Child::Window: {
                const UniqueCom<IAccessible> system = SystemObject(c);
                if (!system)
                    return S_FALSE;
                return (system.get()->*standard)(ChildIdVariant(CHILDID_SELF), out);
            }
            default:
                return E_INVALIDARG;
        }
    });
}

STDMETHODIMP TAccessibleObject::get_accName(VARIANT child, BSTR* name) {
    return PropertyOf(child, name, &TAccessibleElement::Name, &IAccessible::get_accName);
}

STDMETHODIMP TAccessibleObject::get_accValue(VARIANT child, BSTR* value) {
    return PropertyOf<BSTR, std::string>(child, value, nullptr, &IAccessible::get_accValue);
}

STDMETHODIMP TAccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
    return PropertyOf<BSTR, std::string>(child, description, nullptr, &IAccessible::get_accDescription);
}

STDMETHODIMP TAccessibleObject::get_accHelp(VARIANT child, BSTR* help) {
    return PropertyOf<BSTR, std::string>(child, help, nullptr, &IAccessible::get_accHelp);
}

STDMETHODIMP TAccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return PropertyOf(child, shortcut, &TAccessibleElement::KeyboardShortcut, &IAccessible::get_accKeyboardShortcut);
}

STDMETHODIMP TAccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
    return PropertyOf(child, action, &TAccessibleElement::DefaultAction, &IAccessible::get_accDefaultAction);
}

STDMETHODIMP TAccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
    return PropertyOf(child, role, &TAccessibleElement::Role, &IAccessible::get_accRole);
}

STDMETHODIMP TAccessibleObject::get_accState(VARIANT child, VARIANT* state) {
    return Guarded([&]() -> HRESULT {
        // The window's own state flags add to the system's.
        TAccessibleElement self;
        if (!Connected() || Resolve(child).kind != Child::Self || !elements_->AccessibleSelf(self))
            return PropertyOf(child, state, &TAccessibleElement::State, &IAccessible::get_accState);
        const HRESULT result = PropertyOf<VARIANT, long>(child, state, nullptr, &IAccessible::get_accState);
        if (result == S_OK && state->vt == VT_I4)
            state->lVal |= self.State;
        return result;
    });
}

STDMETHODIMP TAccessibleObject::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    return Guarded([&]() -> HRESULT {
        if (const HRESULT start = StartAnswer(Connected(), file, topic); start != S_OK)
            return start;
        return Resolve(child).kind == Child::Invalid ? E_INVALIDARG : S_FALSE;
    });
}

STDMETHODIMP TAccessibleObject::get_accFocus(VARIANT* focus) {
    return Guarded([&]() -> HRESULT {
        if (const HRESULT start = StartAnswer(Connected(), focus); start != S_OK)
            return start;
        // An element that the window keeps the focus for; else the system says whether the window has it.
        const int element = elements_->AccessibleFocus();
        if (element >= 0 && element < elements_->AccessibleCount())
            return Answer(element + 1, focus);
        const UniqueCom<IAccessible> system = SystemObject(Child{Child::Self});
        return system ? system.get()->get_accFocus(focus) : E_FAIL;
    });
}

STDMETHODIMP TAccessibleObject::get_accSelection(VARIANT* selection) {
    const HRESULT start = StartAnswer(Connected(), selection);
    return start != S_OK ? start : S_FALSE;
}

STDMETHODIMP TAccessibleObject::accSelect(long flags, VARIANT child) {
    return Guarded([&]() -> HRESULT {
        if (!Connected())
            return CO_E_OBJNOTCONNECTED;
        const Child c = Resolve(child);
        if (c.kind == Child::Invalid)
            return E_INVALIDARG;
        if (c.kind == Child::Element)
            return DISP_E_MEMBERNOTFOUND;  // the elements take neither focus nor selection
        const UniqueCom<IAccessible> system = SystemObject(c);
        return system ? system.get()->accSelect(flags, ChildIdVariant(CHILDID_SELF)) : E_FAIL;
    });
}

STDMETHODIMP TAccessibleObject::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
    return Guarded([&]() -> HRESULT {
        if (const HRESULT start = StartAnswer(Connected(), left, top, width, height); start != S_OK)
            return start;
        const Child c = Resolve(child);
        if (c.kind == Child::Invalid)
            return E_INVALIDARG;
        if (c.kind == Child::Element) {
            const RECT r = elements_->AccessibleElement(c.index).ScreenRect;
            *left = r.left;
            *top = r.top;
            *width = r.right - r.left;
            *height = r.bottom - r.top;
            return S_OK;
        }
        const UniqueCom<IAccessible> system = SystemObject(c);
        return system ? system.get()->accLocation(left, top, width, height, ChildIdVariant(CHILDID_SELF)) : E_FAIL;
    });
}

STDMETHODIMP TAccessibleObject::accNavigate(long direction, VARIANT start, VARIANT* end) {
    return Guarded([&]() -> HRESULT {
        if (const HRESULT start = StartAnswer(Connected(), end); start != S_OK)
            return start;
        const Child c = Resolve(start);
        if (c.kind == Child::Invalid)
            return E_INVALIDARG;
        const long from = c.kind == Child::Self ? 0 : start.lVal;
        const TNavigation to = Navigate(direction, from, ChildCount(), NavElements());
        switch (to.kind) {
            case TNavigation::ToSystem: {  // the window among its siblings
                const UniqueCom<IAccessible> system = SystemObject(c);
                return system ? system.get()->accNavigate(direction, start, end) : E_FAIL;
            }
            case TNavigation::Unsupported:
                return DISP_E_MEMBERNOTFOUND;
            default:
                return to.id > 0 ? ChildResult(to.id, end) : S_FALSE;
        }
    });
}

STDMETHODIMP TAccessibleObject::accHitTest(long x, long y, VARIANT* child) {
    return Guarded([&]() -> HRESULT {
        if (const HRESULT start = StartAnswer(Connected(), child); start != S_OK)
            return start;
        const POINT point{x, y};
        RECT client;
        GetClientRect(window_, &client);
        MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
        if (!PtInRect(&client, point))
            return S_FALSE;
        // Child windows lie above everything the window draws itself.
        if (elements_->AccessibleChildWindows()) {
            POINT inside = point;
            ScreenToClient(window_, &inside);
            HWND hit = ChildWindowFromPointEx(window_, inside, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
            if (hit && hit != window_) {
                UniqueCom<IAccessible> object = SystemObject(Child{Child::Window, -1, hit});
                if (object) {
                    child->vt = VT_DISPATCH;
                    child->pdispVal = object.release();
                    return S_OK;
                }
            }
        }
        return Answer(HitElement(NavElements(), x, y), child);  // none: the client area itself
    });
}

STDMETHODIMP TAccessibleObject::accDoDefaultAction(VARIANT child) {
    return Guarded([&]() -> HRESULT {
        if (!Connected())
            return CO_E_OBJNOTCONNECTED;
        const Child c = Resolve(child);
        if (c.kind == Child::Invalid)
            return E_INVALIDARG;
        if (c.kind == Child::Element) {
            const TAccessibleElement e = elements_->AccessibleElement(c.index);
            if (e.DefaultAction.empty() || (e.State & (STATE_SYSTEM_UNAVAILABLE | kHiddenStates)))
                return DISP_E_MEMBERNOTFOUND;
            // Done from the window's queue once this call has returned: the action may open a modal
            // dialog, and the reader that asked must not wait for the user to close it.
            return PostMessageA(window_, AccessibleActionMessage(), static_cast<WPARAM>(c.index), 0) ? S_OK : E_FAIL;
        }
        if (TAccessibleElement self;
            c.kind == Child::Self && elements_->AccessibleSelf(self) && !self.DefaultAction.empty()) {
            // As for an element, from the queue; -1 names the window's own action.
            return PostMessageA(window_, AccessibleActionMessage(), static_cast<WPARAM>(-1), 0) ? S_OK : E_FAIL;
        }
        const UniqueCom<IAccessible> system = SystemObject(c);
        return system ? system.get()->accDoDefaultAction(ChildIdVariant(CHILDID_SELF)) : E_FAIL;
    });
}

STDMETHODIMP TAccessibleObject::put_accName(VARIANT, BSTR) {
    return Connected() ? E_NOTIMPL : CO_E_OBJNOTCONNECTED;
}

STDMETHODIMP TAccessibleObject::put_accValue(VARIANT, BSTR) {
    return Connected() ? E_NOTIMPL : CO_E_OBJNOTCONNECTED;
}
