#pragma once
// An in-memory registry for tests of the macro pass: keys by root and path, values by name, each
// value either text or of a non-string type. Records every open so tests can check what was asked.

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/exceptions.h"
#include "base/strings.h"
#include "menu/registry.h"

class TMemoryRegistry final : public TRegistryReader {
public:
    struct Value {
        std::string text;
        bool isString = true;
    };
    using Values = std::map<std::string, Value>;

    void AddKey(RegistryRoot root, const std::string& path) { keys_[{root, path}]; }
    void SetString(RegistryRoot root, const std::string& path, const std::string& name, const std::string& text) {
        keys_[{root, path}][name] = {text, true};
    }
    void SetNonString(RegistryRoot root, const std::string& path, const std::string& name) {
        keys_[{root, path}][name] = {"", false};
    }

    std::unique_ptr<TRegistryKey> OpenKey(RegistryRoot root, const std::string& path) override {
        opened.emplace_back(root, path);
        const auto found = keys_.find({root, path});
        if (found == keys_.end())
            return nullptr;
        return std::make_unique<Key>(found->second);
    }

    std::vector<std::pair<RegistryRoot, std::string>> opened;

private:
    class Key final : public TRegistryKey {
    public:
        explicit Key(const Values& values) : values_(values) {}
        std::string ReadString(const std::string& name) override {
            const auto found = values_.find(name);
            if (found == values_.end())
                return {};
            if (!found->second.isString)
                throw ERegistryException(FmtLoadStr(StrId::SInvalidRegType, name.c_str()));
            return found->second.text;
        }

    private:
        const Values& values_;
    };

    std::map<std::pair<RegistryRoot, std::string>, Values> keys_;
};
