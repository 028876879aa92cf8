#include "tests/support/dialog_answer.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace mdc::test {
namespace {

constexpr int kPollMilliseconds = 5;

QWidget* child_named(QWidget* dialog, const QString& name, int index) {
  QWidget* found = find_child(*dialog, name, index);
  if (!found) ADD_FAILURE() << "no control " << name.toStdString() << " " << index;
  return found;
}

}  // namespace

QWidget* find_child(const QWidget& window, const QString& object_name,
                    int index) {
  for (QWidget* w : window.findChildren<QWidget*>(object_name)) {
    if (index == kNoIndex) return w;
    const QVariant value = w->property("index");
    if (value.isValid() && value.toInt() == index) return w;
  }
  return nullptr;
}

void type_text(QWidget* target, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    QString one(text.at(i));
    if (text.at(i).isHighSurrogate() && i + 1 < text.size()) {
      one += text.at(++i);
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, one);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, one);
    QApplication::sendEvent(target, &release);
  }
}

DialogAnswers::DialogAnswers() {
  timer_.setInterval(kPollMilliseconds);
  QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
  timer_.start();
}

DialogAnswers::~DialogAnswers() { timer_.stop(); }

DialogAnswers& DialogAnswers::then(Action action) {
  actions_.push_back(std::move(action));
  return *this;
}

DialogAnswers::Action DialogAnswers::press(Qt::Key key) {
  return [key](QWidget* dialog) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != dialog) target = dialog;
    QTest::keyClick(target, key);
  };
}

DialogAnswers::Action DialogAnswers::click(const QString& object_name,
                                           int index) {
  return [object_name, index](QWidget* dialog) {
    if (QWidget* w = child_named(dialog, object_name, index)) {
      QTest::mouseClick(w, Qt::LeftButton);
    }
  };
}

DialogAnswers::Action DialogAnswers::double_click(const QString& object_name,
                                                  int index) {
  return [object_name, index](QWidget* dialog) {
    if (QWidget* w = child_named(dialog, object_name, index)) {
      QTest::mouseDClick(w, Qt::LeftButton);
    }
  };
}

DialogAnswers::Action DialogAnswers::type_into(const QString& object_name,
                                               const QString& text,
                                               Qt::Key then_key) {
  return [object_name, text, then_key](QWidget* dialog) {
    auto* box = dialog->findChild<QLineEdit*>(object_name);
    if (!box) {
      ADD_FAILURE() << "no text box " << object_name.toStdString();
      return;
    }
    box->setFocus();
    box->selectAll();
    type_text(box, text);
    QTest::keyClick(box, then_key);
  };
}

DialogAnswers::Action DialogAnswers::inspect_then(
    std::function<void(QWidget*)> inspect, Action answer) {
  return [inspect = std::move(inspect), answer = std::move(answer)](
             QWidget* dialog) {
    inspect(dialog);
    answer(dialog);
  };
}

void DialogAnswers::poll() {
  QWidget* dialog = QApplication::activeModalWidget();
  if (!dialog || !dialog->isVisible()) return;
  const auto* label = dialog->findChild<QLabel*>("text1");
  messages_ << (label ? label->text() : dialog->windowTitle());
  if (actions_.empty()) {
    ADD_FAILURE() << "unexpected modal window: " << messages_.back().toStdString();
    QTest::keyClick(dialog, Qt::Key_Escape);
    if (auto* d = qobject_cast<QDialog*>(dialog); d && d->isVisible()) {
      d->reject();
    }
    return;
  }
  Action action = std::move(actions_.front());
  actions_.pop_front();
  action(dialog);
}

}  // namespace mdc::test
