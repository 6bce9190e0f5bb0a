#include "base/commands/command_registry.h"

#include <gtest/gtest.h>

namespace tablora {
namespace {

TEST(CommandRegistry, UnregisteredCommandsAreDisabledAndDoNothing) {
  CommandRegistry registry;
  EXPECT_FALSE(registry.Has(32775));
  EXPECT_FALSE(registry.IsEnabled(32775));
  EXPECT_FALSE(registry.Run(32775));
}

TEST(CommandRegistry, RunsTheHandlerOfItsIdOnly) {
  CommandRegistry registry;
  std::vector<int> ran;
  registry.Register(32775, [&] { ran.push_back(32775); });
  registry.Register(32776, [&] { ran.push_back(32776); });
  EXPECT_TRUE(registry.Run(32776));
  EXPECT_TRUE(registry.Run(32775));
  EXPECT_EQ(ran, (std::vector<int>{32776, 32775}));
}

TEST(CommandRegistry, ConditionDisablesAndSecondRegistrationReplaces) {
  CommandRegistry registry;
  bool enabled = false;
  int runs = 0;
  registry.Register(
      32781, [&] { ++runs; }, [&] { return enabled; });
  EXPECT_TRUE(registry.Has(32781));
  EXPECT_FALSE(registry.Run(32781));
  enabled = true;
  EXPECT_TRUE(registry.Run(32781));
  registry.Register(32781, [&] { runs += 10; });
  enabled = false;  // the new registration has no condition
  EXPECT_TRUE(registry.Run(32781));
  EXPECT_EQ(runs, 11);
  registry.Register(32781, nullptr);
  EXPECT_FALSE(registry.IsEnabled(32781));
}

}  // namespace
}  // namespace tablora
