#include "settings/font.h"

#include "settings/fontplatform.h"
#include "settings/fontpool.h"

namespace {

TFontKey DefaultKey() {
    const DefaultFontFace& face = DefaultFont();
    TFontKey key;
    SetKeyName(key, face.name);
    key.height = -PlatformMulDiv(face.size, ScreenPixelsPerInch(), 72);
    key.pitch = fpDefault;
    key.style = 0;
    key.charset = face.charset;
    return key;
}

}  // namespace

TFont::TFont()
    : data_(TResourceManager::Fonts().Acquire(DefaultKey())),
      color_(clWindowText),
      pixelsPerInch_(ScreenPixelsPerInch()) {}

TFont::~TFont() {
    TResourceManager::Fonts().Release(data_);
}

const std::string& TFont::Name() const {
    return data_->name;
}

void TFont::SetName(const std::string& name) {
    if (name.empty())
        return;
    TFontKey key = data_->key;
    SetKeyName(key, name);
    MoveTo(key);
}

int32_t TFont::Height() const {
    return data_->key.height;
}

void TFont::SetHeight(int32_t height) {
    TFontKey key = data_->key;
    key.height = height;
    MoveTo(key);
}

int32_t TFont::Size() const {
    return -PlatformMulDiv(Height(), 72, pixelsPerInch_);
}

void TFont::SetSize(int32_t size) {
    SetHeight(-PlatformMulDiv(size, pixelsPerInch_, 72));
}

TFontStyles TFont::Style() const {
    return data_->key.style;
}

void TFont::SetStyle(TFontStyles style) {
    TFontKey key = data_->key;
    key.style = style & (fsBold | fsItalic | fsUnderline | fsStrikeOut);
    MoveTo(key);
}

TFontPitch TFont::Pitch() const {
    return data_->key.pitch;
}

void TFont::SetPitch(TFontPitch pitch) {
    TFontKey key = data_->key;
    key.pitch = pitch;
    MoveTo(key);
}

TFontCharset TFont::Charset() const {
    return data_->key.charset;
}

void TFont::SetCharset(TFontCharset charset) {
    TFontKey key = data_->key;
    key.charset = charset;
    MoveTo(key);
}

void TFont::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    Changed();
}

void TFont::Assign(const TFont& source) {
    if (&source == this)
        return;
    TResourceManager& pool = TResourceManager::Fonts();
    const TFontData* previous = data_;
    const TColor previousColor = color_;
    data_ = pool.Acquire(source.data_->key);
    pool.Release(previous);
    color_ = source.color_;
    // The same size in points on a screen of another resolution.
    if (pixelsPerInch_ != source.pixelsPerInch_) {
        TFontKey key = data_->key;
        key.height = -PlatformMulDiv(source.Size(), pixelsPerInch_, 72);
        const TFontData* sized = pool.Acquire(key);
        pool.Release(data_);
        data_ = sized;
    }
    if (data_ != previous || color_ != previousColor)
        Changed();
}

void TFont::Changed() {
    if (OnChange)
        OnChange(*this);
}

void TFont::MoveTo(const TFontKey& wanted) {
    TResourceManager& pool = TResourceManager::Fonts();
    const TFontData* next = pool.Acquire(wanted);
    const TFontData* previous = data_;
    data_ = next;
    pool.Release(previous);
    if (next != previous)
        Changed();
}
