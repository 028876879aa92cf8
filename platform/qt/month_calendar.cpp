#include "platform/qt/month_calendar.h"

#include <QLocale>
#include <algorithm>

namespace mdc::platform {
namespace {

QDate to_qdate(std::chrono::year_month_day date) {
  return QDate(int{date.year()}, static_cast<int>(unsigned{date.month()}),
               static_cast<int>(unsigned{date.day()}));
}

std::chrono::year_month_day from_qdate(QDate date) {
  return std::chrono::year{date.year()} /
         std::chrono::month{static_cast<unsigned>(date.month())} /
         std::chrono::day{static_cast<unsigned>(date.day())};
}

}  // namespace

MonthCalendar::MonthCalendar(QWidget* parent) : QCalendarWidget(parent) {
  setLocale(QLocale(QLocale::French, QLocale::France));
  setFirstDayOfWeek(Qt::Monday);
  setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  setGridVisible(true);
  connect(this, &QCalendarWidget::clicked, this,
          [this](QDate) { emit date_clicked(); });
}

std::chrono::year_month_day MonthCalendar::value() const {
  return from_qdate(selectedDate());
}

void MonthCalendar::set_range(std::chrono::year_month_day first,
                              std::chrono::year_month_day last) {
  if (!first.ok() || !last.ok()) return;
  setDateRange(to_qdate(first), to_qdate(last));
}

void MonthCalendar::set_value(std::chrono::year_month_day date) {
  if (!date.ok()) return;
  // Clamped as calendar days: a year the toolkit's dates cannot name (year 0)
  // never reaches them.
  using std::chrono::sys_days;
  const sys_days shown = std::clamp(sys_days{date}, sys_days{from_qdate(minimumDate())},
                                    sys_days{from_qdate(maximumDate())});
  const QDate day = to_qdate(std::chrono::year_month_day{shown});
  setSelectedDate(day);
  setCurrentPage(day.year(), day.month());
}

}  // namespace mdc::platform
