#include "shell/common/form97.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "data/cp1252.h"
#include "platform/core/fake_env.h"
#include "platform/qt/screen_units.h"
#include "shell/common/frame.h"
#include "tests/support/dialog_answer.h"
#include "tests/support/temp_folder.h"

namespace mdc::shell {
namespace {

using test::DialogAnswers;

// A GIF of w × h pixels in two colours, written without compression: with
// 8-bit codes each pixel is one literal byte, and a clear code every 100
// pixels keeps the code width from growing.
std::string gif_picture(int w, int h) {
  constexpr int kMinCodeSize = 7;
  constexpr unsigned char kClear = 1 << kMinCodeSize, kEnd = kClear + 1;
  std::string gif = "GIF89a";
  auto le16 = [&gif](int v) {
    gif += static_cast<char>(v & 0xFF);
    gif += static_cast<char>((v >> 8) & 0xFF);
  };
  le16(w);
  le16(h);
  gif += static_cast<char>(0xF6);  // global table of 128 colours
  gif += '\0';
  gif += '\0';
  std::string colours(128 * 3, '\0');
  colours[0] = colours[1] = colours[2] = static_cast<char>(0xFF);
  gif += colours;
  gif += ',';
  le16(0);
  le16(0);
  le16(w);
  le16(h);
  gif += '\0';
  gif += static_cast<char>(kMinCodeSize);
  std::string codes(1, static_cast<char>(kClear));
  for (int i = 0; i < w * h; ++i) {
    if (i > 0 && i % 100 == 0) codes += static_cast<char>(kClear);
    codes += static_cast<char>((i / w + i % w) % 2);
  }
  codes += static_cast<char>(kEnd);
  for (std::size_t at = 0; at < codes.size(); at += 255) {
    const std::string block = codes.substr(at, 255);
    gif += static_cast<char>(block.size());
    gif += block;
  }
  gif += '\0';
  gif += ';';
  return gif;
}

class Form97Test : public ::testing::Test {
 protected:
  void request(std::string text, int code, std::int16_t icon = 0) {
    ctx_.dialog().dialog_text = std::move(text);
    ctx_.dialog().dialog_code = code;
    ctx_.dialog().dialog_icon = icon;
  }

  test::TempFolder folder_;
  platform::FakeEnv env_;
  data::Context ctx_{env_, folder_.path()};
};

QString caption_of(const QWidget& dialog, int slot) {
  auto* caption = qobject_cast<QLabel*>(test::find_child(dialog, "li_prog", slot));
  return caption ? caption->text() : QString();
}

bool slot_shown(const QWidget& dialog, int slot) {
  QWidget* button = test::find_child(dialog, "bt_prog", slot);
  return button && button->isVisible();
}

TEST_F(Form97Test, LoadingShowsTheRequest) {
  const struct {
    const char* text;
    int code;
    const char* message;
    std::optional<const char*> input;  // the input box, when shown
    QStringList captions;              // of slots 1, 4, 5, 6 when shown
  } kCases[] = {
      {"ON|Consulter la caisse ?", 4, "Consulter la caisse ?", std::nullopt,
       {"", "Non", "", "Oui"}},
      {"Export terminé", 0, "Export terminé", std::nullopt,
       {"Valider", "", "", ""}},
      {"Entrez le nom du magasin ?", 129, "Entrez le nom du magasin ?", "",
       {"", "", "Annuler", "Valider"}},
      {"Nom ?|Boulangerie", 129, "Nom ?", "Boulangerie",
       {"", "", "Annuler", "Valider"}},
      // Only the first "|" splits.
      {"Dossier ?|C:\\caisse|2", 129, "Dossier ?", "C:\\caisse|2",
       {"", "", "Annuler", "Valider"}},
      // A plain message keeps its "|".
      {"Fichier a|b", 0, "Fichier a|b", std::nullopt, {"Valider", "", "", ""}},
      {"ON|Nom ?|Paul", 132, "Nom ?", "Paul", {"", "Non", "", "Oui"}},
      // Codes that would leave no button get the message's "Valider".
      {"Sans préfixe", 4, "Sans préfixe", std::nullopt, {"Valider", "", "", ""}},
      {"Code inconnu", 37, "Code inconnu", std::nullopt, {"Valider", "", "", ""}},
      {"La date \r\n' 1 '\r\n saisie est incorrecte !", 0,
       "La date \n' 1 '\n saisie est incorrecte !", std::nullopt,
       {"Valider", "", "", ""}},
  };
  constexpr int kSlots[] = {1, 4, 5, 6};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    request(c.text, c.code);
    Form97 dialog(ctx_);
    dialog.show();
    EXPECT_EQ(dialog.findChild<QLabel*>("text1")->text(), QString::fromUtf8(c.message));
    auto* text2 = dialog.findChild<QLineEdit*>("Text2");
    EXPECT_EQ(text2->isVisible(), c.input.has_value());
    if (c.input) {
      EXPECT_EQ(text2->text(), QString::fromUtf8(*c.input));
      EXPECT_EQ(text2->selectedText(), text2->text());  // typing replaces it
    }
    for (int i = 0; i < 4; ++i) {
      const bool shown = !c.captions[i].isEmpty();
      EXPECT_EQ(slot_shown(dialog, kSlots[i]), shown) << "slot " << kSlots[i];
      if (shown) {
        EXPECT_EQ(caption_of(dialog, kSlots[i]), c.captions[i]);
      }
    }
  }
}

TEST_F(Form97Test, ButtonsSitAtTheirPlaces) {
  request("Nom ?", 129);
  Form97 dialog(ctx_);
  EXPECT_EQ(dialog.size(), QSize(platform::twips_to_pixels(9930),
                                 platform::twips_to_pixels(6825)));
  const struct {
    int slot;
    int left;
  } kPlaces[] = {{1, 8040}, {4, 6900}, {5, 6900}, {6, 8040}};
  for (const auto& p : kPlaces) {
    QWidget* button = test::find_child(dialog, "bt_prog", p.slot);
    ASSERT_NE(button, nullptr) << p.slot;
    EXPECT_EQ(button->pos(), QPoint(platform::twips_to_pixels(p.left),
                                    platform::twips_to_pixels(4860)));
  }
}

enum class Act { kEnter, kEscape, kButton, kCaption, kDoubleClickMessage };

TEST_F(Form97Test, EachWayOfClosingGivesItsAnswer) {
  const struct {
    const char* text;
    int code;
    std::optional<QString> typed;  // into Text2 before acting
    Act act;
    int slot;
    int expected_code;
    const char* expected_text;
  } kCases[] = {
      {"ON|Consulter ?", 4, std::nullopt, Act::kEnter, 0, 6, ""},
      {"ON|Consulter ?", 4, std::nullopt, Act::kButton, 6, 6, ""},
      {"ON|Consulter ?", 4, std::nullopt, Act::kEscape, 0, 2, ""},
      // "Non" leaves the text as the caller set it.
      {"ON|Consulter ?", 4, std::nullopt, Act::kButton, 4, 7, "ON|Consulter ?"},
      {"ON|Consulter ?", 4, std::nullopt, Act::kCaption, 4, 7, "ON|Consulter ?"},
      {"ON|Consulter ?", 4, std::nullopt, Act::kDoubleClickMessage, 0, 7, ""},
      {"Export terminé", 0, std::nullopt, Act::kEnter, 0, 1, ""},
      {"Export terminé", 0, std::nullopt, Act::kButton, 1, 1, ""},
      {"Export terminé", 0, std::nullopt, Act::kCaption, 1, 1, ""},
      {"Export terminé", 0, std::nullopt, Act::kEscape, 0, 2, ""},
      {"Export terminé", 0, std::nullopt, Act::kDoubleClickMessage, 0, 7, ""},
      {"Nom ?", 129, "  Chez Paul ", Act::kEnter, 0, 6, "  Chez Paul "},
      {"Nom ?", 129, "  Chez Paul ", Act::kButton, 6, 6, "  Chez Paul "},
      {"Nom ?", 129, "Chez Paul", Act::kButton, 5, 2, ""},
      {"Nom ?", 129, "Chez Paul", Act::kEscape, 0, 2, ""},
      {"Nom ?", 129, "Chez Paul", Act::kDoubleClickMessage, 0, 7, ""},
      {"Nom ?|Boulangerie", 129, std::nullopt, Act::kEnter, 0, 6, "Boulangerie"},
      {"Nom ?|Boulangerie", 129, "Épicerie", Act::kEnter, 0, 6, "Épicerie"},
      // Text outside code page 1252 comes back whole; the codec replaces it
      // where it is stored.
      {"Nom ?", 129, "日本 😀", Act::kEnter, 0, 6, "日本 😀"},
      {"Nom ?", 129, QString(100, '9'), Act::kEnter, 0, 6,
       "9999999999999999999999999999999999999999999999999999999999999999999999"
       "999999999999999999999999999999"},
      // Control characters other than Backspace are not taken.
      {"Nom ?", 129, QStringLiteral("a\x01\x16\x1b" "b\tc"), Act::kEnter, 0, 6,
       "abc"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.text) + " / " +
                 (c.typed ? c.typed->toStdString() : std::string("-")) +
                 " / act " + std::to_string(static_cast<int>(c.act)));
    request(c.text, c.code);
    DialogAnswers answers;
    answers.then([&c](QWidget* dialog) {
      if (c.typed) {
        auto* box = dialog->findChild<QLineEdit*>("Text2");
        test::type_text(box, *c.typed);
      }
      switch (c.act) {
        case Act::kEnter:
          DialogAnswers::press(Qt::Key_Return)(dialog);
          break;
        case Act::kEscape:
          DialogAnswers::press(Qt::Key_Escape)(dialog);
          break;
        case Act::kButton:
          DialogAnswers::click("bt_prog", c.slot)(dialog);
          break;
        case Act::kCaption:
          DialogAnswers::click("li_prog", c.slot)(dialog);
          break;
        case Act::kDoubleClickMessage:
          DialogAnswers::double_click("text1")(dialog);
          break;
      }
    });
    EXPECT_EQ(ask(ctx_, nullptr), c.expected_code);
    EXPECT_EQ(ctx_.dialog().dialog_code, c.expected_code);
    EXPECT_EQ(ctx_.dialog().dialog_text, c.expected_text);
    EXPECT_EQ(answers.pending(), 0u);
  }
}

TEST_F(Form97Test, TheInputBoxTakesPrintableCharactersAndEditingKeys) {
  request("Dossier ?|C:\\caisse", 129);
  Form97 dialog(ctx_);
  dialog.show();
  auto* box = dialog.findChild<QLineEdit*>("Text2");
  box->setFocus();
  box->end(false);
  QTest::keyClick(box, Qt::Key_Backspace);
  test::type_text(box, "E");
  EXPECT_EQ(box->text(), "C:\\caissE");
  // A pasted text loses its line breaks and tabs.
  QApplication::clipboard()->setText("\\poste\t2\r\n");
  box->paste();
  EXPECT_EQ(box->text(), "C:\\caissE\\poste2");
}

TEST_F(Form97Test, AnIconBlinksFromItsPictureFile) {
  folder_.write("fc_img_057.gif", gif_picture(40, 30));
  request("Date incorrecte", 0, 57);
  Form97 dialog(ctx_);
  dialog.show();
  EXPECT_EQ(ctx_.dialog().dialog_icon, 0);
  auto* image4 = dialog.findChild<QLabel*>("Image4");
  ASSERT_FALSE(image4->pixmap().isNull()) << "the GIF reader is missing";
  EXPECT_EQ(image4->pixmap().size(), QSize(40, 30));
  EXPECT_EQ(image4->geometry(),
            QRect(platform::twips_to_pixels(1650) - 20,
                  platform::twips_to_pixels(2070), 40, 30));
  auto* timer1 = dialog.findChild<QTimer*>("Timer1");
  EXPECT_TRUE(timer1->isActive());
  EXPECT_EQ(timer1->interval(), 1000);
  EXPECT_TRUE(image4->isVisible());
  dialog.blink_icon();
  EXPECT_FALSE(image4->isVisible());
  dialog.blink_icon();
  EXPECT_TRUE(image4->isVisible());
}

TEST_F(Form97Test, AMissingPictureLeavesABlankIconThatStillBlinks) {
  request("Date incorrecte", 0, 58);
  Form97 dialog(ctx_);
  dialog.show();
  EXPECT_EQ(ctx_.dialog().dialog_icon, 0);
  EXPECT_TRUE(dialog.findChild<QLabel*>("Image4")->pixmap().isNull());
  EXPECT_TRUE(dialog.findChild<QTimer*>("Timer1")->isActive());
}

TEST_F(Form97Test, NoIconNoBlinking) {
  folder_.write("fc_img_000.gif", gif_picture(4, 4));
  request("Export terminé", 0, 0);
  Form97 dialog(ctx_);
  dialog.show();
  EXPECT_FALSE(dialog.findChild<QLabel*>("Image4")->isVisible());
  EXPECT_FALSE(dialog.findChild<QTimer*>("Timer1")->isActive());
}

TEST_F(Form97Test, TheBusyPointerIsBackAfterEveryClosing) {
  for (const Act act : {Act::kEnter, Act::kDoubleClickMessage}) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    request("Export terminé", 0);
    Qt::CursorShape during = Qt::BlankCursor;
    DialogAnswers answers;
    answers.then([&](QWidget* dialog) {
      during = QGuiApplication::overrideCursor()->shape();
      if (act == Act::kEnter) {
        DialogAnswers::press(Qt::Key_Return)(dialog);
      } else {
        DialogAnswers::double_click("text1")(dialog);
      }
    });
    ask(ctx_, nullptr);
    EXPECT_EQ(during, Qt::ArrowCursor);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  }
}

TEST_F(Form97Test, AWrongDateIsToldWithTheDateIcon) {
  folder_.write("fc_img_057.gif", gif_picture(8, 8));
  DialogAnswers answers;
  bool icon_shown = false;
  answers.then(DialogAnswers::inspect_then(
      [&](QWidget* dialog) {
        icon_shown = !dialog->findChild<QLabel*>("Image4")->pixmap().isNull();
      },
      DialogAnswers::press(Qt::Key_Return)));
  EXPECT_FALSE(verifie_date(ctx_, nullptr, "31-04-2020"));
  EXPECT_TRUE(icon_shown);
  EXPECT_EQ(answers.messages(),
            QStringList{"La date \n' 31-04-2020 '\n saisie est incorrecte !"});
  EXPECT_TRUE(verifie_date(ctx_, nullptr, "30-04-2020"));  // no dialog
}

}  // namespace
}  // namespace mdc::shell
