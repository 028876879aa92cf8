// The main menu Form1: its loading runs the start-up sequence, honours the
// one-shot start command, and otherwise offers one button per screen and
// "Fin", the only way to leave the program.
#pragma once

#include <QWidget>
#include <string_view>

#include "data/context.h"
#include "shell/screen_openers.h"

class QCloseEvent;

namespace mdc::shell {

inline const QString kMenuTitle = QStringLiteral("Moniteur de Caisses ");

enum class StartOutcome {
  kMenu,   // the menu is to be shown
  kEnded,  // a start command's screen was shown and closed: the program ends
};

class Form1 : public QWidget {
  Q_OBJECT
 public:
  // `openers` must outlive the window.
  Form1(data::Context& ctx, const ScreenOpeners& openers, QWidget* parent = nullptr);

  // The start-up sequence: screen frame, settings, then the start command. A
  // command naming a screen runs that screen modally and then ends the
  // program; a command naming a screen that does not exist is ignored.
  StartOutcome start();

  // Opens a screen modally, the menu inactive behind it; nothing when the
  // screen does not exist. False when nothing was opened.
  bool open_screen(std::string_view name);

  // Closes every file slot and ends the program ("Fin").
  void end_program();
  bool ended() const { return ended_; }

 signals:
  // Every file slot is closed: the application is to quit.
  void program_ended();

 protected:
  // The window has no close box; only "Fin" closes it.
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_header();
  void build_buttons();
  void build_guide();
  void build_footer();

  data::Context& ctx_;
  const ScreenOpeners& openers_;
  bool ended_ = false;
};

}  // namespace mdc::shell
