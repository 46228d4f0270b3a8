#include "src/appearance/left_by_width.h"

#include <gtest/gtest.h>

namespace prefdesk::appearance {
namespace {

TEST(LeftByWidthTest, CountsAsciiOnceAndEveryOtherCharacterTwice) {
  EXPECT_EQ(LeftByWidth("Classic", 4), "Clas");
  EXPECT_EQ(LeftByWidth("Classic", 7), "Classic");
  EXPECT_EQ(LeftByWidth("Classic", 70), "Classic");
  // 经 and 典 take two columns each: a third column fits no further character.
  EXPECT_EQ(LeftByWidth("经典蓝", 5), "经典");
  EXPECT_EQ(LeftByWidth("经典蓝", 6), "经典蓝");
  EXPECT_EQ(LeftByWidth("A经B", 2), "A");
  EXPECT_EQ(LeftByWidth("A经B", 3), "A经");
  EXPECT_EQ(LeftByWidth("é", 1), "");
}

TEST(LeftByWidthTest, NothingFitsBelowOneAndBrokenBytesCountAsWide) {
  EXPECT_EQ(LeftByWidth("abc", 0), "");
  EXPECT_EQ(LeftByWidth("abc", -3), "");
  EXPECT_EQ(LeftByWidth("", 10), "");
  // A lone continuation byte and a cut-off sequence: one wide character each, never split.
  EXPECT_EQ(LeftByWidth("a\x80z", 3), "a\x80");
  EXPECT_EQ(LeftByWidth("a\xE7\xBB", 3), "a\xE7");
}

}  // namespace
}  // namespace prefdesk::appearance
