#include "monitors/ch_perio.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <tuple>

#include "platform/qt/month_calendar.h"
#include "platform/qt/screen_units.h"
#include "shell/common/buttons.h"
#include "shell/common/form97.h"
#include "shell/common/frame.h"
#include "shell/common/icc.h"
#include "shell/common/theme.h"
#include "shell/common/ui_text.h"

namespace mdc::monitors {
namespace {

using shell::from_utf8;
using shell::place_twips;
using shell::to_utf8;

constexpr const char* kCaption = "Choix d'une periode";
constexpr std::string_view kValider = "000:124:Valider";
constexpr std::string_view kAnnuler = "001:129:Annuler";
constexpr int kValiderSlot = 0;
constexpr int kAnnulerSlot = 1;

// Design of the window, in twips (15 to a pixel).
constexpr int kRowTop = 360, kRowHeight = 660;
constexpr int kDuLeft = 4095, kAuLeft = 7815, kWordWidth = 750;
constexpr int kText1Left = 4845, kText2Left = 8565, kTextWidth = 2700;
constexpr int kCalendarTop = 1440, kCalendarWidth = 4950, kCalendarHeight = 4500;
constexpr int kCalendar1Left = 300, kCalendar2Left = 10110;
constexpr int kMiddleLeft = 5400, kMiddleWidth = 4560;
constexpr int kHintHeight = 720, kOrHeight = 330;
constexpr int kHint1Top = 1440, kOr1Top = 2190, kHint2Top = 2550;
constexpr int kListTop = 3330, kListHeight = 2610;
constexpr int kList1Left = 5580, kList1Width = 2400;
constexpr int kList2Left = 8130, kList2Width = 1650;
constexpr int kOr2Top = 6030, kHint3Top = 6390, kHint3Height = 360;
constexpr int kHint3Left = 3000, kHint3Width = 9360;
constexpr int kPresetTop = 6900, kPresetWidth = 1680, kPresetHeight = 1650;
constexpr int kPresetFirstLeft = 300, kPresetStep = 1830;
constexpr int kEverythingLeft = 11730;  // "Totalité" stands apart
constexpr int kEverythingHintLeft = 13500, kEverythingHintWidth = 1650;
constexpr int kPictureLeft = 480, kPictureTop = 120, kPictureSide = 720;
constexpr int kPresetCaptionLeft = 30, kPresetCaptionTop = 900,
              kPresetCaptionWidth = 1620, kPresetCaptionHeight = 690;

constexpr double kTextPoints = 18;
constexpr double kListPoints = 18;
constexpr double kHintPoints = 11;
constexpr double kPresetPoints = 10;
constexpr double kEverythingHintPoints = 9;
constexpr std::int32_t kHintColour = platform::rgb(0, 0, 128);  // navy

// Tags of the colour theme.
constexpr const char* kTextTag = "2";
constexpr const char* kListTag = "4";
constexpr const char* kLabelTag = "6";

// A box's whole date is selected when it gets the focus.
constexpr int kSelectedOnFocus = 25;

// Pictures of the preset buttons: image library group perii.
constexpr int kPresetPicture[kPresetCount] = {1, 1, 0, 0, 2, 2, 2};

const QString kPresetFrameName = QStringLiteral("perii");
const QString kPresetCaptionName = QStringLiteral("perij");
const QString kPresetPictureName = QStringLiteral("minni");

QFont font_of(const QString& family, double points,
              QFont::Weight weight = QFont::Normal) {
  QFont font = platform::points_font(family, points, weight);
  font.setFamilies({family, QStringLiteral("Liberation Sans")});
  return font;
}

QLabel* add_label(QWidget* parent, const char* text, int left, int top,
                  int width, int height, double points,
                  QFont::Weight weight = QFont::Normal) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  place_twips(*label, left, top, width, height);
  label->setFont(font_of(QStringLiteral("Arial"), points, weight));
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, platform::windows_colour(kHintColour));
  label->setPalette(palette);
  shell::set_tag(*label, QString::fromLatin1(kLabelTag));
  return label;
}

bool is_enter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

ChPerio::ChPerio(data::Context& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
  setObjectName(QStringLiteral("ch_perio"));
  setWindowTitle(QString::fromUtf8(kCaption));
  // No close box: the chooser closes by validation or cancellation only.
  setWindowFlag(Qt::WindowCloseButtonHint, false);
  build_controls();

  // Loading: every step stands on its own.
  shell::apply_screen_frame(*this);
  shell::apply_colour_theme(*this, ctx_);
  shell::add_program_button(*this, from_utf8(kValider));
  shell::add_program_button(*this, from_utf8(kAnnuler));
  fill_lists();
  load_stored_period();

  // The window sees every key before its controls.
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void ChPerio::build_controls() {
  add_label(this, "Du", kDuLeft, kRowTop, kWordWidth, kRowHeight, kTextPoints);
  add_label(this, "au", kAuLeft, kRowTop, kWordWidth, kRowHeight, kTextPoints);
  for (auto [box, name, left] :
       {std::tuple{&text1_, "Text1", kText1Left},
        std::tuple{&text2_, "Text2", kText2Left}}) {
    *box = new QLineEdit(this);
    (*box)->setObjectName(QString::fromLatin1(name));
    place_twips(**box, left, kRowTop, kTextWidth, kRowHeight);
    (*box)->setFont(font_of(QStringLiteral("MS Sans Serif"), kTextPoints));
    (*box)->setAlignment(Qt::AlignCenter);
    shell::set_tag(**box, QString::fromLatin1(kTextTag));
  }

  for (auto [view, name, left] :
       {std::tuple{&month_view1_, "MonthView1", kCalendar1Left},
        std::tuple{&month_view2_, "MonthView2", kCalendar2Left}}) {
    *view = new platform::MonthCalendar(this);
    (*view)->setObjectName(QString::fromLatin1(name));
    place_twips(**view, left, kCalendarTop, kCalendarWidth, kCalendarHeight);
    // Only the days a date box accepts.
    (*view)->set_range(std::chrono::year{data::kEarliestYear} / 1 / 1,
                       std::chrono::year{data::kLatestYear} / 12 / 31);
  }
  connect(month_view1_, &platform::MonthCalendar::date_clicked, this,
          &ChPerio::on_calendar1_click);
  connect(month_view2_, &platform::MonthCalendar::date_clicked, this,
          &ChPerio::on_calendar2_click);

  add_label(this, "Cliquez sur les calendriers pour choisir une période",
            kMiddleLeft, kHint1Top, kMiddleWidth, kHintHeight, kHintPoints,
            QFont::Bold);
  add_label(this, "ou", kMiddleLeft, kOr1Top, kMiddleWidth, kOrHeight,
            kHintPoints);
  add_label(this,
            "Cliquez dans les listes sur l'année ou le mois pour choisir un "
            "mois entier",
            kMiddleLeft, kHint2Top, kMiddleWidth, kHintHeight, kHintPoints,
            QFont::Bold);
  add_label(this, "ou", kMiddleLeft, kOr2Top, kMiddleWidth, kOrHeight,
            kHintPoints);
  add_label(this, "Cliquez sur un bouton préselectionné", kHint3Left,
            kHint3Top, kHint3Width, kHint3Height, kHintPoints, QFont::Bold);

  for (auto [list, name, left, width] :
       {std::tuple{&list1_, "List1", kList1Left, kList1Width},
        std::tuple{&list2_, "List2", kList2Left, kList2Width}}) {
    *list = new QListWidget(this);
    (*list)->setObjectName(QString::fromLatin1(name));
    place_twips(**list, left, kListTop, width, kListHeight);
    (*list)->setFont(font_of(QStringLiteral("Arial"), kListPoints));
    shell::set_tag(**list, QString::fromLatin1(kListTag));
    connect(*list, &QListWidget::currentRowChanged, this,
            &ChPerio::on_list_click);
    connect(*list, &QListWidget::itemClicked, this, &ChPerio::on_list_click);
  }

  build_presets();

  label3_ = new QLabel(this);
  label3_->setObjectName(QStringLiteral("Label3"));
  label3_->hide();

  auto* bar = new shell::ButtonBar(*this);
  bar->add_usual_slot(kValiderSlot);
  bar->add_usual_slot(kAnnulerSlot);
  connect(bar, &shell::ButtonBar::clicked, this, [this](int slot) {
    if (slot == kValiderSlot) validate();
    if (slot == kAnnulerSlot) cancel();
  });
}

void ChPerio::build_presets() {
  const data::CalendarDate now = today();
  for (int i = 0; i < kPresetCount; ++i) {
    const Preset preset = static_cast<Preset>(i);
    const int left = preset == Preset::kEverything
                         ? kEverythingLeft
                         : kPresetFirstLeft + i * kPresetStep;
    auto* frame = new shell::ClickLabel(this);
    shell::set_control_name(*frame, kPresetFrameName, i);
    place_twips(*frame, left, kPresetTop, kPresetWidth, kPresetHeight);
    frame->setFrameStyle(QFrame::Box | QFrame::Raised);
    frame->setLineWidth(2);
    frame->setCursor(Qt::PointingHandCursor);

    auto* picture = new shell::ClickLabel(this);
    shell::set_control_name(*picture, kPresetPictureName, i);
    place_twips(*picture, left + kPictureLeft, kPresetTop + kPictureTop,
                kPictureSide, kPictureSide);
    picture->setScaledContents(true);
    picture->setPixmap(
        shell::icc().picture(shell::kPresetGroup, kPresetPicture[i]));
    picture->setCursor(Qt::PointingHandCursor);

    auto* caption = new shell::ClickLabel(this);
    shell::set_control_name(*caption, kPresetCaptionName, i);
    place_twips(*caption, left + kPresetCaptionLeft,
                kPresetTop + kPresetCaptionTop, kPresetCaptionWidth,
                kPresetCaptionHeight);
    caption->setText(from_utf8(preset_caption(preset, now)));
    caption->setFont(font_of(QStringLiteral("Arial"), kPresetPoints, QFont::Bold));
    caption->setAlignment(Qt::AlignCenter);
    caption->setWordWrap(true);
    caption->setCursor(Qt::PointingHandCursor);

    for (shell::ClickLabel* part : {frame, picture, caption}) {
      connect(part, &shell::ClickLabel::clicked, this, [this, i] { run_preset(i); });
    }
  }
  add_label(this, "Analyse depuis le début de votre activité",
            kEverythingHintLeft, kPresetTop, kEverythingHintWidth,
            kPresetHeight, kEverythingHintPoints);
}

void ChPerio::fill_lists() {
  for (std::string_view name : kMonthNames) list1_->addItem(from_utf8(name));
  const int this_year = int{today().year()};
  for (int y = this_year - (kListedYears - 1); y <= this_year; ++y) {
    list2_->addItem(from_utf8(data::format_year(std::chrono::year{y})));
  }
  list2_->setCurrentRow(kListedYears - 1);
  list1_->setCurrentRow(static_cast<int>(unsigned{today().month()}) - 1);
}

void ChPerio::load_stored_period() {
  const PeriodTexts stored = monitors::load_stored_period(ctx_);
  set_boxes(stored);
  month_view1_->set_value(data::normalise_date(stored.start, today()).value);
  month_view2_->set_value(data::normalise_date(stored.end, today()).value);
}

void ChPerio::on_list_click() {
  const int month_row = list1_->currentRow();
  const QListWidgetItem* year_item = list2_->currentItem();
  // Until both lists have a selection there is no month to show.
  if (month_row < 0 || !year_item) return;
  set_boxes(month_period(month_row + 1, to_utf8(year_item->text())));
}

void ChPerio::on_calendar1_click() {
  const data::CalendarDate start = month_view1_->value();
  text1_->setText(from_utf8(data::format_date(start)));
  if (std::chrono::sys_days{start} >
      std::chrono::sys_days{month_view2_->value()}) {
    month_view2_->set_value(start);
    text2_->setText(text1_->text());
  }
  controle_date();
}

void ChPerio::on_calendar2_click() {
  text2_->setText(from_utf8(data::format_date(month_view2_->value())));
  controle_date();
}

void ChPerio::run_preset(int preset) {
  if (preset < 0 || preset >= kPresetCount) return;
  const Preset p = static_cast<Preset>(preset);
  if (p == Preset::kEverything) {
    set_boxes({first_journal_date(ctx_), data::format_date(today())});
  } else {
    set_boxes(preset_period(p, today()));
  }
}

void ChPerio::controle_date() {
  if (checking_) return;
  checking_ = true;
  PeriodTexts texts = boxes();
  const std::string marks = monitors::controle_date(
      texts, today(), [this](const std::string& message) {
        shell::show_message(ctx_, this, message, shell::kWrongDateIcon);
      });
  set_boxes(texts);
  label3_->setText(label3_->text() + from_utf8(marks));
  checking_ = false;
}

void ChPerio::validate() {
  label3_->clear();
  controle_date();
  if (!label3_->text().trimmed().isEmpty()) return;
  const std::string period = to_utf8(text1_->text() + text2_->text());
  ctx_.chosen_period = period;
  period_stored_ = store_period(ctx_, period);
  closing_ = true;
  accept();
}

void ChPerio::cancel() {
  ctx_.chosen_period.clear();
  closing_ = true;
  QDialog::reject();
}

void ChPerio::reject() { cancel(); }

bool ChPerio::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      const int key = static_cast<const QKeyEvent*>(event)->key();
      if (is_enter(key)) {
        validate();
        return true;
      }
      if (key == Qt::Key_Escape) {
        cancel();
        return true;
      }
      break;
    }
    case QEvent::FocusIn:
      if (watched == text1_ || watched == text2_) {
        // After the focus has landed, so that a click into the box does not
        // undo the selection.
        auto* box = static_cast<QLineEdit*>(watched);
        QTimer::singleShot(0, box, [box] { box->setSelection(0, kSelectedOnFocus); });
      }
      break;
    case QEvent::FocusOut:
      if ((watched == text1_ || watched == text2_) && !closing_) {
        // Losing the focus to another window (the message dialog among
        // them) is not leaving the box.
        const auto reason = static_cast<const QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason &&
            reason != Qt::PopupFocusReason) {
          controle_date();
        }
      }
      break;
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

data::CalendarDate ChPerio::today() { return data::calendar_date(ctx_.now()); }

PeriodTexts ChPerio::boxes() const {
  return {to_utf8(text1_->text()), to_utf8(text2_->text())};
}

void ChPerio::set_boxes(const PeriodTexts& texts) {
  text1_->setText(from_utf8(texts.start));
  text2_->setText(from_utf8(texts.end));
}

std::unique_ptr<QWidget> make_ch_perio(data::Context& ctx, QWidget* parent) {
  return std::make_unique<ChPerio>(ctx, parent);
}

std::string choose_period(data::Context& ctx, QWidget* parent) {
  ChPerio chooser(ctx, parent);
  chooser.exec();
  return ctx.chosen_period;
}

}  // namespace mdc::monitors
