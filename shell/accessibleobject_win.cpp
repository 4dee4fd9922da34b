#include "shell/accessibleobject_win.h"

#include <climits>
#include <string>

namespace {

void ClearAnswer(BSTR* out) {
    *out = nullptr;
}

void ClearAnswer(VARIANT* out) {
    VariantInit(out);
}

// Text in the system code page as a new BSTR (S_FALSE and no string for empty text).
HRESULT Answer(const std::string& text, BSTR* out) {
    *out = nullptr;
    if (text.empty())
        return S_FALSE;
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    *out = SysAllocStringLen(nullptr, static_cast<UINT>(length));
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

// How far the candidate lies from the origin in the direction, or -1 when it does not lie wholly there.
long DistanceInDirection(long direction, const RECT& from, const RECT& to) {
    switch (direction) {
        case NAVDIR_UP:
            return to.bottom <= from.top ? from.top - to.bottom : -1;
        case NAVDIR_DOWN:
            return to.top >= from.bottom ? to.top - from.bottom : -1;
        case NAVDIR_LEFT:
            return to.right <= from.left ? from.left - to.right : -1;
        case NAVDIR_RIGHT:
            return to.left >= from.right ? to.left - from.right : -1;
        default:
            return -1;
    }
}

// How far the candidate's centre lies off the line through the origin's centre in the direction.
long Offset(long direction, const RECT& from, const RECT& to) {
    const bool vertical = direction == NAVDIR_UP || direction == NAVDIR_DOWN;
    const long a = vertical ? (from.left + from.right) / 2 : (from.top + from.bottom) / 2;
    const long b = vertical ? (to.left + to.right) / 2 : (to.top + to.bottom) / 2;
    return a > b ? a - b : b - a;
}

constexpr long kHiddenStates = STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;

}  // namespace

VARIANT ChildIdVariant(long id) {
    VARIANT v;
    VariantInit(&v);
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
    if (SUCCEEDED(
            CreateStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&standard))))
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
        FAILED(AccessibleObjectFromWindow(child.childWindow, OBJID_CLIENT, IID_IAccessible,
                                          reinterpret_cast<void**>(&object))))
        object = nullptr;
    return UniqueCom<IAccessible>(object);
}

HRESULT TAccessibleObject::ChildResult(long id, VARIANT* result) {
    VariantInit(result);
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

// The answer of the system's object for the client area itself or for a child window.
#define ANSWER_FROM_SYSTEM(child, call)                            \
    do {                                                           \
        const UniqueCom<IAccessible> system = SystemObject(child); \
        if (!system)                                               \
            return E_FAIL;                                         \
        return system.get()->call;                                 \
    } while (false)

// --- IAccessible ----------------------------------------------------------------------------------

STDMETHODIMP TAccessibleObject::get_accParent(IDispatch** parent) {
    if (!parent)
        return E_POINTER;
    *parent = nullptr;
    if (!Connected())
        return CO_E_OBJNOTCONNECTED;
    ANSWER_FROM_SYSTEM(Child{Child::Self}, get_accParent(parent));
}

STDMETHODIMP TAccessibleObject::get_accChildCount(long* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    if (!Connected())
        return CO_E_OBJNOTCONNECTED;
    *count = ChildCount();
    return S_OK;
}

STDMETHODIMP TAccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!Connected())
        return CO_E_OBJNOTCONNECTED;
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
}

template <typename Out, typename Value>
HRESULT TAccessibleObject::PropertyOf(VARIANT child,
                                      Out* out,
                                      Value TAccessibleElement::*field,
                                      HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, Out*)) {
    if (!out)
        return E_POINTER;
    ClearAnswer(out);
    if (!Connected())
        return CO_E_OBJNOTCONNECTED;
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
    // The window's own state flags add to the system's.
    TAccessibleElement self;
    if (!Connected() || Resolve(child).kind != Child::Self || !elements_->AccessibleSelf(self))
        return PropertyOf(child, state, &TAccessibleElement::State, &IAccessible::get_accState);
    const HRESULT result = PropertyOf<VARIANT, long>(child, state, nullptr, &IAccessible::get_accState);
    if (result == S_OK && state->vt == VT_I4)
        state->lVal |= self.State;
    return result;
}

STDMETHODIMP TAccessibleObject::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    if (!file || !topic)
        return E_POINTER;
    *file = nullptr;
    *topic = 0;
    if (!Connected())
        return CO_E_OBJNOTCONNECTED;
    return Resolve(child).kind == Child::Invalid ? E_INVALIDARG : S_FALSE;
}

STDMETHODIMP TAccessibleObject::get_accFocus(VARIANT* focus) {
    if (!focus)
        return E_POINTER;
    VariantInit(focus);
    if (!Connected())
        return CO_E_OBJNOTCONNECTED;
    // An element that the window keeps the focus for; else the system says whether the window has it.
    const int element = elements_->AccessibleFocus();
    if (element >= 0 && element < elements_->AccessibleCount())
        return Answer(element + 1, focus);
    ANSWER_FROM_SYSTEM(Child{Child::Self}, get_accFocus(focus));
}

STDMETHODIMP TAccessibleObject::get_accSelection(VARIANT* selection) {
    if (!selection)
        return E_POINTER;
    VariantInit(selection);
    return Connected() ? S_FALSE : CO_E_OBJNOTCONNECTED;
}

STDMETHODIMP TAccessibleObject::accSelect(long flags, VARIANT child) {
    if (!Connected())
        return CO_E_OBJNOTCONNECTED;
    const Child c = Resolve(child);
    switch (c.kind) {
        case Child::Element:
            return DISP_E_MEMBERNOTFOUND;  // the elements take neither focus nor selection
        case Child::Self:
        case Child::Window:
            ANSWER_FROM_SYSTEM(c, accSelect(flags, ChildIdVariant(CHILDID_SELF)));
        default:
            return E_INVALIDARG;
    }
}

STDMETHODIMP TAccessibleObject::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
    if (!left || !top || !width || !height)
        return E_POINTER;
    *left = *top = *width = *height = 0;
    if (!Connected())
        return CO_E_OBJNOTCONNECTED;
    const Child c = Resolve(child);
    switch (c.kind) {
        case Child::Element: {
            const RECT r = elements_->AccessibleElement(c.index).ScreenRect;
            *left = r.left;
            *top = r.top;
            *width = r.right - r.left;
            *height = r.bottom - r.top;
            return S_OK;
        }
        case Child::Self:
        case Child::Window:
            ANSWER_FROM_SYSTEM(c, accLocation(left, top, width, height, ChildIdVariant(CHILDID_SELF)));
        default:
            return E_INVALIDARG;
    }
}

long TAccessibleObject::NavigateSpatially(long direction, int from) {
    const RECT origin = elements_->AccessibleElement(from).ScreenRect;
    long best = 0, bestDistance = LONG_MAX, bestOffset = LONG_MAX;
    for (int i = 0; i < elements_->AccessibleCount(); ++i) {
        const TAccessibleElement e = elements_->AccessibleElement(i);
        if (i == from || (e.State & kHiddenStates))
            continue;
        const long distance = DistanceInDirection(direction, origin, e.ScreenRect);
        const long offset = Offset(direction, origin, e.ScreenRect);
        if (distance < 0 || distance > bestDistance || (distance == bestDistance && offset >= bestOffset))
            continue;
        best = i + 1;
        bestDistance = distance;
        bestOffset = offset;
    }
    return best;
}

STDMETHODIMP TAccessibleObject::accNavigate(long direction, VARIANT start, VARIANT* end) {
    if (!end)
        return E_POINTER;
    VariantInit(end);
    if (!Connected())
        return CO_E_OBJNOTCONNECTED;
    const Child c = Resolve(start);
    const long count = ChildCount();
    long id = 0;
    switch (c.kind) {
        case Child::Self:
            if (direction == NAVDIR_FIRSTCHILD)
                id = count > 0 ? 1 : 0;
            else if (direction == NAVDIR_LASTCHILD)
                id = count;
            else
                ANSWER_FROM_SYSTEM(c, accNavigate(direction, start, end));  // the window among its siblings
            break;
        case Child::Element:
        case Child::Window: {
            const long from = start.lVal;
            if (direction == NAVDIR_NEXT)
                id = from < count ? from + 1 : 0;
            else if (direction == NAVDIR_PREVIOUS)
                id = from - 1;
            else if (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD)
                id = 0;  // nothing inside a simple element
            else if (c.kind == Child::Element && direction >= NAVDIR_UP && direction <= NAVDIR_RIGHT)
                id = NavigateSpatially(direction, c.index);
            else
                return DISP_E_MEMBERNOTFOUND;
            break;
        }
        default:
            return E_INVALIDARG;
    }
    if (id <= 0)
        return S_FALSE;
    return ChildResult(id, end);
}

STDMETHODIMP TAccessibleObject::accHitTest(long x, long y, VARIANT* child) {
    if (!child)
        return E_POINTER;
    VariantInit(child);
    if (!Connected())
        return CO_E_OBJNOTCONNECTED;
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
    // Elements added later lie above earlier ones.
    for (int i = elements_->AccessibleCount() - 1; i >= 0; --i) {
        const TAccessibleElement e = elements_->AccessibleElement(i);
        if (!(e.State & kHiddenStates) && PtInRect(&e.ScreenRect, point))
            return Answer(i + 1, child);
    }
    return Answer(CHILDID_SELF, child);
}

STDMETHODIMP TAccessibleObject::accDoDefaultAction(VARIANT child) {
    if (!Connected())
        return CO_E_OBJNOTCONNECTED;
    const Child c = Resolve(child);
    switch (c.kind) {
        case Child::Element: {
            const TAccessibleElement e = elements_->AccessibleElement(c.index);
            if (e.DefaultAction.empty() || (e.State & (STATE_SYSTEM_UNAVAILABLE | kHiddenStates)))
                return DISP_E_MEMBERNOTFOUND;
            // Done from the window's queue once this call has returned: the action may open a modal
            // dialog, and the reader that asked must not wait for the user to close it.
            return PostMessageA(window_, AccessibleActionMessage(), static_cast<WPARAM>(c.index), 0) ? S_OK : E_FAIL;
        }
        case Child::Self: {
            TAccessibleElement self;
            if (elements_->AccessibleSelf(self) && !self.DefaultAction.empty()) {
                // As for an element, from the queue; -1 names the window's own action.
                return PostMessageA(window_, AccessibleActionMessage(), static_cast<WPARAM>(-1), 0) ? S_OK : E_FAIL;
            }
            ANSWER_FROM_SYSTEM(c, accDoDefaultAction(ChildIdVariant(CHILDID_SELF)));
        }
        case Child::Window:
            ANSWER_FROM_SYSTEM(c, accDoDefaultAction(ChildIdVariant(CHILDID_SELF)));
        default:
            return E_INVALIDARG;
    }
}

STDMETHODIMP TAccessibleObject::put_accName(VARIANT, BSTR) {
    return Connected() ? E_NOTIMPL : CO_E_OBJNOTCONNECTED;
}

STDMETHODIMP TAccessibleObject::put_accValue(VARIANT, BSTR) {
    return Connected() ? E_NOTIMPL : CO_E_OBJNOTCONNECTED;
}
