// The monitor's program: one context over the data folder, which is the
// working directory, and the main menu.
#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "data/context.h"
#include "platform/core/env.h"
#include "platform/qt/regional.h"
#include "shell/form1.h"
#include "shell/screens.h"

namespace {

constexpr char kNoDisplay[] =
    "Moniteur de Caisses : aucun affichage disponible (DISPLAY non défini).\n";
constexpr char kNoFolder[] =
    "Moniteur de Caisses : le dossier de travail est introuvable.\n";
constexpr int kNoDisplayExit = 2;
constexpr int kNoFolderExit = 3;

}  // namespace

int main(int argc, char** argv) {
  if (!mdc::platform::display_available()) {
    std::fputs(kNoDisplay, stderr);
    return kNoDisplayExit;
  }
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::current_path(error);
  if (error) {
    std::fputs(kNoFolder, stderr);
    return kNoFolderExit;
  }

  QApplication app(argc, argv);
  mdc::data::Context ctx(mdc::platform::system_env(), folder.string(),
                         mdc::platform::regional_decimal_separator());
  const mdc::shell::ScreenOpeners screens = mdc::shell::standard_screens();
  mdc::shell::Form1 menu(ctx, screens);
  QObject::connect(&menu, &mdc::shell::Form1::program_ended, &app,
                   &QCoreApplication::quit);
  if (menu.start() == mdc::shell::StartOutcome::kEnded) return 0;
  menu.show();
  return app.exec();
}
