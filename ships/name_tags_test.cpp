#include "ships/name_tags.h"

#include <gtest/gtest.h>

namespace ships {
namespace {

TEST(TaggedName, SpeciesPrefixesAreCaseSensitiveAndNeedThreeCharacters) {
  struct Case {
    const char* type;
    const char* expected;
  } cases[] = {
      {"Ixa raider", "IXA-Wisp"}, {"Qor", "QOR-Wisp"},     {"Kyv hauler", "KYV-Wisp"},
      {"Jev courier", "JEV-Wisp"}, {"YTT frigate", "YTT-Wisp"}, {"qor raider", "Wisp"},
      {"QOR raider", "Wisp"},      {"Ytt frigate", "Wisp"},   {"Qo", "Wisp"},
      {"", "Wisp"},                {"Trader", "Wisp"},
  };
  for (const auto& k : cases) EXPECT_EQ(tagged_name("Wisp", k.type), k.expected) << k.type;
}

}  // namespace
}  // namespace ships
