#pragma once
// The root of the framework's object tree. A component may have an owner, which frees it: owned
// components are destroyed with their owner, the most recently added first. Components can also ask
// to be told when another one goes away (free notification), without owning it.

#include <cstdint>
#include <string>
#include <vector>

enum TComponentStateFlag : uint8_t { csLoading = 1, csDestroying = 2, csDesigning = 4 };
using TComponentState = uint8_t;

enum TOperation : uint8_t { opInsert, opRemove };

class TComponent {
public:
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }

    TComponentState ComponentState() const { return state_; }
    bool Loading() const { return (state_ & csLoading) != 0; }
    bool Designing() const { return (state_ & csDesigning) != 0; }
    bool Destroying() const { return (state_ & csDestroying) != 0; }

    // Marks the component as being loaded until Loaded runs; Loaded clears the mark.
    void BeginLoading() { state_ |= csLoading; }
    virtual void Loaded() { state_ &= static_cast<TComponentState>(~csLoading); }

    // Asks to be told through Notification(other, opRemove) when other is destroyed.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

    std::string Name;
    int32_t Tag = 0;

protected:
    // Called when an owned component is added or removed, and for free notifications.
    virtual void Notification(TComponent* component, TOperation operation) {}
    // Marks the component as being destroyed; the most derived destructor calls it first, so that
    // nothing reacts to changes while the object is torn down.
    void BeginDestroying() { state_ |= csDestroying; }
    // Destroys the owned components now, the most recently added first.
    void DestroyComponents();
    // Tells everyone who asked for a free notification that this component goes away, and drops the
    // links on both sides. The destructor does it; a derived destructor may do it earlier, while the
    // whole object still exists for those that call back into it.
    void SendFreeNotifications();

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;  // both directions: those to tell and those that tell us
    TComponentState state_ = 0;
};
