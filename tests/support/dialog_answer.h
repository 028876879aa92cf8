// Answers the modal windows that the code under test opens, so that a test
// can drive a screen that asks questions without a person in front of it.
//
//   test::DialogAnswers answers;
//   answers.then(test::DialogAnswers::press(Qt::Key_Return));
//   screen.validate();              // opens form97, which gets Enter
//   EXPECT_EQ(answers.messages(), QStringList{"..."});
//
// Queued actions are applied in order, each to the modal window open when it
// runs (the most recent one when they are nested); a window that an action
// left open gets the next action. A modal window open when no action is left
// fails the test and is closed with Escape, so a forgotten answer never
// hangs the test program.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <ostream>

// Test failures show a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace mdc::test {

// Types `text` into `target` one character at a time, as key presses that
// carry the character (any Unicode text, beyond what key codes name).
void type_text(QWidget* target, const QString& text);

inline constexpr int kNoIndex = -1;
// The child of `window` of that object name; with an index, the member of
// that control array. Null when there is none.
QWidget* find_child(const QWidget& window, const QString& object_name,
                    int index = kNoIndex);

class DialogAnswers {
 public:
  using Action = std::function<void(QWidget* dialog)>;

  DialogAnswers();
  ~DialogAnswers();
  DialogAnswers(const DialogAnswers&) = delete;
  DialogAnswers& operator=(const DialogAnswers&) = delete;

  // Queues the answer to the next modal window.
  DialogAnswers& then(Action action);

  // Ready-made answers.
  static Action press(Qt::Key key);
  // Clicks the child control of that object name; with an index, the member
  // of that control array (its "index" property).
  static Action click(const QString& object_name, int index = kNoIndex);
  // Double-clicks it.
  static Action double_click(const QString& object_name, int index = kNoIndex);
  // Replaces the text of the child text box of that name, as typed, then
  // presses a key.
  static Action type_into(const QString& object_name, const QString& text,
                          Qt::Key then_key);
  // Runs `inspect` on the open window, then answers it with `answer`.
  static Action inspect_then(std::function<void(QWidget*)> inspect,
                             Action answer);

  // The message of the window at each action so far: the text of its label
  // "text1" when it has one, else its window title.
  const QStringList& messages() const { return messages_; }
  // Queued answers not used yet.
  std::size_t pending() const { return actions_.size(); }

 private:
  void poll();

  QTimer timer_;
  std::deque<Action> actions_;
  QStringList messages_;
};

}  // namespace mdc::test
