#pragma once
// Change links: observers that a control registers with a list. The list calls every registered link,
// in registration order, whenever its items change. A link knows the list it is registered with and
// unregisters itself when it is destroyed first.

#include <functional>
#include <vector>

class TLMDChangeClients;

class TLMDChangeLink {
public:
    TLMDChangeLink() = default;
    ~TLMDChangeLink();
    TLMDChangeLink(const TLMDChangeLink&) = delete;
    TLMDChangeLink& operator=(const TLMDChangeLink&) = delete;

    // Runs with the list as sender on every change of the list.
    std::function<void(void* sender)> OnChange;

    // The list this link is registered with, or nullptr.
    void* Sender() const { return sender_; }

    // Runs OnChange with the given sender, if it is assigned.
    void Change(void* sender);

private:
    friend class TLMDChangeClients;
    void* sender_ = nullptr;
    TLMDChangeClients* clients_ = nullptr;
};

// The ordered set of links registered with one list. It refers to the links; it does not own them.
class TLMDChangeClients {
public:
    explicit TLMDChangeClients(void* owner) : owner_(owner) {}
    ~TLMDChangeClients();
    TLMDChangeClients(const TLMDChangeClients&) = delete;
    TLMDChangeClients& operator=(const TLMDChangeClients&) = delete;

    // Makes the owner the link's sender and appends the link (moving it from another list first).
    void Register(TLMDChangeLink* link);
    // Clears the link's sender and removes it, when it is registered here; otherwise nothing.
    void UnRegister(TLMDChangeLink* link);
    // Unregisters every link, the last registered first.
    void UnRegisterAll();
    // Calls each link registered now, in registration order, with the owner as sender. A link that
    // is unregistered (or destroyed) by an earlier one is not called.
    void Notify();

    int Count() const { return static_cast<int>(links_.size()); }
    bool Contains(const TLMDChangeLink* link) const;

private:
    void* owner_;
    std::vector<TLMDChangeLink*> links_;
};
