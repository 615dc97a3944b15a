// libcanberra is loaded by name with the first sound, not linked: the
// program starts without it mapped, and runs without sound where it is
// missing.
#include "framework/canberra_library.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

bool canberraIsMapped()
{
    std::ifstream maps("/proc/self/maps");
    const std::string text{std::istreambuf_iterator<char>(maps), {}};
    return text.find("libcanberra.so") != std::string::npos;
}

TEST(CanberraLibrary, LoadedByNameOnlyWhenAsked)
{
    // This program links the framework as the desktop program does.
    ASSERT_FALSE(canberraIsMapped()) << "libcanberra is linked, not loaded with the first sound";

    const struct {
        const char *name;
        const char *soname;
        bool loads;
    } cases[] = {
        {"the system's libcanberra", kCanberraLibrary, true},
        {"a library that is not installed", "libzamanix-no-such-sound.so.0", false},
        {"a library without libcanberra's functions", "libm.so.6", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<CanberraFunctions> functions = LoadCanberraLibrary(c.soname);
        ASSERT_EQ(functions.has_value(), c.loads);
        if (!functions)
            continue;
        EXPECT_NE(functions->create, nullptr);
        EXPECT_NE(functions->changeProps, nullptr);
        EXPECT_NE(functions->play, nullptr);
    }
    EXPECT_TRUE(canberraIsMapped());
}

} // namespace
