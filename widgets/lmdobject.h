#pragma once
// A change-notifying value object: the sub-objects of a control (caption effect, layout, bevel) tell
// their control through OnChange when a setter stored a new value, so that it repaints. BeginUpdate
// and EndUpdate group several changes into one notification, or none.

#include <functional>

class TLMDObject {
public:
    TLMDObject() = default;
    virtual ~TLMDObject() = default;
    TLMDObject(const TLMDObject&) = delete;
    TLMDObject& operator=(const TLMDObject&) = delete;

    std::function<void(TLMDObject* sender)> OnChange;

    void BeginUpdate() { updating_ = true; }
    void EndUpdate(bool notify);
    bool Updating() const { return updating_; }
    // The change handler that other objects connect to this one's notifications: passes them on.
    virtual void GetChange(TLMDObject* sender) { Change(); }

    // Copies the settings of source. The base class accepts no source: it raises EConvertError
    // ("Cannot assign a <source class> to a <this class>"), leaving the object unchanged.
    virtual void Assign(const TLMDObject& source);
    virtual const char* ClassName() const { return "TLMDObject"; }

protected:
    // Calls OnChange(this) unless an update is open.
    virtual void Change();
    // The setters' rule: store a different value, then notify.
    template <typename T>
    void SetField(T& field, T value) {
        if (field == value)
            return;
        field = value;
        Change();
    }
    // For indexed properties: an unknown index (no field) stores nothing but still notifies.
    template <typename T>
    void SetIndexedField(T* field, T value) {
        if (field)
            SetField(*field, value);
        else
            Change();
    }
    // Raises the conversion error for a source this class cannot copy.
    [[noreturn]] void AssignError(const TLMDObject& source) const;

private:
    bool updating_ = false;
};
