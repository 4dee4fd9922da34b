#include "settings/fontpool.h"

#include <algorithm>
#include <cstring>

void SetKeyName(TFontKey& key, std::string_view name) {
    name = name.substr(0, name.find('\0'));  // a face name is a C string
    std::memset(key.name, 0, sizeof key.name);
    std::memcpy(key.name, name.data(), std::min(name.size(), sizeof key.name - 1));
}

uint16_t FontKeyHash(const TFontKey& key) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&key);
    uint16_t hash = 0;
    for (size_t i = 0; i < sizeof key; ++i)
        hash = static_cast<uint16_t>(((hash << 5) | (hash >> 11)) ^ bytes[i]);
    return hash;
}

TResourceManager& TResourceManager::Fonts() {
    // Never destroyed: fonts held by other static objects may outlive any ordinary static.
    static auto* pool = new TResourceManager;
    return *pool;
}

const TFontData* TResourceManager::Acquire(const TFontKey& key) {
    const uint16_t hash = FontKeyHash(key);
    std::lock_guard<TLock> guard(lock_);
    for (const auto& record : records_) {
        if (record->hash == hash && std::memcmp(&record->key, &key, sizeof key) == 0) {
            ++record->useCount;
            return record.get();
        }
    }
    auto record = std::make_unique<TFontData>();
    record->key = key;
    record->name.assign(key.name, strnlen(key.name, sizeof key.name));
    record->hash = hash;
    record->useCount = 1;
    records_.push_back(std::move(record));
    return records_.back().get();
}

void TResourceManager::Release(const TFontData* data) {
    std::unique_ptr<TFontData> removed;  // destroyed (with its platform font) after the lock is let go
    std::lock_guard<TLock> guard(lock_);
    const auto found = std::find_if(records_.begin(), records_.end(), [&](const auto& r) { return r.get() == data; });
    if (found == records_.end() || --(*found)->useCount > 0)
        return;
    removed = std::move(*found);
    records_.erase(found);
}

PlatformFont* TResourceManager::Realise(const TFontData* data, PlatformFont* (*make)(const TFontKey&)) {
    std::lock_guard<TLock> guard(lock_);
    auto* record = const_cast<TFontData*>(data);
    if (!record->platformFont)
        record->platformFont.reset(make(record->key));
    return record->platformFont.get();
}

size_t TResourceManager::RecordCount() const {
    std::lock_guard<TLock> guard(lock_);
    return records_.size();
}

int TResourceManager::UseCount(const TFontData* data) const {
    std::lock_guard<TLock> guard(lock_);
    for (const auto& record : records_)
        if (record.get() == data)
            return record->useCount;
    return 0;
}
