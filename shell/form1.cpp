#include "shell/form1.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "data/record_file.h"
#include "data/settings.h"
#include "shell/common/frame.h"
#include "shell/common/icc.h"
#include "shell/common/ui_text.h"
#include "shell/start_up.h"

namespace mdc::shell {
namespace {

// The menu's buttons, at their design places (twips).
struct MenuButton {
  const char* name;
  const char* caption;
  std::string_view screen;  // empty for "Fin"
  int left, top, width, height;
  bool graphical;  // white, in the graphical style of the suite
  std::string_view picture_group;
  int picture;
};

constexpr MenuButton kMenuButtons[] = {
    {"Command1", "Postes distants", kRemoteRegisterScreen, 1080, 7590, 1455, 795, true,
     kMenuGroup, menu_picture::kRemoteRegister},
    {"Command2", "monica ", kLiveMonitorScreen, 1080, 6510, 1455, 795, true,
     kMenuGroup, menu_picture::kLiveMonitor},
    {"Command3", "monica 2", kPeriodMonitorScreen, 1080, 5430, 1455, 795, true,
     kMenuGroup, menu_picture::kPeriodMonitor},
    {"Command4", "mp dist", kUpdateStatusScreen, 4170, 5130, 1485, 825, false, {}, 0},
    {"Command5", "monica 4", kPaymentMonitorScreen, 1050, 4320, 1455, 795, true,
     kMenuGroup, menu_picture::kPaymentMonitor},
    {"image1", "Fin", {}, 13530, 9540, 1455, 795, true, kIconGroup, icon::kExit},
};

// What each screen is for, shown beside the buttons.
struct ScreenGuide {
  int picture;  // of the menu group
  const char* title;
  const char* text;
};

constexpr ScreenGuide kGuide[] = {
    {menu_picture::kLiveMonitor, "monica", "Les caisses du jour en direct : chiffre d'affaires de chaque caisse, "
               "tickets, panier moyen et courbe des ventes, mis à jour toutes les "
               "30 secondes."},
    {menu_picture::kPeriodMonitor, "monica 2", "Les ventes d'une période par rayon, pour chaque caisse locale et "
                 "distante, avec les totaux."},
    {menu_picture::kPaymentMonitor, "monica 4", "Les tickets et les montants d'une période par mode de paiement, "
                 "exportables vers un fichier texte."},
    {menu_picture::kRemoteRegister, "Postes distants", "Le registre des caisses distantes : dossiers, archives "
                        "rapatriées et consultation."},
    {menu_picture::kUpdateStatus, "mp dist", "L'état des mises à jour qui attendent dans le dossier de chaque "
                "caisse distante."},
};

// Places of the menu's own decorations (twips).
constexpr int kLogoLeft = 720, kLogoTop = 330;
constexpr int kTitleLeft = 3240, kTitleTop = 450, kTitleWidth = 11400, kTitleHeight = 780;
constexpr int kSubtitleTop = 1260, kSubtitleHeight = 420;
constexpr int kRuleLeft = 720, kRuleTop = 2280, kRuleWidth = 13920, kRuleHeight = 45;
constexpr int kPromptLeft = 1050, kPromptTop = 3480, kPromptWidth = 5400, kPromptHeight = 420;
constexpr int kGuideLeft = 6840, kGuideTop = 3000, kGuideWidth = 7800, kGuideHeight = 5640;
constexpr int kGuideMargin = 300, kGuideEntryHeight = 1020;
constexpr int kGuidePictureSide = 600, kGuideTextLeft = 1080;
constexpr int kFooterLeft = 1050, kFooterTop = 10230, kFooterWidth = 12000,
              kFooterHeight = 330;

const QColor kTitleColour(0x1F, 0x4E, 0x8C);
const QColor kSubtitleColour(0x5F, 0x6B, 0x78);
const QColor kRuleColour(0x2F, 0x65, 0xA7);
constexpr double kWindowFontPoints = 8.25;
constexpr int kButtonIconSide = 22;  // pixels

const QString kGraphicalButtonStyle = QStringLiteral(
    "QToolButton { background: white; color: black; border: 1px solid #7F93AB;"
    " border-radius: 6px; padding-top: 3px; }"
    "QToolButton:hover { background: #EEF4FB; border-color: #2F65A7; }"
    "QToolButton:pressed { background: #D8E6F5; }");
const QString kGuideStyle = QStringLiteral(
    "QFrame#guide { background: #F6F9FC; border: 1px solid #C9D6E4;"
    " border-radius: 10px; }");

QLabel* make_label(QWidget* parent, const QString& text, const QFont& font,
                   const QColor& colour) {
  auto* label = new QLabel(text, parent);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

}  // namespace

Form1::Form1(data::Context& ctx, const ScreenOpeners& openers, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ctx_(ctx),
      openers_(openers) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(kMenuTitle);
  setFont(design_font(QStringLiteral("MS Sans Serif"), kWindowFontPoints, QFont::Bold));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  setAutoFillBackground(true);
  setFixedSize(twips_to_pixels(kFrameWidth), twips_to_pixels(kFrameHeight));

  build_header();
  build_guide();
  build_buttons();
  build_footer();
}

void Form1::build_header() {
  auto* logo = new QLabel(this);
  logo->setObjectName(QStringLiteral("logo"));
  const QPixmap picture = icc().picture(kLogoGroup, 0);
  logo->setPixmap(picture);
  logo->setGeometry(twips_to_pixels(kLogoLeft), twips_to_pixels(kLogoTop),
                    picture.width(), picture.height());

  auto* title = make_label(this, QStringLiteral("Moniteur de Caisses"),
                           design_font(QStringLiteral("Arial"), 26, QFont::Bold),
                           kTitleColour);
  place_twips(*title, kTitleLeft, kTitleTop, kTitleWidth, kTitleHeight);

  auto* subtitle = make_label(
      this,
      QStringLiteral("Les ventes des caisses du magasin et des caisses distantes, "
                     "en direct et par période"),
      design_font(QStringLiteral("Arial"), 12), kSubtitleColour);
  place_twips(*subtitle, kTitleLeft, kSubtitleTop, kTitleWidth, kSubtitleHeight);

  auto* rule = new QFrame(this);
  place_twips(*rule, kRuleLeft, kRuleTop, kRuleWidth, kRuleHeight);
  rule->setAutoFillBackground(true);
  QPalette palette = rule->palette();
  palette.setColor(QPalette::Window, kRuleColour);
  rule->setPalette(palette);

  auto* prompt = make_label(this, QStringLiteral("Choisissez un écran :"),
                            design_font(QStringLiteral("Arial"), 12, QFont::Bold),
                            kTitleColour);
  place_twips(*prompt, kPromptLeft, kPromptTop, kPromptWidth, kPromptHeight);
}

void Form1::build_buttons() {
  for (const MenuButton& b : kMenuButtons) {
    // Graphical buttons show their picture above the caption.
    QAbstractButton* button = nullptr;
    if (b.graphical) {
      auto* tool = new QToolButton(this);
      tool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
      tool->setStyleSheet(kGraphicalButtonStyle);
      button = tool;
    } else {
      button = new QPushButton(this);
    }
    button->setText(QString::fromUtf8(b.caption));
    button->setObjectName(QString::fromLatin1(b.name));
    place_twips(*button, b.left, b.top, b.width, b.height);
    button->setCursor(Qt::PointingHandCursor);
    if (!b.picture_group.empty()) {
      button->setIcon(icc().picture(b.picture_group, b.picture));
      button->setIconSize(QSize(kButtonIconSide, kButtonIconSide));
    }
    if (b.screen.empty()) {
      connect(button, &QAbstractButton::clicked, this, &Form1::end_program);
    } else {
      const std::string_view screen = b.screen;
      connect(button, &QAbstractButton::clicked, this,
              [this, screen] { open_screen(screen); });
    }
  }
}

void Form1::build_guide() {
  auto* guide = new QFrame(this);
  guide->setObjectName(QStringLiteral("guide"));
  guide->setStyleSheet(kGuideStyle);
  place_twips(*guide, kGuideLeft, kGuideTop, kGuideWidth, kGuideHeight);
  const QFont font = design_font(QStringLiteral("Arial"), 10);
  int top = kGuideMargin;
  for (const ScreenGuide& entry : kGuide) {
    auto* label = make_label(guide,
                             QStringLiteral("<b>%1</b><br>%2")
                                 .arg(QString::fromUtf8(entry.title).toHtmlEscaped(),
                                      QString::fromUtf8(entry.text).toHtmlEscaped()),
                             font, Qt::black);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setStyleSheet(QStringLiteral("background: transparent; border: none;"));
    place_twips(*label, kGuideTextLeft, top, kGuideWidth - kGuideTextLeft - kGuideMargin,
                kGuideEntryHeight);
    auto* picture = new QLabel(guide);
    picture->setPixmap(icc().picture(kMenuGroup, entry.picture));
    picture->setStyleSheet(QStringLiteral("background: transparent; border: none;"));
    place_twips(*picture, kGuideMargin, top, kGuidePictureSide, kGuidePictureSide);
    top += kGuideEntryHeight + kGuideMargin / 3;
  }
}

void Form1::build_footer() {
  auto* footer = make_label(
      this,
      QStringLiteral("Dossier de données : %1    —    %2")
          .arg(from_utf8(ctx_.folder()), from_utf8(data::date_text(ctx_.now()))),
      design_font(QStringLiteral("Arial"), 8), kSubtitleColour);
  footer->setObjectName(QStringLiteral("footer"));
  place_twips(*footer, kFooterLeft, kFooterTop, kFooterWidth, kFooterHeight);
}

StartOutcome Form1::start() {
  apply_screen_frame(*this);
  load_startup_settings(ctx_);
  data::ensure_parameter_file(ctx_);
  const std::string command = data::read_start_command(ctx_);
  const auto screen = start_screen_of(command);
  if (screen && open_screen(*screen)) {
    end_program();
    return StartOutcome::kEnded;
  }
  return StartOutcome::kMenu;
}

bool Form1::open_screen(std::string_view name) {
  std::unique_ptr<QWidget> screen = openers_.make(name, ctx_, this);
  if (!screen) return false;
  run_modal(*screen);
  return true;
}

void Form1::end_program() {
  ctx_.file_slots().close_all();
  ended_ = true;
  close();
  emit program_ended();
}

void Form1::closeEvent(QCloseEvent* event) {
  if (ended_) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace mdc::shell
