#pragma once
// The process-wide pool of font data records. Fonts with equal data share one record, found by a
// 16-bit hash of the record's bytes and then by the bytes themselves; each record counts its
// users and goes, with its platform font, when the last one lets it go. One lock guards the pool.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <type_traits>
#include <vector>

#include "base/lock.h"
#include "settings/font.h"

// The data bytes of a record. The name is zero-padded to its full width, so that equal data give
// equal bytes; `reserved` keeps the record free of padding.
struct TFontKey {
    int32_t height = 0;
    char name[32] = {};  // at most 31 characters, then zeros
    TFontPitch pitch = fpDefault;
    TFontStyles style = 0;
    TFontCharset charset = 0;
    uint8_t reserved = 0;
};
static_assert(std::has_unique_object_representations_v<TFontKey>, "font records must have no padding");

// Sets the key's name: cut to 31 characters, the rest zeros.
void SetKeyName(TFontKey& key, std::string_view name);

// 16 bits: for each byte, rotate left by 5 and combine the byte into the low 8 bits by exclusive or.
uint16_t FontKeyHash(const TFontKey& key);

// The platform's font object for a record, made when first needed for drawing (Windows only).
struct PlatformFont;
void DestroyPlatformFont(PlatformFont* font);
struct PlatformFontDeleter {
    void operator()(PlatformFont* font) const { DestroyPlatformFont(font); }
};

struct TFontData {
    TFontKey key;
    std::string name;  // key.name as text
    uint16_t hash = 0;
    int useCount = 0;
    std::unique_ptr<PlatformFont, PlatformFontDeleter> platformFont;
};

class TResourceManager {
public:
    // The one pool of every font in the process.
    static TResourceManager& Fonts();

    // The shared record with these data, its use count raised (a new record starts at 1).
    const TFontData* Acquire(const TFontKey& key);
    // Lowers the use count; at 0 the record and its platform font are removed.
    void Release(const TFontData* data);
    // The record's platform font, made by `make` under the lock on first use and kept after.
    PlatformFont* Realise(const TFontData* data, PlatformFont* (*make)(const TFontKey&));

    size_t RecordCount() const;
    int UseCount(const TFontData* data) const;

private:
    mutable TLock lock_;
    std::vector<std::unique_ptr<TFontData>> records_;
};
