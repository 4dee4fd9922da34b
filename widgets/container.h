#pragma once
// List containers: components holding an ordered list of items, which announce every change of the
// list to their registered change links (in registration order, also while an update is open) and
// then to their own change event (which waits for EndUpdate).
//
// Ownership: items are components owned by their container; the item list only refers to them.
// Creating an item with the container as owner does not list it; Add does. An item listed twice is
// freed once, and an item destroyed elsewhere leaves the list.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/memorystream.h"
#include "base/stream.h"
#include "shell/component.h"
#include "widgets/changelink.h"
#include "widgets/listtypes.h"

// A component with a change event and an update flag.
class TLMDCustomComponent : public TComponent {
public:
    using TComponent::TComponent;

    std::function<void(TComponent* sender)> OnChange;

    void BeginUpdate() { updating_ = true; }
    void EndUpdate(bool notify);
    bool Updating() const { return updating_; }

    // Runs the change event with the given sender, unless an update is open.
    void RunChangeEvent(TComponent* sender);

protected:
    // Announces a change; by default runs the change event with this component as sender.
    virtual void Change();

private:
    bool updating_ = false;
};

class TLMDCustomContainer;

class TLMDListItem : public TLMDCustomComponent {
public:
    using TLMDCustomComponent::TLMDCustomComponent;

    std::string Description;
    uint16_t Ident = 0;
    bool Compressed = false;

    // Position in the owning container's list; -1 when the owner is not a container or does not list it.
    int GetIndex() const;
    TLMDCustomContainer* Container() const;
    // Whether the item holds no data.
    virtual bool GetEmpty() const { return true; }
    // Releases the item's data.
    virtual void FreeData() {}
    // Takes over another item's description, ident and compressed flag; derived items also take its data
    // when it is of their kind.
    virtual void Assign(const TLMDListItem& source);
    // The item's stored form (see widgets/itemrecord.h).
    virtual void ReadRecord(TStream& stream);
    virtual void WriteRecord(TMemoryStream& stream);

protected:
    // Runs the item's change event, then the container's change event with the item as sender; the
    // container's links are not called.
    void Change() override;
};

// The registry of change links.
class TLMDBaseContainer : public TLMDCustomComponent {
public:
    explicit TLMDBaseContainer(TComponent* owner) : TLMDCustomComponent(owner), clients_(this) {}

    // Makes this container the link's sender and appends it to the clients.
    void RegisterChanges(TLMDChangeLink* link) { clients_.Register(link); }
    // Clears the link's sender and removes it, when it is among the clients; otherwise nothing.
    void UnRegisterChanges(TLMDChangeLink* link) { clients_.UnRegister(link); }
    int ClientCount() const { return clients_.Count(); }

protected:
    // Calls the links in registration order, then the change event unless an update is open.
    void Change() override;

    TLMDChangeClients& Clients() { return clients_; }

private:
    TLMDChangeClients clients_;
};

class TLMDCustomContainer : public TLMDBaseContainer {
public:
    using TLMDBaseContainer::TLMDBaseContainer;
    ~TLMDCustomContainer() override;

    bool DefaultCompressed = false;
    TLMDContainerSource Source = sdComponent;
    std::string FileName;
    TLMDPathPrefix PathPrefix = ppProgram;

    // The class name that errors about this container show.
    virtual const char* ClassName() const { return "TLMDCustomContainer"; }
    virtual TLMDListItemClassType ListType() const { return icInvalid; }

    // Appends the item (with nullptr, a new item of the item class owned by this container); announces a
    // change; returns the item's position.
    int Add(TLMDListItem* item = nullptr);
    // Like Add, at the position (0 to Count()).
    void Insert(int position, TLMDListItem* item = nullptr);
    // Frees the item at the position and removes it; announces a change.
    void Delete(int position);
    // Frees every item in order and empties the list; announces a change.
    void Clear();
    // Moves an entry; equal positions do nothing, otherwise announces a change.
    void Move(int current, int target);
    int IndexOf(const TLMDListItem* item) const;
    // Appends a copy of each item the source holds now (also when the source is this container); then
    // announces one change.
    void AddList(const TLMDCustomContainer& source);

    int Count() const { return static_cast<int>(items_.size()); }
    int GetCount() const { return Count(); }
    // The item at the position; EListError "List index out of bounds (%d)" outside the items.
    TLMDListItem* GetItem(int position) const;
    // The first item whose Description equals the text exactly, or nullptr.
    TLMDListItem* GetItemByName(const std::string& text) const;

    // The items without position table; a failed load leaves the list as it was.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TMemoryStream& stream);
    // A signature of the list type, then the items with position table.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);

protected:
    // Starts the destruction: releases the item list (without freeing the items), unregisters every
    // link (the last first) and sends the free notifications while the whole object still exists. The
    // most derived class's destructor calls it; the items this container owns are freed afterwards.
    void BeginDestruction();
    // A new item of this container's item class, owned by the container and not listed.
    virtual TLMDListItem* CreateItem() { return new TLMDListItem(this); }
    void Notification(TComponent* component, TOperation operation) override;

private:
    void CheckPosition(int position) const;
    void Place(int position, TLMDListItem* item);
    void ReadItems(TStream& stream, bool positionTable);
    void WriteItems(TMemoryStream& stream, bool positionTable);
    // Frees the listed items (each once) and empties the list, without announcing.
    void FreeItems();

    std::vector<TLMDListItem*> items_;
};
