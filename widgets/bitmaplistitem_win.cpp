#include <windows.h>

#include "base/memorystream.h"
#include "settings/filenames.h"
#include "widgets/bitmapfile_win.h"
#include "widgets/bitmaplist_win.h"
#include "widgets/itemrecord.h"

TLMDBitmapListItem::TLMDBitmapListItem(TComponent* owner) : TLMDListItem(owner) {
    NewBitmap();
}

TLMDBitmapListItem::~TLMDBitmapListItem() {
    BeginDestroying();
    canvas_.reset();
}

void TLMDBitmapListItem::NewBitmap() {
    canvas_.reset();
    bitmap_ = std::make_unique<TBitmap>();
    // A new image cannot stay selected in the old surface.
    bitmap_->OnChange = [this] {
        if (canvas_)
            canvas_->FreeHandle();
    };
}

TBitmap& TLMDBitmapListItem::GetBitmap() {
    if (!Loading() && !Designing() && bitmap_->Empty() && Container())
        FillFromSource();
    return *bitmap_;
}

TCanvas& TLMDBitmapListItem::Canvas() {
    if (!canvas_)
        canvas_ = std::make_unique<TBitmapCanvas>(*bitmap_);
    return *canvas_;
}

void TLMDBitmapListItem::SetBitmap(const TBitmap& bitmap) {
    if (canvas_)
        canvas_->FreeHandle();
    CopyBitmap(bitmap, *bitmap_);
}

void TLMDBitmapListItem::FreeData() {
    NewBitmap();
}

void TLMDBitmapListItem::Assign(const TLMDListItem& source) {
    TLMDListItem::Assign(source);
    if (auto* other = dynamic_cast<const TLMDBitmapListItem*>(&source)) {
        SetBitmap(const_cast<TLMDBitmapListItem*>(other)->GetBitmap());
        PixelFormat = other->PixelFormat;
    }
}

void TLMDBitmapListItem::ReadRecord(TStream& stream) {
    TLMDItemRecord record = ReadItemRecord(stream);
    // The bitmap is made before anything of the item changes: a bitmap the system refuses leaves it alone.
    auto bitmap = std::make_unique<TBitmap>();
    if (!record.data.empty()) {
        TMemoryStream bytes(std::move(record.data));
        bitmap->LoadFromStream(bytes);
    }
    NewBitmap();
    bitmap_->Assign(*bitmap);
    Description = std::move(record.description);
    Ident = record.ident;
    Compressed = record.compressed;
    PixelFormat = record.pixelFormat;
}

void TLMDBitmapListItem::WriteRecord(TMemoryStream& stream) {
    if (canvas_)
        canvas_->FreeHandle();
    TLMDItemRecord record;
    record.compressed = Compressed;
    record.description = Description;
    record.ident = Ident;
    record.pixelFormat = PixelFormat;
    record.hasData = !bitmap_->Empty();
    record.data = BitmapFileBytes(*bitmap_, PixelFormat);
    WriteItemRecord(stream, record);
}
