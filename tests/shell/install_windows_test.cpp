// The shell installs a real window into every slot of the registry: no
// command of the program meets an empty slot that silently does nothing.
#include <gtest/gtest.h>

#include "app/AppContext.h"
#include "platform/ScriptedUi.h"
#include "shell/InstallWindows.h"

namespace vemora::test {
namespace {

TEST(InstallWindowsTest, EverySlotOfTheRegistryGetsAFactory)
{
    ScriptedUi ui;
    AppContext ctx{ui};
    InstallWindows(ctx);
    const WindowRegistry& w = ctx.windows;
    EXPECT_TRUE(w.input.Installed());
    EXPECT_TRUE(w.results.Installed());
    EXPECT_TRUE(w.irrView.Installed());
    EXPECT_TRUE(w.profileView.Installed());
    EXPECT_TRUE(w.pumpView.Installed());
    EXPECT_TRUE(w.roughness.Installed());
    EXPECT_TRUE(w.roughnessView.Installed());
    EXPECT_TRUE(w.analysis.Installed());
    EXPECT_TRUE(w.dutyPoint.Installed());
    EXPECT_TRUE(w.print.Installed());
    EXPECT_TRUE(w.converter.Installed());
    EXPECT_TRUE(w.importWizard.Installed());
    EXPECT_TRUE(w.preferences.Installed());
    EXPECT_TRUE(w.about.Installed());
    EXPECT_TRUE(w.disclaimer.Installed());
    EXPECT_TRUE(w.guide.Installed());
}

} // namespace
} // namespace vemora::test
