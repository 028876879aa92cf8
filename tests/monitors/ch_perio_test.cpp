#include "monitors/ch_perio.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

#include "data/settings.h"
#include "platform/core/fake_env.h"
#include "platform/qt/month_calendar.h"
#include "tests/support/dialog_answer.h"
#include "tests/support/temp_folder.h"
#include "tools/fixtures/fixtures.h"

namespace mdc::monitors {
namespace {

using namespace std::chrono;
using test::DialogAnswers;

// Monday 7 December 2026.
constexpr platform::LocalDateTime kMonday{2026, 12, 7, 9, 0, 0};

class ChPerioTest : public ::testing::Test {
 protected:
  ChPerioTest() { data::open_register_settings(ctx_); }

  void store(std::string_view period) {
    ASSERT_TRUE(data::write_register_setting(ctx_, data::kChosenPeriodRecord, period));
  }
  std::string record40() {
    return data::read_register_setting(ctx_, data::kChosenPeriodRecord);
  }

  test::TempFolder folder_;
  platform::FakeEnv env_{kMonday};
  data::Context ctx_{env_, folder_.path()};
};

QLineEdit* box(const QWidget& w, const char* name) {
  return w.findChild<QLineEdit*>(name);
}
QString text_of(const QWidget& w, const char* name) { return box(w, name)->text(); }
platform::MonthCalendar* calendar(const QWidget& w, const char* name) {
  return w.findChild<platform::MonthCalendar*>(name);
}
void click(const QWidget& w, const char* name, int index = test::kNoIndex) {
  QWidget* control = test::find_child(w, name, index);
  ASSERT_NE(control, nullptr) << name << " " << index;
  QTest::mouseClick(control, Qt::LeftButton);
}
// A click on a day of a calendar, as the user makes it.
void click_day(platform::MonthCalendar* view, year_month_day day) {
  view->set_value(day);
  emit view->clicked(view->selectedDate());
}
void set_boxes(ChPerio& w, const QString& start, const QString& end) {
  box(w, "Text1")->setText(start);
  box(w, "Text2")->setText(end);
}

TEST_F(ChPerioTest, LoadsListsOnTheCurrentMonthThenTheStoredPeriod) {
  store("01-05-202031-05-2020");
  ChPerio w(ctx_);
  EXPECT_EQ(w.windowTitle(), "Choix d'une periode");
  auto* list1 = w.findChild<QListWidget*>("List1");
  auto* list2 = w.findChild<QListWidget*>("List2");
  ASSERT_EQ(list1->count(), 12);
  EXPECT_EQ(list1->item(1)->text(), "Février");
  EXPECT_EQ(list1->item(7)->text(), "Aout");
  EXPECT_EQ(list1->item(11)->text(), "Décembre");
  ASSERT_EQ(list2->count(), 12);
  EXPECT_EQ(list2->item(0)->text(), "2015");
  EXPECT_EQ(list2->item(11)->text(), "2026");
  EXPECT_EQ(list2->currentRow(), 11);
  EXPECT_EQ(list1->currentRow(), 11);
  EXPECT_EQ(text_of(w, "Text1"), "01-05-2020");
  EXPECT_EQ(text_of(w, "Text2"), "31-05-2020");
  EXPECT_EQ(calendar(w, "MonthView1")->value(), 2020y / May / 1);
  EXPECT_EQ(calendar(w, "MonthView2")->value(), 2020y / May / 31);
}

TEST_F(ChPerioTest, ABlankStoredPeriodShowsTodayInTheCalendarsOnly) {
  store("");
  ChPerio w(ctx_);
  EXPECT_EQ(text_of(w, "Text1"), "          ");
  EXPECT_EQ(calendar(w, "MonthView1")->value(), 2026y / December / 7);
  EXPECT_EQ(calendar(w, "MonthView2")->value(), 2026y / December / 7);
  w.validate();
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(ctx_.chosen_period, "07-12-202607-12-2026");
}

TEST_F(ChPerioTest, AStoredPeriodIsShownAsStoredNotNormalised) {
  store("1/5/2020  310520    ");
  ChPerio w(ctx_);
  EXPECT_EQ(text_of(w, "Text1"), "1/5/2020  ");
  EXPECT_EQ(text_of(w, "Text2"), "310520    ");
  // 1/5/2020 reads as day 15 of month 20 of 2020, that is August 2021.
  EXPECT_EQ(calendar(w, "MonthView1")->value(), 2021y / August / 15);
  EXPECT_EQ(calendar(w, "MonthView2")->value(), 2020y / May / 31);
}

TEST_F(ChPerioTest, ADateBeyondTheCalendarsShowsTheirNearestDay) {
  store("01-00-000031-12-9999");  // December of the year before year 0
  ChPerio w(ctx_);
  EXPECT_EQ(calendar(w, "MonthView1")->value(), 1900y / January / 1);
  EXPECT_EQ(calendar(w, "MonthView2")->value(), 2040y / December / 31);
}

TEST_F(ChPerioTest, RandomBytesInRecord40LoadAndValidateToToday) {
  store(std::string("\x01\xFE" "9\x00\x80\x7F\xA0x4\n", 10) +
        std::string(10, '\xFF'));
  ChPerio w(ctx_);
  EXPECT_EQ(text_of(w, "Text1"), QString::fromUtf8("\xC3\xBE" "9\xE2\x82\xAC\xC2\xA0x4"));
  DialogAnswers answers;
  answers.then(DialogAnswers::press(Qt::Key_Return));  // "94" is no date
  w.validate();
  EXPECT_EQ(answers.messages(),
            QStringList{"La date \n' 94 '\n saisie est incorrecte !"});
  EXPECT_NE(w.result(), QDialog::Accepted);
  EXPECT_EQ(text_of(w, "Text1"), "07-12-2026");
  EXPECT_EQ(text_of(w, "Text2"), "07-12-2026");
  w.validate();
  EXPECT_EQ(ctx_.chosen_period, "07-12-202607-12-2026");
}

TEST_F(ChPerioTest, ListsGiveTheWholeMonth) {
  ChPerio w(ctx_);
  w.show();
  auto* list1 = w.findChild<QListWidget*>("List1");
  auto* list2 = w.findChild<QListWidget*>("List2");
  const struct {
    int month_row;
    int year_row;
    const char* start;
    const char* end;
  } kCases[] = {
      {1, 9, "01-02-2024", "29-02-2024"},
      {1, 8, "01-02-2023", "28-02-2023"},
      {11, 0, "01-12-2015", "31-12-2015"},
  };
  for (const auto& c : kCases) {
    list2->setCurrentRow(c.year_row);
    list1->setCurrentRow(c.month_row);
    EXPECT_EQ(text_of(w, "Text1"), c.start);
    EXPECT_EQ(text_of(w, "Text2"), c.end);
  }
  // A user's click on a year.
  set_boxes(w, "", "");
  QListWidgetItem* item = list2->item(9);
  QTest::mouseClick(list2->viewport(), Qt::LeftButton, {},
                    list2->visualItemRect(item).center());
  EXPECT_EQ(text_of(w, "Text1"), "01-12-2024");
  EXPECT_EQ(text_of(w, "Text2"), "31-12-2024");
}

TEST_F(ChPerioTest, EveryPartOfAPresetButtonRunsIt) {
  ChPerio w(ctx_);
  const struct {
    int preset;
    const char* caption;
    const char* start;
    const char* end;
  } kCases[] = {
      {0, "Hier", "06-12-2026", "06-12-2026"},
      {1, "Aujourd'hui", "07-12-2026", "07-12-2026"},
      {2, "La Semaine Dernière", "30-11-2026", "06-12-2026"},
      {3, "Cette Semaine", "07-12-2026", "13-12-2026"},
      {4, "2025", "01-01-2025", "31-12-2025"},
      {5, "2026", "01-01-2026", "31-12-2026"},
  };
  for (const auto& c : kCases) {
    auto* caption = qobject_cast<QLabel*>(test::find_child(w, "perij", c.preset));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), c.caption);
    auto* picture = qobject_cast<QLabel*>(test::find_child(w, "minni", c.preset));
    EXPECT_FALSE(picture->pixmap().isNull()) << c.preset;
    for (const char* part : {"perii", "perij", "minni"}) {
      set_boxes(w, "x", "y");
      click(w, part, c.preset);
      EXPECT_EQ(text_of(w, "Text1"), c.start) << part << " " << c.preset;
      EXPECT_EQ(text_of(w, "Text2"), c.end) << part << " " << c.preset;
    }
  }
}

TEST_F(ChPerioTest, EverythingStartsAtTheJournalsFirstRecord) {
  fixtures::JournalWriter journal(folder_.file("W_CAI028.WDO"));
  for (const char* date : {"03-01-2019", "04-01-2019"}) {
    fixtures::Ticket ticket;
    ticket.date = date;
    ticket.time = "10:00";
    ticket.amount = 12.5;
    journal.add(ticket);
  }
  ASSERT_TRUE(journal.finish());
  ChPerio w(ctx_);
  click(w, "perij", 6);
  EXPECT_EQ(text_of(w, "Text1"), "03-01-2019");
  EXPECT_EQ(text_of(w, "Text2"), "07-12-2026");
}

TEST_F(ChPerioTest, EverythingOnAnEmptyJournalBecomesTodayAtValidation) {
  ChPerio w(ctx_);
  click(w, "perii", 6);
  EXPECT_EQ(text_of(w, "Text1"), "");
  click(w, "bt_prog", 0);
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(ctx_.chosen_period, "07-12-202607-12-2026");
}

TEST_F(ChPerioTest, CalendarClicksFillTheBoxes) {
  ChPerio w(ctx_);
  auto* view1 = calendar(w, "MonthView1");
  auto* view2 = calendar(w, "MonthView2");
  view2->set_value(2026y / March / 10);
  // A start after the end's calendar moves the end with it.
  click_day(view1, 2026y / March / 20);
  EXPECT_EQ(text_of(w, "Text1"), "20-03-2026");
  EXPECT_EQ(text_of(w, "Text2"), "20-03-2026");
  EXPECT_EQ(view2->value(), 2026y / March / 20);
  // An end before the start brings the start to it; the first calendar
  // stays.
  click_day(view2, 2026y / March / 5);
  EXPECT_EQ(text_of(w, "Text1"), "05-03-2026");
  EXPECT_EQ(text_of(w, "Text2"), "05-03-2026");
  EXPECT_EQ(view1->value(), 2026y / March / 20);
  click_day(view1, 2026y / February / 1);
  EXPECT_EQ(text_of(w, "Text1"), "01-02-2026");
  EXPECT_EQ(text_of(w, "Text2"), "05-03-2026");
}

TEST_F(ChPerioTest, ValidationStoresAndHandsBackThePeriod) {
  ChPerio w(ctx_);
  w.show();
  set_boxes(w, "010520", "31/05/2020");
  click(w, "li_prog", 0);  // the caption counts as the button
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(ctx_.chosen_period, "01-05-202031-05-2020");
  EXPECT_EQ(record40(), "01-05-202031-05-2020");
  EXPECT_TRUE(w.period_stored());
}

TEST_F(ChPerioTest, AFailedWriteStillHandsBackThePeriod) {
  ChPerio w(ctx_);
  set_boxes(w, "01-05-2020", "31-05-2020");
  env_.fail_write(1);
  w.validate();
  EXPECT_EQ(ctx_.chosen_period, "01-05-202031-05-2020");
  EXPECT_FALSE(w.period_stored());
}

TEST_F(ChPerioTest, TwoWrongDatesGiveTwoMessagesAndTheChooserStaysOpen) {
  ChPerio w(ctx_);
  w.show();
  set_boxes(w, "31-04-2020", "29-02-2021");
  DialogAnswers answers;
  answers.then(DialogAnswers::press(Qt::Key_Return))
      .then(DialogAnswers::press(Qt::Key_Return));
  click(w, "bt_prog", 0);
  EXPECT_EQ(answers.messages(),
            (QStringList{"La date \n' 31-04-2020 '\n saisie est incorrecte !",
                         "La date \n' 29-02-2021 '\n saisie est incorrecte !"}));
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.findChild<QLabel*>("Label3")->text(), "12");
  EXPECT_EQ(text_of(w, "Text1"), "07-12-2026");
  EXPECT_EQ(text_of(w, "Text2"), "07-12-2026");
  EXPECT_TRUE(ctx_.chosen_period.empty());
}

TEST_F(ChPerioTest, AnythingTypedEndsAsADateOrToday) {
  ChPerio w(ctx_);
  w.show();
  box(w, "Text1")->clear();
  box(w, "Text2")->clear();
  test::type_text(box(w, "Text1"), "日本 😀 ﾃｽﾄ");
  test::type_text(box(w, "Text2"), "abc");
  w.validate();
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(record40(), "07-12-202607-12-2026");
}

TEST_F(ChPerioTest, LeavingABoxChecksBothDates) {
  ChPerio w(ctx_);
  w.show();
  QApplication::setActiveWindow(&w);
  set_boxes(w, "10-05-2020", "01-05-2020");
  box(w, "Text1")->setFocus();
  box(w, "Text2")->setFocus();
  EXPECT_EQ(text_of(w, "Text1"), "01-05-2020");

  // A wrong date is told once: the box losing the focus to the message
  // does not check again.
  set_boxes(w, "31-04-2020", "30-04-2020");
  DialogAnswers answers;
  answers.then(DialogAnswers::press(Qt::Key_Return));
  box(w, "Text1")->setFocus();
  box(w, "Text2")->setFocus();
  EXPECT_EQ(answers.messages().size(), 1);
  // As typed, 31-04-2020 stands for 1 May, later than the end.
  EXPECT_EQ(text_of(w, "Text1"), "30-04-2020");
  EXPECT_EQ(w.findChild<QLabel*>("Label3")->text(), "1");
}

TEST_F(ChPerioTest, AFocusedBoxHasItsDateSelected) {
  ChPerio w(ctx_);
  w.show();
  QApplication::setActiveWindow(&w);
  set_boxes(w, "01-05-2020", "31-05-2020");
  box(w, "Text2")->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(box(w, "Text2")->selectedText(), "31-05-2020");
}

TEST_F(ChPerioTest, EnterAndEscapeActWhereverTheFocusIs) {
  {
    ChPerio w(ctx_);
    w.show();
    set_boxes(w, "01-05-2020", "31-05-2020");
    QTest::keyClick(w.findChild<QListWidget*>("List1"), Qt::Key_Return);
    EXPECT_EQ(w.result(), QDialog::Accepted);
  }
  {
    ChPerio w(ctx_);
    w.show();
    set_boxes(w, "01-06-2020", "30-06-2020");
    QTest::keyClick(calendar(w, "MonthView1"), Qt::Key_Escape);
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_TRUE(ctx_.chosen_period.empty());
  }
  EXPECT_EQ(record40(), "01-05-202031-05-2020");
}

TEST_F(ChPerioTest, CancelKeepsTheLastValidatedPeriodForTheNextOpening) {
  {
    ChPerio w(ctx_);
    set_boxes(w, "01-05-2020", "31-05-2020");
    w.validate();
  }
  {
    ChPerio w(ctx_);
    set_boxes(w, "01-01-2021", "31-01-2021");
    click(w, "bt_prog", 1);
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_EQ(ctx_.chosen_period, "");
  }
  EXPECT_EQ(record40(), "01-05-202031-05-2020");
  ChPerio next(ctx_);
  EXPECT_EQ(text_of(next, "Text1"), "01-05-2020");
  EXPECT_EQ(text_of(next, "Text2"), "31-05-2020");
}

TEST_F(ChPerioTest, ChoosePeriodRunsTheChooserModally) {
  DialogAnswers answers;
  answers.then(DialogAnswers::type_into("Text1", "01052020", Qt::Key_Tab))
      .then(DialogAnswers::type_into("Text2", "31052020", Qt::Key_Return));
  EXPECT_EQ(choose_period(ctx_, nullptr), "01-05-202031-05-2020");
  EXPECT_EQ(answers.pending(), 0u);
}

}  // namespace
}  // namespace mdc::monitors
