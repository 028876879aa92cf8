// The message dialog form97: every message, question and text input of the
// system. The caller fills the exchange fields of the context (request
// text, mode code, icon), calls ask(), and reads the answer from the same
// fields.
#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/context.h"

class QLabel;
class QLineEdit;
class QTimer;

namespace mdc::shell {

// Mode codes of a request.
inline constexpr int kMessageMode = 0;      // a message and "Valider"
inline constexpr int kYesNoMode = 4;        // with kYesNoPrefix: "Non", "Oui"
inline constexpr int kInputFlag = 128;      // above it: an input box
inline constexpr int kInputMode = 129;      // input, "Annuler", "Valider"
inline constexpr int kTwoButtonCode = 1;    // what kInputMode leaves
inline constexpr std::string_view kYesNoPrefix = "ON|";
// Separates an input request's question from its proposed answer.
inline constexpr char kAnswerSeparator = '|';

// Result codes.
inline constexpr int kValidated = 1;  // "Valider" of a message, Enter
inline constexpr int kCancelled = 2;  // "Annuler", Escape
inline constexpr int kYes = 6;        // "Oui", "Valider" of a question or input
inline constexpr int kNo = 7;         // "Non", double-click on the message

// The buttons a request shows.
enum class DialogButtons { kValider, kAnnulerValider, kNonOui };

// A request as the dialog interprets it.
struct DialogRequest {
  std::string message;
  bool has_input = false;
  std::string proposed_answer;  // what the input box starts with
  DialogButtons buttons = DialogButtons::kValider;
  std::vector<std::string> button_descriptors;
};

// Reads the exchange fields' request text and mode code. A code that would
// show no button at all (a caller's mistake) is served as a plain message,
// so that the dialog can always be closed by touch.
DialogRequest interpret_request(std::string_view text, int code);

// How the dialog is closed.
enum class Closing { kSlot1, kSlot4, kSlot5, kSlot6, kEnter, kEscape,
                     kDoubleClick };

struct DialogResult {
  int code = 0;
  // The new dialog_text; none when it is left as the caller set it.
  std::optional<std::string> text;
};

// The answer of a closing action, given the text of the input box.
DialogResult closing_result(Closing closing, const DialogRequest& request,
                            std::string_view input);

// Runs form97 modally over `parent` for the request of ctx.dialog(), and
// leaves the answer there; returns the result code.
int ask(data::Context& ctx, QWidget* parent);

// The dialog for a request, built but not run (previews and the snapshot
// tool): fills the exchange fields, then builds the window over them.
std::unique_ptr<QWidget> make_form97(data::Context& ctx, QWidget* parent,
                                     std::string_view text, int code,
                                     std::int16_t icon = 0);

// The dialog in each of its modes, as the screens ask it (previews).
std::unique_ptr<QWidget> preview_form97_message(data::Context& ctx, QWidget* parent);
std::unique_ptr<QWidget> preview_form97_question(data::Context& ctx, QWidget* parent);
std::unique_ptr<QWidget> preview_form97_input(data::Context& ctx, QWidget* parent);

// Shows a plain message (mode 0) with an optional icon and waits for it to
// be read.
void show_message(data::Context& ctx, QWidget* parent, std::string_view text,
                  std::int16_t icon = 0);

// The icon of the wrong-date message.
inline constexpr std::int16_t kWrongDateIcon = 57;
// verifie_date with its message shown in form97.
bool verifie_date(data::Context& ctx, QWidget* parent, std::string_view text);

class Form97 : public QDialog {
  Q_OBJECT

 public:
  // Builds the dialog for the request of ctx.dialog(); dialog_icon is 0
  // afterwards.
  Form97(data::Context& ctx, QWidget* parent = nullptr);
  ~Form97() override;

  const DialogRequest& request() const { return request_; }
  // One tick of Timer1: shows the icon when hidden, hides it when shown.
  void blink_icon();
  // Applies a closing action: sets the exchange fields and closes, as the
  // buttons, keys and double-click do.
  void close_with(Closing closing);

 public slots:
  // Closing without an answer (Escape, or the window manager) cancels.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build_controls();
  void load_icon(std::int16_t icon);
  void add_buttons();

  data::Context& ctx_;
  DialogRequest request_;
  QLabel* text1_ = nullptr;
  QLabel* image4_ = nullptr;
  QLineEdit* text2_ = nullptr;
  QTimer* timer1_ = nullptr;
  bool cursor_pushed_ = false;
};

}  // namespace mdc::shell
