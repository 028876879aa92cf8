// screen-snapshot <data folder> <yyyy-mm-dd hh:mm:ss> <output folder>
//
// Opens the main menu, every registered screen and the windows the screens
// open themselves (shell/screens.h) over a data folder, with the clock set to
// the given time, on the offscreen platform, and writes per window a PNG and
// the cells of its grids as tab-separated text. Screens are shown without modal loops; a modal window that a screen
// opens on its own is closed, so that the tool never waits for a user.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>

#include "data/context.h"
#include "platform/core/fake_env.h"
#include "platform/qt/grid.h"
#include "shell/common/frame.h"
#include "shell/form1.h"
#include "shell/screens.h"
#include "shell/start_up.h"

namespace {

using mdc::platform::LocalDateTime;

constexpr char kUsage[] =
    "usage: screen-snapshot <data folder> <yyyy-mm-dd hh:mm:ss> <output folder>\n";
constexpr int kUsageExit = 2;
constexpr int kFolderExit = 3;
constexpr int kWriteExit = 4;
// Time given to a screen to load and paint before it is taken.
constexpr int kSettleMs = 400;
// How often a modal window opened by a screen is looked for.
constexpr int kModalWatchMs = 50;
constexpr char kMenuName[] = "Form1";

std::optional<LocalDateTime> parse_time(const char* text) {
  LocalDateTime t;
  char end = 0;
  if (std::sscanf(text, "%4d-%2d-%2d %2d:%2d:%2d%c", &t.year, &t.month, &t.day,
                  &t.hour, &t.minute, &t.second, &end) != 6) {
    return std::nullopt;
  }
  const std::chrono::year_month_day date{std::chrono::year(t.year),
                                         std::chrono::month(t.month),
                                         std::chrono::day(t.day)};
  if (!date.ok() || t.hour > 23 || t.minute > 59 || t.second > 59 || t.hour < 0 ||
      t.minute < 0 || t.second < 0) {
    return std::nullopt;
  }
  return t;
}

void settle() {
  QEventLoop loop;
  QTimer::singleShot(kSettleMs, &loop, &QEventLoop::quit);
  loop.exec();
}

// Closes any modal window that is not one of ours.
void close_stray_modal() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal) return;
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  } else {
    modal->close();
  }
}

QString cell_text(QString text) {
  return text.replace(QLatin1Char('\t'), QLatin1Char(' '))
      .replace(QLatin1Char('\r'), QLatin1Char(' '))
      .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// The grids of a window, each under a "[name]" line, one row a line, cells
// separated by tabs. False when it could not be written.
bool write_grids(QWidget& window, const QString& path) {
  const auto grids = window.findChildren<mdc::platform::Grid*>();
  if (grids.isEmpty()) return true;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QTextStream out(&file);
  out.setEncoding(QStringConverter::Utf8);
  bool first = true;
  for (const mdc::platform::Grid* grid : grids) {
    if (!first) out << "\n";
    first = false;
    out << "[" << grid->objectName() << "]\n";
    for (int r = 0; r < grid->rows(); ++r) {
      for (int c = 0; c < grid->cols(); ++c) {
        if (c > 0) out << "\t";
        out << cell_text(grid->text_matrix(r, c));
      }
      out << "\n";
    }
  }
  return out.status() == QTextStream::Ok && file.flush();
}

bool take(QWidget& window, const QDir& out, const QString& name) {
  window.show();
  settle();
  const QString png = out.filePath(name + QStringLiteral(".png"));
  const bool saved = window.grab().save(png, "PNG") &&
                     write_grids(window, out.filePath(name + QStringLiteral(".tsv")));
  std::printf("%s %s (%dx%d)\n", saved ? "wrote" : "FAILED", qPrintable(png),
              window.width(), window.height());
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs(kUsage, stderr);
    return kUsageExit;
  }
  const std::optional<LocalDateTime> now = parse_time(argv[2]);
  if (!now) {
    std::fputs(kUsage, stderr);
    return kUsageExit;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  const QDir data(QString::fromLocal8Bit(argv[1]));
  QDir out(QString::fromLocal8Bit(argv[3]));
  if (!data.exists() || !QDir::setCurrent(data.absolutePath())) {
    std::fprintf(stderr, "screen-snapshot: no data folder %s\n", argv[1]);
    return kFolderExit;
  }
  if (!out.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "screen-snapshot: cannot make %s\n", argv[3]);
    return kWriteExit;
  }
  out.setPath(out.absolutePath());

  mdc::platform::FakeEnv env(*now);
  mdc::data::Context ctx(env, data.absolutePath().toStdString(), ',');
  mdc::shell::load_startup_settings(ctx);

  QTimer modal_watch;
  QObject::connect(&modal_watch, &QTimer::timeout, &close_stray_modal);
  modal_watch.start(kModalWatchMs);

  const mdc::shell::ScreenOpeners screens = mdc::shell::standard_screens();
  bool all_saved = true;
  mdc::shell::Form1 menu(ctx, screens);
  mdc::shell::apply_screen_frame(menu);
  all_saved &= take(menu, out, QString::fromLatin1(kMenuName));

  const mdc::shell::ScreenOpeners previews = mdc::shell::preview_windows();
  for (const mdc::shell::ScreenOpeners* windows : {&screens, &previews}) {
    for (const std::string& name : windows->names()) {
      std::unique_ptr<QWidget> screen = windows->make(name, ctx, &menu);
      if (!screen) continue;
      if (!screen->isWindow()) screen->setWindowFlag(Qt::Window);
      all_saved &= take(*screen, out, QString::fromStdString(name));
      screen->close();
    }
  }
  ctx.file_slots().close_all();
  return all_saved ? 0 : kWriteExit;
}
