#include "shell/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> destroyed;

class Named : public TComponent {
public:
    Named(TComponent* owner, std::string name) : TComponent(owner) { Name = std::move(name); }
    ~Named() override { destroyed.push_back(Name); }
    std::vector<std::pair<std::string, TOperation>> notes;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        notes.emplace_back(component->Name, operation);
    }
};

TEST(Component, OwnerDestroysItsComponentsLastAddedFirst) {
    destroyed.clear();
    auto* owner = new Named(nullptr, "owner");
    new Named(owner, "a");
    new Named(owner, "b");
    auto* c = new Named(owner, "c");
    new Named(c, "c1");
    EXPECT_EQ(owner->ComponentCount(), 3);
    delete owner;
    EXPECT_EQ(destroyed, (std::vector<std::string>{"owner", "c", "c1", "b", "a"}));
}

TEST(Component, DestroyingAnOwnedComponentRemovesItFromItsOwner) {
    Named owner(nullptr, "owner");
    auto* a = new Named(&owner, "a");
    auto* b = new Named(&owner, "b");
    delete a;
    ASSERT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0), b);
    EXPECT_EQ(b->Owner(), &owner);
    EXPECT_EQ(owner.notes.back(), std::make_pair(std::string("a"), opRemove));
}

TEST(Component, FreeNotificationTellsTheWatcherOnce) {
    Named watcher(nullptr, "watcher");
    auto* watched = new Named(nullptr, "watched");
    watched->FreeNotification(&watcher);
    watched->FreeNotification(&watcher);
    delete watched;
    ASSERT_EQ(watcher.notes.size(), 1u);
    EXPECT_EQ(watcher.notes[0], std::make_pair(std::string("watched"), opRemove));
}

TEST(Component, AWatcherThatGoesFirstIsNotCalledLater) {
    Named watched(nullptr, "watched");
    {
        Named watcher(nullptr, "watcher");
        watched.FreeNotification(&watcher);
    }
    // Destroying watched later must not reach the gone watcher (AddressSanitizer would see it).
    SUCCEED();
}

TEST(Component, LoadingMarkLastsUntilLoaded) {
    Named component(nullptr, "x");
    EXPECT_FALSE(component.Loading());
    component.BeginLoading();
    EXPECT_TRUE(component.Loading());
    component.Loaded();
    EXPECT_FALSE(component.Loading());
}

}  // namespace
