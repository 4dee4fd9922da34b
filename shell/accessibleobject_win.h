#pragma once
// The accessible client object of a window that draws simple elements itself. Child id 0 is the
// window's client area (answered by the system's standard object), 1..n are the elements that a
// TAccessibleElements describes, and, when it asks for them, the window's child windows follow as
// n+1.. (their own objects, as the system gives them). After Disconnect (the window is going away) every call
// answers CO_E_OBJNOTCONNECTED, and callers in other processes get RPC_E_DISCONNECTED.

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

#include "base/handles_win.h"
#include "shell/accessibleelements_win.h"
#include "shell/accessiblenav.h"

class TAccessibleObject final : public IAccessible, public IOleWindow {
public:
    // A new object holding one reference for the caller.
    static UniqueCom<TAccessibleObject> Create(HWND window, TAccessibleElements* elements);
    TAccessibleObject(const TAccessibleObject&) = delete;
    TAccessibleObject& operator=(const TAccessibleObject&) = delete;

    // Cuts the object off its window and elements and drops the references that other processes hold.
    void Disconnect();
    bool Connected() const { return elements_ != nullptr; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IDispatch: no type information; readers use the IAccessible methods.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;
    // IAccessible
    STDMETHODIMP get_accParent(IDispatch** parent) override;
    STDMETHODIMP get_accChildCount(long* count) override;
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** object) override;
    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override;
    STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override;
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override;
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override;
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override;
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override;
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    STDMETHODIMP get_accFocus(VARIANT* focus) override;
    STDMETHODIMP get_accSelection(VARIANT* selection) override;
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override;
    STDMETHODIMP accSelect(long flags, VARIANT child) override;
    STDMETHODIMP accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    STDMETHODIMP accNavigate(long direction, VARIANT start, VARIANT* end) override;
    STDMETHODIMP accHitTest(long x, long y, VARIANT* child) override;
    STDMETHODIMP accDoDefaultAction(VARIANT child) override;
    STDMETHODIMP put_accName(VARIANT child, BSTR name) override;
    STDMETHODIMP put_accValue(VARIANT child, BSTR value) override;
    // IOleWindow: the window, for WindowFromAccessibleObject.
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override;

private:
    // What a child id names.
    struct Child {
        enum Kind { Self, Element, Window, Invalid } kind = Invalid;
        int index = -1;              // the element's index, for Element
        HWND childWindow = nullptr;  // for Window
    };

    TAccessibleObject(HWND window, TAccessibleElements* elements);
    ~TAccessibleObject();

    std::vector<HWND> ChildWindows();
    // The object that answers for the client area itself (the system's standard object) or for a
    // child window (the window's own object); empty for an element.
    UniqueCom<IAccessible> SystemObject(const Child& child);
    long ChildCount();
    Child Resolve(const VARIANT& child);
    // The child id as the answer of a navigation or hit test: window children as their objects.
    HRESULT ChildResult(long id, VARIANT* result);
    // Where the elements lie and which are hidden, for navigation and hit testing.
    std::vector<TNavElement> NavElements();
    // A property: the element's field (none: no answer), or the system object's answer for the
    // client area itself and for a child window.
    template <typename Out, typename Value>
    HRESULT PropertyOf(VARIANT child,
                       Out* out,
                       Value TAccessibleElement::*field,
                       HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, Out*));

    LONG references_ = 1;
    HWND window_;
    TAccessibleElements* elements_;
    UniqueCom<IAccessible> standard_;
};

// The message that the object posts to its window to have an element's default action done: the
// element's index in wParam. The window's control hands it to its TAccessibleElements.
UINT AccessibleActionMessage();

// The VARIANT that names a child (VT_I4 with the child id), as IAccessible calls take it.
VARIANT ChildIdVariant(long id);
