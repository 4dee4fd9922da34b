#include "shell/component.h"

#include <algorithm>

namespace {
void Erase(std::vector<TComponent*>& list, TComponent* item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}
bool Contains(const std::vector<TComponent*>& list, TComponent* item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}
}  // namespace

TComponent::TComponent(TComponent* owner) {
    if (owner)
        owner->Insert(this);
}

TComponent::~TComponent() {
    state_ |= csDestroying;
    SendFreeNotifications();
    DestroyComponents();
    if (owner_)
        owner_->Remove(this);
}

void TComponent::SendFreeNotifications() {
    const std::vector<TComponent*> linked = std::move(freeNotifies_);
    freeNotifies_.clear();
    for (TComponent* other : linked) {
        Erase(other->freeNotifies_, this);
        other->Notification(this, opRemove);
    }
}

void TComponent::FreeNotification(TComponent* other) {
    if (!other || other == this)
        return;
    if (!Contains(other->freeNotifies_, this))
        other->freeNotifies_.push_back(this);
    if (!Contains(freeNotifies_, other))
        freeNotifies_.push_back(other);
}

void TComponent::RemoveFreeNotification(TComponent* other) {
    if (!other)
        return;
    Erase(other->freeNotifies_, this);
    Erase(freeNotifies_, other);
}

void TComponent::Insert(TComponent* component) {
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, opInsert);
}

void TComponent::Remove(TComponent* component) {
    Erase(components_, component);
    component->owner_ = nullptr;
    if (!Destroying())
        Notification(component, opRemove);
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        delete last;  // its destructor removes it from our list
    }
}
