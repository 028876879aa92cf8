// The period chooser ch_perio: two month calendars, a month and a year list,
// seven preset buttons and two date boxes. Validation checks both dates,
// hands the period to the caller in ctx.chosen_period (start then end,
// "dd-mm-yyyy" each) and keeps it as record 40 of w_cai020.wdo for the next
// opening; cancellation leaves ctx.chosen_period empty.
#pragma once

#include <QDialog>
#include <memory>

#include "data/context.h"
#include "data/dates.h"
#include "monitors/core/period.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace mdc::platform {
class MonthCalendar;
}

namespace mdc::monitors {

class ChPerio : public QDialog {
  Q_OBJECT

 public:
  // Loads the window: frame, theme, buttons, lists on the current month,
  // then the stored period in the boxes and calendars.
  explicit ChPerio(data::Context& ctx, QWidget* parent = nullptr);

  // Checks and corrects both date boxes; a wrong date is told and replaced
  // by today, and its mark added to Label3.
  void controle_date();
  // "Valider": closes with the chosen period when both dates are right.
  void validate();
  // "Annuler": closes with no period; the stored one stays as it was.
  void cancel();
  // Fills the date boxes as preset i (0 to 6) says.
  void run_preset(int preset);
  // Whether the last validation could write record 40.
  bool period_stored() const { return period_stored_; }

 public slots:
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build_controls();
  void build_presets();
  void fill_lists();
  void load_stored_period();
  void on_list_click();
  void on_calendar1_click();
  void on_calendar2_click();
  data::CalendarDate today();
  PeriodTexts boxes() const;
  void set_boxes(const PeriodTexts& texts);

  data::Context& ctx_;
  QLineEdit* text1_ = nullptr;
  QLineEdit* text2_ = nullptr;
  platform::MonthCalendar* month_view1_ = nullptr;
  platform::MonthCalendar* month_view2_ = nullptr;
  QListWidget* list1_ = nullptr;
  QListWidget* list2_ = nullptr;
  QLabel* label3_ = nullptr;
  // Set while the boxes are being checked or the window closes, when a box
  // losing the focus to the message dialog must not start another check.
  bool checking_ = false;
  bool closing_ = false;
  bool period_stored_ = false;
};

// The chooser, loaded, not run (previews).
std::unique_ptr<QWidget> make_ch_perio(data::Context& ctx, QWidget* parent);

// Shows the chooser modally; returns the chosen period (empty when
// cancelled), as ctx.chosen_period holds it.
std::string choose_period(data::Context& ctx, QWidget* parent);

}  // namespace mdc::monitors
