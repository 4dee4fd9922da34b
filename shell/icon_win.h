#pragma once
// An icon loaded from an ICO file or stream, or wrapping an icon handle. The file is kept in
// memory and decoded when the handle is first needed. Icons assigned to each other share one image.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "base/handles_win.h"
#include "base/memorystream.h"
#include "base/stream.h"

class TIcon {
public:
    TIcon() = default;
    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;

    // Called after the image changed (a load, an assignment or a new handle).
    std::function<void()> OnChange;

    // Loads the named file; EFOpenError when it cannot be opened. A failed load keeps the image.
    void LoadFromFile(const std::string& file_name);
    // Copies the stream from its position to its end and checks the icon header.
    void LoadFromStream(TStream& stream);
    // Shares the source's image.
    void Assign(const TIcon& source);
    // Wraps an icon handle, for instance a resource icon; owned handles are destroyed with the image.
    void SetHandle(HICON icon, bool owned);

    // The icon handle, decoding loaded data on first use (errors as the decoding raises them).
    HICON Handle() const;
    bool Empty() const;
    // The size of the image in use (known once decoded).
    int Width() const { return image_ ? image_->width : 0; }
    int Height() const { return image_ ? image_->height : 0; }

    // The size to decode for; 0 x 0 means the system's icon size. Ignored once there is a handle.
    void SetRequestedSize(int width, int height);
    int RequestedWidth() const { return requestedWidth_; }
    int RequestedHeight() const { return requestedHeight_; }

private:
    struct Image {
        std::shared_ptr<TMemoryStream> data;  // the icon file as loaded; null for wrapped handles
        UniqueIcon owned;                     // the handle when this image must destroy it
        HICON handle = nullptr;
        int width = 0;
        int height = 0;
    };

    void Changed();

    std::shared_ptr<Image> image_;
    int requestedWidth_ = 0;
    int requestedHeight_ = 0;
};
