#pragma once
// A bitmap picture loaded from a BMP file or stream. Bitmaps assigned to each other share one
// image; loading gives the bitmap a new image of its own.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "base/memorystream.h"
#include "base/stream.h"
#include "shell/bitmapimage_win.h"

class TBitmap {
public:
    TBitmap() = default;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    // Called after the image changed (a load or an assignment).
    std::function<void()> OnChange;

    // Loads the named file; EFOpenError when it cannot be opened. A failed load keeps the image.
    void LoadFromFile(const std::string& file_name);
    // Loads from the stream's position to its end. Nothing left gives an empty bitmap, silently.
    void LoadFromStream(TStream& stream);
    // Shares the source's image.
    void Assign(const TBitmap& source);

    int Width() const;
    int Height() const;  // always positive, also for top-down files
    bool Empty() const { return Handle() == nullptr; }
    HBITMAP Handle() const { return image_ ? image_->handle.get() : nullptr; }
    HPALETTE Palette() const { return image_ ? image_->palette.get() : nullptr; }
    // The system's description of the bitmap, with the file's resolution and colour counts.
    const DIBSECTION* Description() const { return image_ ? &image_->dib : nullptr; }
    // Whether the file had the core (OS/2) header.
    bool IsOS2() const { return image_ && image_->os2; }
    // The header and compressed data of a compressed file; null otherwise.
    const TMemoryStream* CompressedData() const { return image_ ? image_->compressedData.get() : nullptr; }

private:
    void Changed();

    std::shared_ptr<TBitmapImage> image_;
};
