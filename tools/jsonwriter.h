#pragma once
// A small JSON writer for the tools' reports: objects, arrays, strings, integers and booleans,
// indented by two spaces per level. Strings must already be UTF-8.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The text as a JSON string literal: quotes, backslash and control characters escaped.
std::string JsonQuoted(std::string_view utf8);

class TJsonWriter {
public:
    // `key` names the member inside an object and is ignored inside an array or at the top.
    void BeginObject(std::string_view key = {});
    void EndObject();
    void BeginArray(std::string_view key = {});
    void EndArray();
    void String(std::string_view key, std::string_view utf8);
    void Integer(std::string_view key, int64_t value);
    void Boolean(std::string_view key, bool value);

    // The document written so far, ending in a line break once the outermost value is closed.
    const std::string& Text() const { return text_; }

private:
    struct Level {
        bool isObject;
        bool empty;
    };
    void StartValue(std::string_view key);
    void Close(char bracket);
    void Indent();

    std::string text_;
    std::vector<Level> levels_;
};
