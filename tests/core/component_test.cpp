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

// Every notification any Listener hears, as "hearer: component", in a log that outlives them all.
std::vector<std::string> heard;

class Listener : public TComponent {
public:
    explicit Listener(std::string name) : TComponent(nullptr) { Name = std::move(name); }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        if (operation == opRemove)
            heard.push_back(Name + ": " + component->Name);
    }
};

TEST(Component, AWatcherThatGoesFirstIsNotCalledLater) {
    heard.clear();
    Listener survivor("survivor");
    auto* watched = new Listener("watched");
    {
        Listener gone("gone");
        watched->FreeNotification(&gone);
        watched->FreeNotification(&survivor);
    }
    // The link goes both ways: the watched component heard of the watcher's end and forgot it.
    EXPECT_EQ(heard, std::vector<std::string>{"watched: gone"});
    delete watched;
    // Only the watcher still there hears of it; a call on the gone one would reach freed memory
    // (AddressSanitizer stops there).
    EXPECT_EQ(heard, (std::vector<std::string>{"watched: gone", "survivor: watched"}));
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
