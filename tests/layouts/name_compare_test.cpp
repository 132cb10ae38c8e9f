#include "layouts/name_compare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace sorimo {
namespace {

std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return CompareLayoutNames(a, b) < 0; });
  return names;
}

TEST(NameCompare, IgnoresCaseAndSortsAccentedLettersWithTheirPlainOnes) {
  EXPECT_EQ(Sorted({"beta", "Alpha", "gamma", "Delta"}), (std::vector<std::string>{"Alpha", "beta", "Delta", "gamma"}));
  // é sorts as e, ß as ss, Ł as l; Greek and Cyrillic capitals as their small letters.
  EXPECT_EQ(Sorted({"Fan", "\xC3\x89" "clair", "Eagle", "Ezra"}),
            (std::vector<std::string>{"Eagle", "\xC3\x89" "clair", "Ezra", "Fan"}));
  EXPECT_EQ(Sorted({"Strauss", "Stra\xC3\x9F" "e", "Strasse"}),
            (std::vector<std::string>{"Strasse", "Stra\xC3\x9F" "e", "Strauss"}));
  EXPECT_EQ(Sorted({"\xC5\x81" "odz", "Lima", "Lyon"}), (std::vector<std::string>{"Lima", "\xC5\x81" "odz", "Lyon"}));
  EXPECT_TRUE(SameNameIgnoringCase("\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1", "\xCE\xB1\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1"));  // Αθήνα
  EXPECT_TRUE(SameNameIgnoringCase("\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0",   // Москва
                                   "\xD0\xBC\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0"));  // москва
  // The plain letter comes before the accented one; then upper case before lower.
  EXPECT_LT(CompareLayoutNames("Cafe", "Caf\xC3\xA9"), 0);
  EXPECT_LT(CompareLayoutNames("Arena", "arena"), 0);
  EXPECT_EQ(CompareLayoutNames("Arena", "Arena"), 0);
}

TEST(NameCompare, IsAStrictOrderEvenOnBrokenUtf8) {
  const std::vector<std::string> names = {"a", "A", "\xFF", "\xC3", "\xC3\xA9", "e", "E", "\xE9", "", " ",
                                          "\xC3\x28", "z\xF0\x9F\x98\x80", "Z", "\xED\xA0\x80", "\xC0\xAF"};
  for (const std::string& a : names) {
    EXPECT_EQ(CompareLayoutNames(a, a), 0);
    for (const std::string& b : names) {
      if (a == b) continue;
      const int ab = CompareLayoutNames(a, b), ba = CompareLayoutNames(b, a);
      EXPECT_NE(ab, 0) << a << " / " << b;
      EXPECT_EQ(ab, -ba) << a << " / " << b;
      for (const std::string& c : names) {
        if (ab < 0 && CompareLayoutNames(b, c) < 0) {
          EXPECT_LT(CompareLayoutNames(a, c), 0);
        }
      }
    }
  }
}

TEST(NameCompare, SameNameIgnoresCaseButNotAccents) {
  EXPECT_TRUE(SameNameIgnoringCase("Traditional", "TRADITIONAL"));
  EXPECT_TRUE(SameNameIgnoringCase("\xC3\x89t\xC3\xA9", "\xC3\xA9T\xC3\x89"));  // Été / éTÉ
  EXPECT_FALSE(SameNameIgnoringCase("Cafe", "Caf\xC3\xA9"));
  EXPECT_FALSE(SameNameIgnoringCase("Arena", "Arena "));
}

}  // namespace
}  // namespace sorimo
