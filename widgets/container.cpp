#include "widgets/container.h"

#include <algorithm>
#include <memory>

#include "base/exceptions.h"
#include "base/filestream.h"
#include "base/strings.h"
#include "widgets/itemrecord.h"
#include "widgets/listfile.h"

void TLMDCustomComponent::EndUpdate(bool notify) {
    updating_ = false;
    if (notify)
        Change();
}

void TLMDCustomComponent::Change() {
    RunChangeEvent(this);
}

void TLMDCustomComponent::RunChangeEvent(TComponent* sender) {
    if (!updating_ && OnChange)
        OnChange(sender);
}

TLMDCustomContainer* TLMDListItem::Container() const {
    return dynamic_cast<TLMDCustomContainer*>(Owner());
}

int TLMDListItem::GetIndex() const {
    const TLMDCustomContainer* container = Container();
    return container ? container->IndexOf(this) : -1;
}

void TLMDListItem::Assign(const TLMDListItem& source) {
    Description = source.Description;
    Ident = source.Ident;
    Compressed = source.Compressed;
}

void TLMDListItem::ReadRecord(TStream& stream) {
    // The plain item has no data of its own; a record's data is read and dropped.
    TLMDItemRecord record = ReadItemRecord(stream);
    Description = std::move(record.description);
    Ident = record.ident;
    Compressed = record.compressed;
}

void TLMDListItem::WriteRecord(TMemoryStream& stream) {
    TLMDItemRecord record;
    record.description = Description;
    record.ident = Ident;
    record.compressed = Compressed;
    WriteItemRecord(stream, record);
}

void TLMDListItem::Change() {
    TLMDCustomComponent::Change();
    if (TLMDCustomContainer* container = Container())
        container->RunChangeEvent(this);
}

void TLMDBaseContainer::Change() {
    clients_.Notify();
    RunChangeEvent(this);
}

TLMDCustomContainer::~TLMDCustomContainer() {
    BeginDestruction();
}

void TLMDCustomContainer::BeginDestruction() {
    BeginDestroying();
    items_.clear();
    Clients().UnRegisterAll();
    SendFreeNotifications();
}

void TLMDCustomContainer::CheckPosition(int position) const {
    if (position < 0 || position >= Count())
        throw EListError(FmtLoadStr(StrId::SListIndexError, position));
}

void TLMDCustomContainer::Place(int position, TLMDListItem* item) {
    if (!item)
        item = CreateItem();
    else if (item->Owner() != this)
        FreeNotification(item);  // to drop it from the list when it is destroyed elsewhere
    items_.insert(items_.begin() + position, item);
}

int TLMDCustomContainer::Add(TLMDListItem* item) {
    const int position = Count();
    Place(position, item);
    Change();
    return position;
}

void TLMDCustomContainer::Insert(int position, TLMDListItem* item) {
    if (position != Count())
        CheckPosition(position);
    Place(position, item);
    Change();
}

void TLMDCustomContainer::Delete(int position) {
    CheckPosition(position);
    TLMDListItem* item = items_[static_cast<size_t>(position)];
    // A freed item leaves every position it was listed at.
    std::erase(items_, item);
    delete item;
    Change();
}

void TLMDCustomContainer::FreeItems() {
    std::vector<TLMDListItem*> items = std::move(items_);
    items_.clear();
    for (size_t i = 0; i < items.size(); ++i)
        if (std::find(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(i), items[i]) ==
            items.begin() + static_cast<std::ptrdiff_t>(i))
            delete items[i];
}

void TLMDCustomContainer::Clear() {
    FreeItems();
    Change();
}

void TLMDCustomContainer::Move(int current, int target) {
    if (current == target)
        return;
    CheckPosition(current);
    CheckPosition(target);
    TLMDListItem* item = items_[static_cast<size_t>(current)];
    items_.erase(items_.begin() + current);
    items_.insert(items_.begin() + target, item);
    Change();
}

int TLMDCustomContainer::IndexOf(const TLMDListItem* item) const {
    const auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void TLMDCustomContainer::AppendCopies(const TLMDCustomContainer& source) {
    const size_t count = source.items_.size();  // the source may be this list, which grows below
    for (size_t i = 0; i < count; ++i) {
        TLMDListItem* item = CreateItem();
        items_.push_back(item);
        item->Assign(*source.items_[i]);
    }
}

void TLMDCustomContainer::AddList(const TLMDCustomContainer& source) {
    AppendCopies(source);
    Change();
}

void TLMDCustomContainer::Assign(const TLMDCustomContainer& source) {
    if (&source == this)
        return;
    FreeItems();
    AppendCopies(source);
    DefaultCompressed = source.DefaultCompressed;
    Change();
}

TLMDListItem* TLMDCustomContainer::GetItem(int position) const {
    CheckPosition(position);
    return items_[static_cast<size_t>(position)];
}

TLMDListItem* TLMDCustomContainer::GetItemByName(const std::string& text) const {
    for (TLMDListItem* item : items_)
        if (item->Description == text)
            return item;
    return nullptr;
}

void TLMDCustomContainer::Notification(TComponent* component, TOperation operation) {
    TLMDBaseContainer::Notification(component, operation);
    if (operation != opRemove || Destroying())
        return;
    if (std::erase(items_, component) != 0)
        Change();
}

void TLMDCustomContainer::ReadItems(TStream& stream, bool positionTable) {
    const uint32_t count = ReadListCount(stream, positionTable);
    // Read into new items first: a load that fails part-way frees them and leaves the list as it was.
    std::vector<std::unique_ptr<TLMDListItem>> loaded;
    for (uint32_t i = 0; i < count; ++i) {
        loaded.emplace_back(CreateItem());
        loaded.back()->ReadRecord(stream);
    }
    BeginUpdate();
    FreeItems();
    for (auto& item : loaded)
        items_.push_back(item.release());
    EndUpdate(true);
}

void TLMDCustomContainer::WriteItems(TMemoryStream& stream, bool positionTable) {
    WriteListItems(stream, items_.size(), positionTable, [&](size_t i) { items_[i]->WriteRecord(stream); });
}

void TLMDCustomContainer::LoadFromStream(TStream& stream) {
    ReadItems(stream, false);
}

void TLMDCustomContainer::SaveToStream(TMemoryStream& stream) {
    WriteItems(stream, false);
}

void TLMDCustomContainer::LoadFromFile(const std::string& fileName) {
    TFileStream stream(fileName);
    if (!ReadListSignature(stream, ListType()))
        throw EReadError(FmtLoadStr(StrId::SInvalidListFile, ClassName()));
    ReadItems(stream, true);
}

void TLMDCustomContainer::SaveToFile(const std::string& fileName) {
    TMemoryStream stream;
    stream.Write(ListFileSignature(ListType()), kListSignatureSize);
    WriteItems(stream, true);
    SaveStreamToFile(stream, fileName);
}
