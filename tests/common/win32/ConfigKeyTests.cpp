// The module's registry key and the `Enabled` switch.
#include <gtest/gtest.h>

#include <optional>

#include "ControllerConfig.h"
#include "common/win32/ConfigKey.h"

namespace vt {
namespace {

TEST(ConfigKey, EnabledText) {
    struct Row {
        const char* text;
        bool enabled;
    } rows[] = {
        {"1", true}, {"-3", true}, {"0010", true}, {"0", false}, {"", false},
        {"yes", false}, {"1x", false}, {" 1", false}, {"99999999999", false},
    };
    for (const Row& row : rows) EXPECT_EQ(EnabledFromText(row.text), row.enabled) << "\"" << row.text << "\"";
}

TEST(ConfigKey, EnabledFromTheRegistry) {
    ControllerValueRestorer restore("Enabled");
    struct Row {
        const char* name;
        std::optional<std::string> value;
        bool enabled;
    } rows[] = {
        {"one", std::string("1"), true},
        {"zero", std::string("0"), false},
        {"missing", std::nullopt, false},
        {"not a number", std::string("on"), false},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(SetControllerValue("Enabled", row.value)) << row.name;
        UniqueRegistryKey key = OpenConfigKey();
        ASSERT_TRUE(key) << row.name;
        EXPECT_EQ(ReadEnabled(key.get()), row.enabled) << row.name;
    }
}

}  // namespace
}  // namespace vt
