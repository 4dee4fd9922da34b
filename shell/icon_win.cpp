#include "shell/icon_win.h"

#include "base/filestream.h"
#include "base/icoformat.h"
#include "shell/icondecode_win.h"

void TIcon::LoadFromFile(const std::string& file_name) {
    TFileStream stream(file_name);
    LoadFromStream(stream);
}

void TIcon::LoadFromStream(TStream& stream) {
    auto data = std::make_shared<TMemoryStream>();
    data->AppendRest(stream);
    ReadIconHeader(*data);
    auto image = std::make_shared<Image>();
    image->data = std::move(data);
    image_ = std::move(image);
    Changed();
}

void TIcon::Assign(const TIcon& source) {
    if (&source == this)
        return;
    image_ = source.image_;
    Changed();
}

void TIcon::SetHandle(HICON icon, bool owned) {
    auto image = std::make_shared<Image>();
    image->handle = icon;
    if (owned)
        image->owned.reset(icon);
    ICONINFO info{};
    if (icon && GetIconInfo(icon, &info)) {
        UniqueBitmap mask(info.hbmMask);
        UniqueBitmap color(info.hbmColor);
        BITMAP description{};
        GetObjectA(mask.get(), sizeof description, &description);
        image->width = description.bmWidth;
        // Without a colour part the mask holds the AND and XOR halves one above the other.
        image->height = color ? description.bmHeight : description.bmHeight / 2;
    }
    image_ = std::move(image);
    Changed();
}

HICON TIcon::Handle() const {
    if (!image_)
        return nullptr;
    Image& image = *image_;
    if (image.handle || !image.data)
        return image.handle;
    image.data->SetPosition(0);
    if (ReadIconHeader(*image.data).type == 0) {
        // Type 0 stands for the system's default application icon, which is shared, not ours.
        image.handle = LoadIconA(nullptr, IDI_APPLICATION);
        image.width = GetSystemMetrics(SM_CXICON);
        image.height = GetSystemMetrics(SM_CYICON);
        return image.handle;
    }
    TDecodedIcon decoded = DecodeIcon(*image.data, requestedWidth_, requestedHeight_);
    image.width = decoded.width;
    image.height = decoded.height;
    image.handle = decoded.icon.get();
    image.owned = std::move(decoded.icon);
    return image.handle;
}

bool TIcon::Empty() const {
    return !image_ || (!image_->handle && !image_->data);
}

void TIcon::SetRequestedSize(int width, int height) {
    if (image_ && image_->handle)
        return;
    requestedWidth_ = width;
    requestedHeight_ = height;
}

void TIcon::Changed() {
    if (OnChange)
        OnChange();
}
