#include "widgets/buttonlook_win.h"

#include <cstring>

bool TButtonLookKey::operator==(const TButtonLookKey& other) const {
    return buttonStamp == other.buttonStamp && backgroundStamp == other.backgroundStamp &&
           background.x == other.background.x && background.y == other.background.y && width == other.width &&
           height == other.height && style == other.style && state == other.state && mouseOver == other.mouseOver &&
           enabled == other.enabled && std::memcmp(&font, &other.font, sizeof font) == 0 &&
           std::memcmp(colours, other.colours, sizeof colours) == 0 && caption == other.caption;
}

HDC TButtonLooks::Find(const TButtonLookKey& key) {
    for (Entry& entry : entries_)
        if (entry.valid && entry.key == key) {
            entry.used = ++clock_;
            return entry.dc.get();
        }
    return nullptr;
}

bool TButtonLooks::Resize(Entry& entry, int width, int height) {
    if (entry.bitmap && entry.width == width && entry.height == height)
        return true;
    entry.valid = false;
    entry.selected.reset();
    WindowDC screen(nullptr);
    entry.bitmap.reset(screen ? CreateCompatibleBitmap(screen.get(), width, height) : nullptr);
    entry.width = entry.bitmap ? width : 0;
    entry.height = entry.bitmap ? height : 0;
    if (!entry.bitmap)
        return false;
    entry.selected = ScopedSelect(entry.dc.get(), entry.bitmap.get());
    return true;
}

HDC TButtonLooks::Add(const TButtonLookKey& key) {
    if (!made_) {
        made_ = true;
        // Every picture is made at once, so that the program holds as many objects from the first
        // kept look on: a later look only replaces a picture of another size.
        for (Entry& entry : entries_) {
            entry.dc.reset(CreateCompatibleDC(nullptr));
            if (entry.dc)
                Resize(entry, key.width, key.height);
        }
    }
    Entry* oldest = &entries_[0];
    for (Entry& entry : entries_)
        if (entry.used < oldest->used)
            oldest = &entry;
    oldest->valid = false;
    if (!oldest->dc || !Resize(*oldest, key.width, key.height))
        return nullptr;
    oldest->key = key;
    oldest->valid = true;
    oldest->used = ++clock_;
    return oldest->dc.get();
}

void TButtonLooks::Drop(const TButtonLookKey& key) {
    for (Entry& entry : entries_)
        if (entry.valid && entry.key == key)
            entry.valid = false;
}

TButtonLooks& ButtonLooks() {
    static TButtonLooks looks;
    return looks;
}
