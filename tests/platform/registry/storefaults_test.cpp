// Both hives under writers killed in the middle of their writes, and under writers changing them at once:
// never damaged, no confirmed value lost, no temporary file left after the next write.
#include "platform/core/errors.h"
#include "platform/registry/regeditformat.h"
#include "platform/registry/registry.h"
#include "registryroot.h"
#include "storeharness.h"

#include <gtest/gtest.h>

namespace orupim::registry {
namespace {

class HiveFaults : public test::RegistryRootTest, public ::testing::WithParamInterface<RootKey> {
protected:
    Hive hive() const { return GetParam() == RootKey::CurrentUser ? Hive::User : Hive::System; }
    std::filesystem::path file() const { return hive() == Hive::User ? userHive() : systemHive(); }

    test::StoreUnderTest store() const {
        const RootKey root = GetParam();
        const Hive hive = this->hive();
        const std::filesystem::path file = this->file();
        return {hive == Hive::User ? "user hive" : "system hive",
                [root] {
                    auto reg = std::make_shared<Registry>();
                    reg->setRootKey(root);
                    return [reg](int value) {
                        const std::string text = std::to_string(value);
                        try {
                            if (!reg->openKey("\\Software\\Faults", true))
                                return false;
                            reg->writeString("v" + text, text);
                            return true;
                        } catch (const RegistryError&) {
                            return false;
                        }
                    };
                },
                [hive, file] {
                    // The parse throws on a damaged file; every value must be the one its name says.
                    if (!std::filesystem::exists(file))
                        return std::set<int>();
                    RegKey top = parseHive(test::readFile(file), hive, file.string());
                    std::set<int> values;
                    if (const RegKey* key = top.find({"Software", "Faults"}))
                        for (const NamedValue& named : key->values()) {
                            if (named.value.asText() != named.name.substr(1))
                                throw std::runtime_error("a value that was never written: " + named.name);
                            values.insert(std::stoi(named.name.substr(1)));
                        }
                    return values;
                },
                file};
    }
};

TEST_P(HiveFaults, KilledWritersDamageNothingAndLoseNothing) {
    test::expectKilledWritersHarmNothing(store());
}

TEST_P(HiveFaults, ConcurrentWritersLoseNothing) {
    test::expectConcurrentWritersLoseNothing(store());
}

INSTANTIATE_TEST_SUITE_P(BothHives, HiveFaults,
                         ::testing::Values(RootKey::CurrentUser, RootKey::LocalMachine),
                         [](const auto& info) {
                             return std::string(info.param == RootKey::CurrentUser ? "User" : "System");
                         });

} // namespace
} // namespace orupim::registry
