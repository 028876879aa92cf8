#include "shell/common/ui_text.h"

#include <gtest/gtest.h>

namespace mdc::shell {
namespace {

TEST(UiText, RecordTextMeetsTheScreenThroughCodePage1252) {
  const struct {
    std::string_view cp1252;
    const char* shown;  // UTF-8
  } kCases[] = {
      {"Caisses Distantes", "Caisses Distantes"},
      {"R\xE9" "cup", "Récup"},
      {"\x80 12,50", "€ 12,50"},
      {"N\xB0 3 \x9C" "uf", "N° 3 œuf"},
      {"", ""},
  };
  for (const auto& c : kCases) {
    const QString shown = from_cp1252(c.cp1252);
    EXPECT_EQ(shown, QString::fromUtf8(c.shown)) << c.shown;
    EXPECT_EQ(to_cp1252(shown), c.cp1252) << c.shown;
  }
}

TEST(UiText, TypedCharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(to_cp1252(QString::fromUtf8("Caf\xC3\xA9 \xE4\xB8\xAD")), "Caf\xE9 ?");
  EXPECT_EQ(to_utf8(from_utf8("Créer")), "Créer");
}

}  // namespace
}  // namespace mdc::shell
