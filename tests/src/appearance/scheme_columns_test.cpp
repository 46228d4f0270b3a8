// The appearance library and the component name the 45 appearance values alike: the scheme
// columns after the three names are the component's values, in its order and with its types.
#include <gtest/gtest.h>

#include <string>

#include "platform/appearancelib/scheme.h"
#include "src/state/appearance_values.h"

namespace prefdesk::appearance {
namespace {

TEST(SchemeColumnsTest, FollowTheComponentsAppearanceValues) {
  const auto& infos = state::AppearanceValueInfos();
  ASSERT_EQ(appearancelib::kSchemeValueCount, state::kAppearanceValueCount);
  for (int i = 0; i < state::kAppearanceValueCount; ++i) {
    const auto& column = appearancelib::SchemeColumns()[static_cast<size_t>(appearancelib::kSchemeNameCount + i)];
    EXPECT_EQ(column.name, infos[static_cast<size_t>(i)].name) << i;
    EXPECT_EQ(column.type, infos[static_cast<size_t>(i)].type) << column.name;
  }
}

}  // namespace
}  // namespace prefdesk::appearance
