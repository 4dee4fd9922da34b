#include "tools/jsonwriter.h"

#include <cstdio>

std::string JsonQuoted(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x",
                                  static_cast<unsigned>(static_cast<unsigned char>(c)));
                    out += escape;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

void TJsonWriter::Indent() {
    text_.append(levels_.size() * 2, ' ');
}

void TJsonWriter::StartValue(std::string_view key) {
    if (levels_.empty())
        return;
    Level& level = levels_.back();
    text_ += level.empty ? "\n" : ",\n";
    level.empty = false;
    Indent();
    if (level.isObject) {
        text_ += JsonQuoted(key);
        text_ += ": ";
    }
}

void TJsonWriter::Close(char bracket) {
    if (levels_.empty())
        return;
    const bool empty = levels_.back().empty;
    levels_.pop_back();
    if (!empty) {
        text_ += '\n';
        Indent();
    }
    text_ += bracket;
    if (levels_.empty())
        text_ += '\n';
}

void TJsonWriter::BeginObject(std::string_view key) {
    StartValue(key);
    text_ += '{';
    levels_.push_back({true, true});
}

void TJsonWriter::EndObject() {
    Close('}');
}

void TJsonWriter::BeginArray(std::string_view key) {
    StartValue(key);
    text_ += '[';
    levels_.push_back({false, true});
}

void TJsonWriter::EndArray() {
    Close(']');
}

void TJsonWriter::String(std::string_view key, std::string_view utf8) {
    StartValue(key);
    text_ += JsonQuoted(utf8);
}

void TJsonWriter::Integer(std::string_view key, int64_t value) {
    StartValue(key);
    text_ += std::to_string(value);
}

void TJsonWriter::Boolean(std::string_view key, bool value) {
    StartValue(key);
    text_ += value ? "true" : "false";
}
