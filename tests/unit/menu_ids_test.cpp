#include "runtime/menu_ids.h"

#include <gtest/gtest.h>

namespace rt {
namespace {

TEST(MenuIds, FieldAndCommandIdRoundTrip) {
  for (int field : {-1, -17, -24, -4095}) {
    const int id = MenuCommandId(field);
    EXPECT_TRUE(IsMenuCommandId(id)) << field;
    EXPECT_EQ(MenuFieldFromCommandId(id), field);
  }
  EXPECT_EQ(MenuCommandId(-17), 0x7011);
  // Control ids (positive field numbers) and MDI child ids are never taken for menu entries.
  EXPECT_FALSE(IsMenuCommandId(1));
  EXPECT_FALSE(IsMenuCommandId(0x7000));
  EXPECT_FALSE(IsMenuCommandId(0xFF00));
}

}  // namespace
}  // namespace rt
