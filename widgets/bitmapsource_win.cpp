// Where an empty bitmap item takes its picture from, according to its list's source.

#include <windows.h>

#include <cstring>

#include "base/bytes.h"
#include "base/memorystream.h"
#include "settings/filenames.h"
#include "widgets/bitmaplist_win.h"

namespace {

std::string PrefixFolder(const TLMDCustomContainer& list) {
    char folder[MAX_PATH] = {};
    switch (list.PathPrefix) {
        case ppWindows:
            GetWindowsDirectoryA(folder, MAX_PATH);
            return NormalDir(folder);
        case ppSystem:
            GetSystemDirectoryA(folder, MAX_PATH);
            return NormalDir(folder);
        case ppProgram:
            return FileDirPart(ProgramFileName());
        case ppFixed:
            break;
    }
    return {};
}

// The bitmap resource of the program with the numeric identifier, as a bitmap file.
void LoadResourceBitmap(uint16_t ident, TBitmap& bitmap) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(ident), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return;
    const DWORD size = SizeofResource(nullptr, found);
    std::vector<uint8_t> file(14 + size);
    file[0] = 'B';
    file[1] = 'M';
    PutU32(&file[2], static_cast<uint32_t>(file.size()));
    std::memcpy(&file[14], data, size);
    TMemoryStream stream(std::move(file));
    bitmap.LoadFromStream(stream);
}

}  // namespace

void TLMDBitmapListItem::FillFromSource() {
    const TLMDCustomContainer& list = *Container();
    if (list.Source == sdComponent || list.Source == sdLibResource)
        return;  // the caller fills the bitmap; a library offers no bitmaps
    BeginUpdate();
    try {
        if (list.Source == sdFile) {
            TLMDBitmapList file(nullptr);
            file.LoadFromFile(PrefixFolder(list) + list.FileName);
            for (int i = 0; i < file.Count(); ++i)
                if (TLMDBitmapListItem* item = file.GetArrayItem(i); item && item->Ident == Ident) {
                    SetBitmap(item->GetBitmap());
                    break;
                }
        } else if (list.Source == sdAppResource) {
            LoadResourceBitmap(Ident, *bitmap_);
        } else if (list.Source == sdPath) {
            const std::string folder = list.PathPrefix == ppFixed ? FileDirPart(list.FileName) : PrefixFolder(list);
            const std::string name = list.FileName.substr(FileDirPart(list.FileName).size(), 3);
            bitmap_->LoadFromFile(folder + name + DecimalText(Ident) + ".bmp");
        }
    } catch (...) {
        EndUpdate(false);
        throw;
    }
    EndUpdate(false);
}
