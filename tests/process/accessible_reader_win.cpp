#include "tests/process/accessible_reader_win.h"

#include <utility>

#include "shell/accessibleobject_win.h"

namespace {

VARIANT Id(long id) {
    return ChildIdVariant(id);
}

// A BSTR as text in the system code page; the BSTR is freed.
std::string Narrow(BSTR text) {
    if (!text)
        return {};
    const int wide = static_cast<int>(SysStringLen(text));
    const int length = WideCharToMultiByte(CP_ACP, 0, text, wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, wide, out.data(), length, nullptr, nullptr);
    SysFreeString(text);
    return out;
}

long ChildOf(const VARIANT& v) {
    if (v.vt == VT_I4)
        return v.lVal;
    return -1;
}

}  // namespace

AccessibleReader::AccessibleReader(HWND window) {
    last_ = AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&object_));
}

AccessibleReader AccessibleReader::AtPoint(POINT screen, long* child) {
    AccessibleReader reader;
    VARIANT v;
    VariantInit(&v);
    reader.last_ = AccessibleObjectFromPoint(screen, &reader.object_, &v);
    *child = ChildOf(v);
    VariantClear(&v);
    return reader;
}

AccessibleReader AccessibleReader::FromEvent(HWND window, long objectId, long childId, long* child) {
    AccessibleReader reader;
    VARIANT v;
    VariantInit(&v);
    reader.last_ = AccessibleObjectFromEvent(window, static_cast<DWORD>(objectId), static_cast<DWORD>(childId),
                                             &reader.object_, &v);
    *child = ChildOf(v);
    VariantClear(&v);
    return reader;
}

AccessibleReader AccessibleReader::Adopt(IAccessible* object) {
    AccessibleReader reader;
    reader.object_ = object;
    return reader;
}

AccessibleReader::~AccessibleReader() {
    if (object_)
        object_->Release();
}

AccessibleReader::AccessibleReader(AccessibleReader&& other) noexcept
    : object_(std::exchange(other.object_, nullptr)), last_(other.last_) {}

long AccessibleReader::ChildCount() const {
    long count = -1;
    last_ = object_->get_accChildCount(&count);
    return count;
}

std::string AccessibleReader::Name(long child) const {
    BSTR text = nullptr;
    last_ = object_->get_accName(Id(child), &text);
    return Narrow(text);
}

std::string AccessibleReader::Shortcut(long child) const {
    BSTR text = nullptr;
    last_ = object_->get_accKeyboardShortcut(Id(child), &text);
    return Narrow(text);
}

std::string AccessibleReader::DefaultAction(long child) const {
    BSTR text = nullptr;
    last_ = object_->get_accDefaultAction(Id(child), &text);
    return Narrow(text);
}

long AccessibleReader::Role(long child) const {
    VARIANT v;
    VariantInit(&v);
    last_ = object_->get_accRole(Id(child), &v);
    const long role = ChildOf(v);
    VariantClear(&v);
    return role;
}

long AccessibleReader::State(long child) const {
    VARIANT v;
    VariantInit(&v);
    last_ = object_->get_accState(Id(child), &v);
    const long state = ChildOf(v);
    VariantClear(&v);
    return state;
}

RECT AccessibleReader::Location(long child) const {
    long x = 0, y = 0, w = 0, h = 0;
    last_ = object_->accLocation(&x, &y, &w, &h, Id(child));
    return RECT{x, y, x + w, y + h};
}

long AccessibleReader::HitTest(POINT screen) const {
    VARIANT v;
    VariantInit(&v);
    last_ = object_->accHitTest(screen.x, screen.y, &v);
    const long child = ChildOf(v);
    VariantClear(&v);
    return child;
}

long AccessibleReader::Focus() const {
    VARIANT v;
    VariantInit(&v);
    last_ = object_->get_accFocus(&v);
    const long child = ChildOf(v);
    VariantClear(&v);
    return child;
}

long AccessibleReader::Navigate(long direction, long from) const {
    VARIANT v;
    VariantInit(&v);
    last_ = object_->accNavigate(direction, Id(from), &v);
    const long child = last_ == S_OK ? ChildOf(v) : -1;
    VariantClear(&v);
    return child;
}

HRESULT AccessibleReader::DoDefaultAction(long child) const {
    last_ = object_->accDoDefaultAction(Id(child));
    return last_;
}
