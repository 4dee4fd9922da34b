#include "widgets/changelink.h"

#include <algorithm>

TLMDChangeLink::~TLMDChangeLink() {
    if (clients_)
        clients_->UnRegister(this);
}

void TLMDChangeLink::Change(void* sender) {
    if (OnChange)
        OnChange(sender);
}

TLMDChangeClients::~TLMDChangeClients() {
    UnRegisterAll();
}

void TLMDChangeClients::Register(TLMDChangeLink* link) {
    if (!link)
        return;
    if (link->clients_)
        link->clients_->UnRegister(link);
    link->sender_ = owner_;
    link->clients_ = this;
    links_.push_back(link);
}

void TLMDChangeClients::UnRegister(TLMDChangeLink* link) {
    const auto found = std::find(links_.begin(), links_.end(), link);
    if (found == links_.end())
        return;
    links_.erase(found);
    link->sender_ = nullptr;
    link->clients_ = nullptr;
}

void TLMDChangeClients::UnRegisterAll() {
    while (!links_.empty())
        UnRegister(links_.back());
}

bool TLMDChangeClients::Contains(const TLMDChangeLink* link) const {
    return std::find(links_.begin(), links_.end(), link) != links_.end();
}

void TLMDChangeClients::Notify() {
    // A callback may unregister or destroy other links (a control going away): work on a copy and
    // call only those still registered when their turn comes.
    const std::vector<TLMDChangeLink*> snapshot = links_;
    for (TLMDChangeLink* link : snapshot)
        if (Contains(link))
            link->Change(owner_);
}
