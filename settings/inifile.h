#pragma once
// The INI reader family. TCustomIniFile derives the integer and boolean readers from ReadString;
// TIniFile reads through the platform's private-profile function, or from one copy of the file's
// bytes where the program's own lookup answers exactly as that function does; TRxIniFile adds
// colours and fonts.

#include <cstdint>
#include <memory>
#include <string>

#include "settings/color.h"

class TFont;
class TProfileIndex;

class TCustomIniFile {
public:
    explicit TCustomIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
    virtual ~TCustomIniFile() = default;
    TCustomIniFile(const TCustomIniFile&) = delete;
    TCustomIniFile& operator=(const TCustomIniFile&) = delete;

    const std::string& FileName() const { return fileName_; }

    // The value of the key, at most 2047 characters; `fallback` when the file, section or key is absent.
    virtual std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) = 0;
    virtual int32_t ReadInteger(const std::string& section, const std::string& key, int32_t fallback);
    virtual bool ReadBool(const std::string& section, const std::string& key, bool fallback);

private:
    std::string fileName_;
};

class TIniFile : public TCustomIniFile {
public:
    explicit TIniFile(std::string fileName);
    ~TIniFile() override;
    std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) override;

private:
    // Windows: the file's text, read once at the first read, when the own lookup gives the platform
    // function's answers on it; otherwise every read is one call of that function.
    std::unique_ptr<const TProfileIndex> text_;
    bool textTaken_ = false;
};

class TRxIniFile : public TIniFile {
public:
    explicit TRxIniFile(std::string fileName) : TIniFile(std::move(fileName)) {}

    const std::string& GetItemName() const { return itemName_; }
    void SetItemName(std::string name) { itemName_ = std::move(name); }

    // A colour value or identifier; `fallback` when absent or malformed.
    TColor ReadColor(const std::string& section, const std::string& key, TColor fallback);
    // Applies the font text of the key to `font` in place (fields up to the first bad one); returns `font`.
    TFont& ReadFont(const std::string& section, const std::string& key, TFont& font);

private:
    std::string itemName_ = "Item";
};
