// The month calendar control: one month of days, a readable and settable
// date, and an event when the user clicks a day.
#pragma once

#include <QCalendarWidget>
#include <chrono>

namespace mdc::platform {

class MonthCalendar : public QCalendarWidget {
  Q_OBJECT

 public:
  explicit MonthCalendar(QWidget* parent = nullptr);

  // The days the control shows and lets the user click.
  void set_range(std::chrono::year_month_day first,
                 std::chrono::year_month_day last);

  std::chrono::year_month_day value() const;
  // Shows and selects `date`. A date before or after what the control can
  // show is brought to its first or last day; one that is not a calendar day
  // is ignored.
  void set_value(std::chrono::year_month_day date);

 signals:
  // The user clicked a day; value() is that day.
  void date_clicked();
};

}  // namespace mdc::platform
