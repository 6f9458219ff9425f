#include "platform/platform_choice.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

using lumo::platform::chosenPlatformPlugins;
using lumo::platform::DisplayVariables;

namespace {
struct Row {
    const char* name;
    DisplayVariables variables;
    std::string plugins;
};

void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

class PlatformChoiceTest : public ::testing::TestWithParam<Row> {};

TEST_P(PlatformChoiceTest, PicksThePluginsForTheSession)
{
    EXPECT_EQ(chosenPlatformPlugins(GetParam().variables), GetParam().plugins);
}

// QT_QPA_PLATFORM / DISPLAY / WAYLAND_DISPLAY, each set or not.
INSTANTIATE_TEST_SUITE_P(
    Sessions, PlatformChoiceTest,
    ::testing::Values(
        Row{"userChoiceAlone", {.qtPlatform = "offscreen"}, ""},
        Row{"userChoiceOverX11",
            {.qtPlatform = "wayland", .x11Display = ":0", .waylandDisplay = "wayland-0"},
            ""},
        Row{"userChoiceOverWayland", {.qtPlatform = "xcb", .waylandDisplay = "wayland-0"}, ""},
        Row{"waylandWithXwayland",
            {.x11Display = ":1", .waylandDisplay = "wayland-0"},
            "xcb;wayland"},
        Row{"x11Alone", {.x11Display = ":0"}, "xcb"},
        Row{"waylandWithoutXwayland", {.waylandDisplay = "wayland-1"}, "wayland"},
        Row{"noDisplay", {}, ""}),
    [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });
} // namespace
