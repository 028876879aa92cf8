#include "shell/common/buttons.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "shell/common/frame.h"
#include "shell/common/icc.h"

namespace mdc::shell {
namespace {

TEST(ButtonDescriptor, SlotIconAndCaptionByPosition) {
  const struct {
    const char* text;
    ButtonDescriptor expected;
  } kCases[] = {
      {"001:124:Valider", {1, 124, "Valider"}},
      {"000:108:fin", {0, 108, "fin"}},
      {"001:131:Créer", {1, 131, "Créer"}},
      {"006:124:Oui", {6, 124, "Oui"}},
      {"001:124:", {1, 124, ""}},            // empty caption
      {"001:124", {1, 124, ""}},             // no caption at all
      {"002:029: Export  ", {2, 29, " Export  "}},  // caption as it is
      {"abc:def:Texte", {0, 0, "Texte"}},    // no numbers: 0
      {"  5:  7:x", {5, 7, "x"}},
      {"", {0, 0, ""}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(parse_button_descriptor(QString::fromUtf8(c.text)), c.expected) << c.text;
  }
}

class ButtonBarTest : public ::testing::Test {
 protected:
  ButtonBarTest() {
    window_.resize(1024, 738);
    bar_->add_slot(1, 8040, 4860);
    bar_->add_usual_slot(0);
  }
  QWidget* control(const QString& name, int slot) {
    return find_control(window_, name, slot);
  }

  QWidget window_;
  ButtonBar* bar_ = new ButtonBar(window_);
};

TEST_F(ButtonBarTest, SlotsAreHiddenUntilADescriptorActivatesThem) {
  for (int slot : {0, 1}) {
    for (const QString& name : {kButtonName, kIconName, kCaptionName}) {
      ASSERT_NE(control(name, slot), nullptr) << name.toStdString() << slot;
      EXPECT_TRUE(control(name, slot)->isHidden()) << name.toStdString() << slot;
    }
  }
  EXPECT_EQ(control(kButtonName, 0)->geometry(), QRect(933, 630, 73, 73));
  EXPECT_EQ(control(kButtonName, 1)->geometry(), QRect(536, 324, 73, 73));
}

TEST_F(ButtonBarTest, DescriptorPlacesIconAndCaptionOnTheButton) {
  window_.show();
  add_program_button(window_, QStringLiteral("001:124:Valider"));

  auto* button = qobject_cast<QLabel*>(control(kButtonName, 1));
  auto* icon = qobject_cast<QLabel*>(control(kIconName, 1));
  auto* caption = qobject_cast<QLabel*>(control(kCaptionName, 1));
  EXPECT_TRUE(button->isVisible());
  EXPECT_TRUE(button->isEnabled());
  EXPECT_EQ(button->pixmap().cacheKey(),
            icc().picture(kButtonGroup, kButtonBackground).cacheKey());
  EXPECT_TRUE(icon->isVisible());
  EXPECT_EQ(icon->pixmap().cacheKey(), icc().picture(kIconGroup, 124).cacheKey());
  EXPECT_EQ(icon->pos(), button->pos() + QPoint(20, 6));
  EXPECT_TRUE(caption->isVisible());
  EXPECT_EQ(caption->text(), QStringLiteral("Valider"));
  EXPECT_EQ(caption->geometry(), QRect(button->x() + 2, button->y() + 46, 71, 17));
  EXPECT_EQ(caption->palette().color(QPalette::WindowText), QColor(Qt::black));
  EXPECT_TRUE(caption->font().bold());
  // In front: the caption above the icon above the button.
  const QObjectList& stacking = window_.children();
  EXPECT_LT(stacking.indexOf(button), stacking.indexOf(icon));
  EXPECT_LT(stacking.indexOf(icon), stacking.indexOf(caption));
  // Slot 0 stays hidden.
  EXPECT_TRUE(control(kButtonName, 0)->isHidden());
}

TEST_F(ButtonBarTest, ADescriptorAgainChangesTheSlot) {
  window_.show();
  add_program_button(window_, QStringLiteral("001:124:Valider"));
  add_program_button(window_, QStringLiteral("001:129:"));
  EXPECT_EQ(qobject_cast<QLabel*>(control(kCaptionName, 1))->text(), QString());
  EXPECT_EQ(qobject_cast<QLabel*>(control(kIconName, 1))->pixmap().cacheKey(),
            icc().picture(kIconGroup, 129).cacheKey());
}

TEST_F(ButtonBarTest, MissingSlotsAndPicturesLeaveThatPartUndone) {
  window_.show();
  add_program_button(window_, QStringLiteral("007:124:Nulle part"));  // no slot 7
  add_program_button(window_, QStringLiteral("000:999:Fin"));         // no icon 999
  EXPECT_TRUE(control(kButtonName, 0)->isVisible());
  EXPECT_TRUE(control(kIconName, 0)->isHidden());
  EXPECT_EQ(qobject_cast<QLabel*>(control(kCaptionName, 0))->text(), QStringLiteral("Fin"));

  QWidget bare;  // a window without any slot
  add_program_button(bare, QStringLiteral("000:108:Fin"));
  EXPECT_TRUE(bare.children().isEmpty());
}

TEST_F(ButtonBarTest, ClicksOnButtonOrCaptionAreClicksOfTheSlot) {
  window_.show();
  add_program_button(window_, QStringLiteral("000:108:Fin"));
  add_program_button(window_, QStringLiteral("001:003:Analyse"));
  QSignalSpy clicks(bar_, &ButtonBar::clicked);
  QTest::mouseClick(control(kButtonName, 0), Qt::LeftButton);
  QTest::mouseClick(control(kCaptionName, 1), Qt::LeftButton);
  QTest::mouseClick(control(kButtonName, 1), Qt::RightButton);  // not a click
  ASSERT_EQ(clicks.size(), 2);
  EXPECT_EQ(clicks[0][0].toInt(), 0);
  EXPECT_EQ(clicks[1][0].toInt(), 1);
  EXPECT_TRUE(control(kIconName, 0)->testAttribute(Qt::WA_TransparentForMouseEvents));
}

}  // namespace
}  // namespace mdc::shell
