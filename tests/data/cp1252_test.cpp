#include "data/cp1252.h"

#include <gtest/gtest.h>

namespace mdc::data {
namespace {

TEST(Cp1252, ConvertsBothWays) {
  const struct {
    const char* cp1252;
    const char* utf8;
  } kCases[] = {
      {"Poste N\xB0 01", "Poste N° 01"},
      {"ESP:Esp\xE8" "ces", "ESP:Espèces"},
      {"\x80 5", "€ 5"},
      {"\x9C" "uf", "œuf"},
      {"", ""},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(cp1252_to_utf8(c.cp1252), c.utf8);
    EXPECT_EQ(utf8_to_cp1252(c.utf8), c.cp1252);
  }
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(utf8_to_cp1252(cp1252_to_utf8(all)), all);
}

TEST(Cp1252, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
  const struct {
    std::string utf8;
    std::string expected;
  } kCases[] = {
      {"日本", "??"},
      {"a\xF0\x9F\x98\x80" "b", "a?b"},   // emoji
      {"a\xC3", "a?"},                     // cut sequence
      {"\xFF" "x", "?x"},                  // not UTF-8 at all
      {"\xC3(", "?("},                     // bad continuation
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(utf8_to_cp1252(c.utf8), c.expected);
  }
}

}  // namespace
}  // namespace mdc::data
