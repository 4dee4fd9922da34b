#include "shell/bitmap_win.h"

#include <cstdlib>

#include "base/bmpformat.h"
#include "base/filestream.h"

void TBitmap::LoadFromFile(const std::string& file_name) {
    TFileStream stream(file_name);
    LoadFromStream(stream);
}

void TBitmap::LoadFromStream(TStream& stream) {
    if (stream.Size() - stream.Position() <= 0) {
        image_.reset();
        return;
    }
    TBitmapLayout layout = ReadBitmapLayout(stream);
    image_ = CreateBitmapImage(layout, stream);
    Changed();
}

void TBitmap::Assign(const TBitmap& source) {
    if (&source == this)
        return;
    image_ = source.image_;
    Changed();
}

int TBitmap::Width() const {
    return image_ ? image_->dib.dsBm.bmWidth : 0;
}

int TBitmap::Height() const {
    return image_ ? std::abs(image_->dib.dsBm.bmHeight) : 0;
}

void TBitmap::Changed() {
    if (OnChange)
        OnChange();
}
