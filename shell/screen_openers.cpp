#include "shell/screen_openers.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>

namespace mdc::shell {
namespace {

// Ends a local event loop when the watched screen is closed or hidden.
class CloseWatch : public QObject {
 public:
  explicit CloseWatch(QEventLoop& loop) : loop_(loop) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide || event->type() == QEvent::Close) {
      loop_.quit();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QEventLoop& loop_;
};

}  // namespace

void ScreenOpeners::add(std::string_view name, ScreenFactory factory) {
  factories_[std::string(name)] = std::move(factory);
}

bool ScreenOpeners::has(std::string_view name) const {
  return factories_.find(name) != factories_.end();
}

std::unique_ptr<QWidget> ScreenOpeners::make(std::string_view name,
                                             data::Context& ctx,
                                             QWidget* parent) const {
  const auto it = factories_.find(name);
  if (it == factories_.end() || !it->second) return nullptr;
  return it->second(ctx, parent);
}

std::vector<std::string> ScreenOpeners::names() const {
  std::vector<std::string> names;
  for (const auto& entry : factories_) names.push_back(entry.first);
  return names;
}

void run_modal(QWidget& screen) {
  if (!screen.isWindow()) screen.setWindowFlag(Qt::Window);
  if (auto* dialog = qobject_cast<QDialog*>(&screen)) {
    dialog->exec();
    return;
  }
  QEventLoop loop;
  CloseWatch watch(loop);
  QPointer<QWidget> alive(&screen);
  QObject::connect(&screen, &QObject::destroyed, &loop, &QEventLoop::quit);
  screen.setWindowModality(Qt::ApplicationModal);
  screen.installEventFilter(&watch);
  screen.show();
  if (screen.isVisible()) loop.exec();
  if (alive) alive->removeEventFilter(&watch);
}

}  // namespace mdc::shell
