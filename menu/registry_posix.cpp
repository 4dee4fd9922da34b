#include "menu/registry.h"

namespace {

// Other hosts have no registry: no key exists, so every macro falls back.
class TNoRegistry final : public TRegistryReader {
public:
    std::unique_ptr<TRegistryKey> OpenKey(RegistryRoot, const std::string&) override { return nullptr; }
};

}  // namespace

std::unique_ptr<TRegistryReader> PlatformRegistry() {
    return std::make_unique<TNoRegistry>();
}
