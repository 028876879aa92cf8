#include "shell/common/form97.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>
#include <QValidator>
#include <cstdio>

#include "data/dates.h"
#include "data/record_layout.h"
#include "platform/qt/screen_units.h"
#include "shell/common/buttons.h"
#include "shell/common/frame.h"
#include "shell/common/icc.h"
#include "shell/common/theme.h"
#include "shell/common/ui_text.h"

namespace mdc::shell {
namespace {

// The window and its controls, in twips.
constexpr int kWidth = 9930;
constexpr int kHeight = 6825;
constexpr int kText1Left = 3060, kText1Top = 900, kText1Width = 5865,
              kText1Height = 2445;
constexpr double kText1Points = 12;
constexpr std::int32_t kText1Colour = 128;  // dark red
constexpr int kShape1Left = 2850, kShape1Top = 690, kShape1Width = 6315,
              kShape1Height = 2685;
constexpr int kShape1BorderPixels = 3;
constexpr int kShape1RadiusPixels = 14;
constexpr std::int32_t kShape1Colour = platform::rgb(255, 128, 0);
constexpr int kImage1Left = 780, kImage1Top = 690;
constexpr int kImage4Centre = 1650, kImage4Top = 2070;
constexpr int kText2Left = 720, kText2Top = 3990, kText2Width = 8445,
              kText2Height = 510;
constexpr double kText2Points = 12;
constexpr std::int32_t kText2Colour = platform::rgb(255, 255, 192);  // light yellow
constexpr const char* kText2Tag = "2";
constexpr int kBlinkMilliseconds = 1000;
constexpr int kButtonTop = 4860;
// Button slots: "Valider" of a message, "Non", "Annuler", and "Oui" or
// "Valider" of a question or an input.
constexpr int kMessageSlot = 1, kNoSlot = 4, kCancelSlot = 5, kAnswerSlot = 6;
struct SlotPlace {
  int slot;
  int left;
};
constexpr SlotPlace kSlotPlaces[] = {
    {kMessageSlot, 8040}, {kNoSlot, 6900}, {kCancelSlot, 6900}, {kAnswerSlot, 8040}};

// The icon file of the suite for icon n: "fc_img_" and n on three digits.
std::string icon_file_name(std::int16_t icon) {
  char name[32];
  std::snprintf(name, sizeof name, "fc_img_%03d.gif", static_cast<int>(icon));
  return name;
}

QFont arial(double points, QFont::Weight weight = QFont::Normal) {
  QFont font = platform::points_font(QStringLiteral("Arial"), points, weight);
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  return font;
}

bool is_enter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// The input box takes printable characters only, typed or pasted; editing
// keys (Backspace, Delete, the clipboard shortcuts) keep working.
class PrintableOnly : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override {
    for (qsizetype i = input.size(); i-- > 0;) {
      if (input.at(i).category() == QChar::Other_Control) {
        input.remove(i, 1);
        if (i < position) --position;
      }
    }
    return Acceptable;
  }
};

// Button descriptors of the dialog.
constexpr std::string_view kValiderMessage = "001:124:Valider";
constexpr std::string_view kNon = "004:129:Non";
constexpr std::string_view kAnnuler = "005:129:Annuler";
constexpr std::string_view kOui = "006:124:Oui";
constexpr std::string_view kValiderAnswer = "006:124:Valider";

}  // namespace

DialogRequest interpret_request(std::string_view text, int code) {
  DialogRequest request;
  bool yes_no = false;
  if (text.substr(0, kYesNoPrefix.size()) == kYesNoPrefix) {
    text.remove_prefix(kYesNoPrefix.size());
    yes_no = true;
  }
  if (code > kInputFlag) {
    code -= kInputFlag;
    request.has_input = true;
    if (const auto bar = text.find(kAnswerSeparator);
        bar != std::string_view::npos) {
      request.proposed_answer = std::string(text.substr(bar + 1));
      text = text.substr(0, bar);
    }
  }
  request.message = std::string(text);
  if (code == kTwoButtonCode) {
    request.buttons = DialogButtons::kAnnulerValider;
    request.button_descriptors = {std::string(kAnnuler),
                                  std::string(kValiderAnswer)};
  } else if (code == kYesNoMode && yes_no) {
    request.buttons = DialogButtons::kNonOui;
    request.button_descriptors = {std::string(kNon), std::string(kOui)};
  } else {
    request.buttons = DialogButtons::kValider;
    request.button_descriptors = {std::string(kValiderMessage)};
  }
  return request;
}

DialogResult closing_result(Closing closing, const DialogRequest& request,
                            std::string_view input) {
  if (closing == Closing::kEnter) {
    closing = request.buttons == DialogButtons::kValider ? Closing::kSlot1
                                                         : Closing::kSlot6;
  }
  switch (closing) {
    case Closing::kSlot1: return {kValidated, data::trim(input)};
    case Closing::kSlot4: return {kNo, std::nullopt};
    case Closing::kSlot5: return {kCancelled, std::string()};
    case Closing::kSlot6: return {kYes, std::string(input)};
    case Closing::kEscape: return {kCancelled, std::string()};
    case Closing::kDoubleClick: return {kNo, std::string()};
    case Closing::kEnter: break;
  }
  return {kCancelled, std::string()};
}

int ask(data::Context& ctx, QWidget* parent) {
  Form97 dialog(ctx, parent);
  dialog.exec();
  return ctx.dialog().dialog_code;
}

std::unique_ptr<QWidget> make_form97(data::Context& ctx, QWidget* parent,
                                     std::string_view text, int code,
                                     std::int16_t icon) {
  ctx.dialog().dialog_text = std::string(text);
  ctx.dialog().dialog_code = code;
  ctx.dialog().dialog_icon = icon;
  return std::make_unique<Form97>(ctx, parent);
}

std::unique_ptr<QWidget> preview_form97_message(data::Context& ctx,
                                                QWidget* parent) {
  return make_form97(ctx, parent, data::wrong_date_message("31-04-2020"),
                     kMessageMode, kWrongDateIcon);
}

std::unique_ptr<QWidget> preview_form97_question(data::Context& ctx,
                                                 QWidget* parent) {
  return make_form97(ctx, parent,
                     std::string(kYesNoPrefix) +
                         "Ouvrir cette caisse en consultation ?",
                     kYesNoMode);
}

std::unique_ptr<QWidget> preview_form97_input(data::Context& ctx,
                                              QWidget* parent) {
  return make_form97(ctx, parent,
                     "Entrez le nom du magasin ?|Boulangerie du Centre",
                     kInputMode);
}

void show_message(data::Context& ctx, QWidget* parent, std::string_view text,
                  std::int16_t icon) {
  ctx.dialog().dialog_text = std::string(text);
  ctx.dialog().dialog_code = kMessageMode;
  ctx.dialog().dialog_icon = icon;
  ask(ctx, parent);
}

bool verifie_date(data::Context& ctx, QWidget* parent, std::string_view text) {
  return data::verifie_date(text, [&](const std::string& message) {
    show_message(ctx, parent, message, kWrongDateIcon);
  });
}

Form97::Form97(data::Context& ctx, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ctx_(ctx) {
  setObjectName(QStringLiteral("form97"));
  setFixedSize(twips_to_pixels(kWidth), twips_to_pixels(kHeight));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  setAutoFillBackground(true);

  request_ = interpret_request(ctx_.dialog().dialog_text, ctx_.dialog().dialog_code);
  build_controls();

  // Loading: every step stands on its own.
  draw_rounded_border(*this);
  centre_dialog(*this);
  apply_colour_theme(*this, ctx_);
  load_icon(ctx_.dialog().dialog_icon);
  if (QGuiApplication::overrideCursor()) {
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    cursor_pushed_ = true;
  }
  if (request_.has_input) {
    text2_->setText(from_utf8(request_.proposed_answer));
    text2_->show();
    text2_->selectAll();
    text2_->setFocus();
  }
  add_buttons();
  // The suite writes line breaks as CR LF; the label breaks on LF.
  text1_->setText(from_utf8(request_.message).replace(QStringLiteral("\r\n"),
                                                      QStringLiteral("\n")));

  // The window sees every key before its controls.
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

Form97::~Form97() {
  if (cursor_pushed_) QGuiApplication::restoreOverrideCursor();
}

void Form97::build_controls() {
  auto* shape1 = new QFrame(this);
  shape1->setObjectName(QStringLiteral("Shape1"));
  place_twips(*shape1, kShape1Left, kShape1Top, kShape1Width, kShape1Height);
  shape1->setStyleSheet(
      QStringLiteral("#Shape1 { border: %1px solid %2; border-radius: %3px; "
                     "background: transparent; }")
          .arg(kShape1BorderPixels)
          .arg(platform::windows_colour(kShape1Colour).name())
          .arg(kShape1RadiusPixels));

  text1_ = new QLabel(this);
  text1_->setObjectName(QStringLiteral("text1"));
  place_twips(*text1_, kText1Left, kText1Top, kText1Width, kText1Height);
  text1_->setFont(arial(kText1Points));
  text1_->setAlignment(Qt::AlignCenter);
  text1_->setWordWrap(true);
  text1_->setTextFormat(Qt::PlainText);
  QPalette text_palette = text1_->palette();
  text_palette.setColor(QPalette::WindowText, platform::windows_colour(kText1Colour));
  text1_->setPalette(text_palette);

  auto* image1 = new QLabel(this);
  image1->setObjectName(QStringLiteral("Image1"));
  const QPixmap picture = icc().picture(kDialogPictureGroup, kDialogPicture);
  image1->setPixmap(picture);
  image1->setGeometry(twips_to_pixels(kImage1Left), twips_to_pixels(kImage1Top),
                      picture.width(), picture.height());
  image1->show();

  image4_ = new QLabel(this);
  image4_->setObjectName(QStringLiteral("Image4"));
  image4_->hide();

  text2_ = new QLineEdit(this);
  text2_->setObjectName(QStringLiteral("Text2"));
  place_twips(*text2_, kText2Left, kText2Top, kText2Width, kText2Height);
  text2_->setFont(arial(kText2Points, QFont::Bold));
  QPalette box_palette = text2_->palette();
  box_palette.setColor(QPalette::Base, platform::windows_colour(kText2Colour));
  text2_->setPalette(box_palette);
  text2_->setValidator(new PrintableOnly(text2_));
  set_tag(*text2_, QString::fromLatin1(kText2Tag));
  text2_->hide();

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(kBlinkMilliseconds);
  connect(timer1_, &QTimer::timeout, this, &Form97::blink_icon);

  auto* bar = new ButtonBar(*this);
  for (const SlotPlace& place : kSlotPlaces) {
    bar->add_slot(place.slot, place.left, kButtonTop);
  }
  connect(bar, &ButtonBar::clicked, this, [this](int slot) {
    switch (slot) {
      case kMessageSlot: close_with(Closing::kSlot1); break;
      case kNoSlot: close_with(Closing::kSlot4); break;
      case kCancelSlot: close_with(Closing::kSlot5); break;
      case kAnswerSlot: close_with(Closing::kSlot6); break;
      default: break;
    }
  });
}

void Form97::load_icon(std::int16_t icon) {
  if (icon == 0) return;
  const QString path = QString::fromStdString(ctx_.path_of(icon_file_name(icon)));
  QPixmap picture;
  if (QFile::exists(path)) picture.load(path);
  image4_->setPixmap(picture);
  image4_->resize(picture.size());
  image4_->move(twips_to_pixels(kImage4Centre) - picture.width() / 2,
                twips_to_pixels(kImage4Top));
  image4_->show();
  ctx_.dialog().dialog_icon = 0;
  timer1_->start();
}

void Form97::add_buttons() {
  for (const std::string& descriptor : request_.button_descriptors) {
    add_program_button(*this, from_utf8(descriptor));
  }
}

void Form97::blink_icon() { image4_->setVisible(!image4_->isVisible()); }

void Form97::close_with(Closing closing) {
  const DialogResult result =
      closing_result(closing, request_, to_utf8(text2_->text()));
  ctx_.dialog().dialog_code = result.code;
  if (result.text) ctx_.dialog().dialog_text = *result.text;
  timer1_->stop();
  if (cursor_pushed_) {
    QGuiApplication::restoreOverrideCursor();
    cursor_pushed_ = false;
  }
  done(result.code);
}

void Form97::reject() { close_with(Closing::kEscape); }

bool Form97::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (is_enter(key.key())) {
      close_with(Closing::kEnter);
      return true;
    }
    if (key.key() == Qt::Key_Escape) {
      close_with(Closing::kEscape);
      return true;
    }
  }
  if (event->type() == QEvent::MouseButtonDblClick && watched == text1_) {
    close_with(Closing::kDoubleClick);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace mdc::shell
