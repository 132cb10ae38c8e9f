#include "app/store/profile_values.h"

#include <gtest/gtest.h>

#include <string>

namespace sorimo {
namespace {

TEST(ProfileValues, IntegersAreDecimalOrPrefixedHex) {
  struct Case {
    const char* text;
    int32_t expected;
  };
  const Case cases[] = {
      {"12", 12},           {"007", 7},          {"-7", -7},         {"+5", 5},
      {"0x4", 4},           {"0X1f", 31},        {"0xFFFFFFFF", -1}, {"0x00808000", 8421376},
      {"2147483647", INT32_MAX},                 {"-2147483648", INT32_MIN},
      // Everything below is malformed and gives the default (-99).
      {"", -99},            {"-", -99},          {"0x", -99},        {"0X", -99},
      {"0x4g", -99},        {"0x-4", -99},       {"0x100000000", -99},
      {"12abc", -99},       {"1 2", -99},        {"1.5", -99},       {"abc", -99},
      {"2147483648", -99},  {"-2147483649", -99}, {"99999999999999999999999", -99},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseProfileInteger(c.text, -99), c.expected) << c.text;
}

TEST(ProfileValues, TypedReadsOfADocument) {
  const ProfileDocument doc = ProfileDocument::Parse(
      "[Sorimo]\n"
      "Invert=7\n"
      "Shadows=0\n"
      "Winnable=yes\n"
      "Highlight= 0x4 \n"
      "Long=" + std::string(1500, 'a') + "\n"
      "Blank=   \n");
  EXPECT_TRUE(ReadBool(doc, "Sorimo", "Invert", false)) << "any non-zero number is true";
  EXPECT_FALSE(ReadBool(doc, "Sorimo", "Shadows", true));
  EXPECT_TRUE(ReadBool(doc, "Sorimo", "Winnable", true)) << "not a number: the default";
  EXPECT_FALSE(ReadBool(doc, "Sorimo", "Winnable", false));
  EXPECT_TRUE(ReadBool(doc, "Sorimo", "Missing", true));
  EXPECT_EQ(ReadInteger(doc, "Sorimo", "Highlight", 3), 4);
  EXPECT_EQ(ReadInteger(doc, "Sorimo", "Blank", 3), 3);
  EXPECT_EQ(ReadText(doc, "Sorimo", "Long", "").size(), kMaxValueLength);
  EXPECT_EQ(ReadText(doc, "Sorimo", "Blank", "default"), "") << "present but empty";
  EXPECT_EQ(ReadText(doc, "Sorimo", "Missing", "default"), "default");
  EXPECT_EQ(IntegerText(-1), "-1");
  EXPECT_EQ(BoolText(true), "1");
  EXPECT_EQ(BoolText(false), "0");
}

}  // namespace
}  // namespace sorimo
