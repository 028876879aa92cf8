#include "shell/form1.h"

#include <QApplication>
#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

#include "data/settings.h"
#include "platform/core/fake_env.h"
#include "tests/support/temp_folder.h"

namespace mdc::shell {
namespace {

constexpr std::size_t kLength = data::kParameterRecordLength;

std::string padded(std::string_view text, std::size_t width = kLength) {
  std::string out(text);
  out.resize(width, ' ');
  return out;
}

// A screen that notes how it was shown and closes itself at once.
class FakeScreen : public QWidget {
 public:
  FakeScreen(std::vector<std::string>& log, std::string name)
      : log_(log), name_(std::move(name)) {}

 protected:
  void showEvent(QShowEvent*) override {
    const bool modal = QApplication::activeModalWidget() == this || isModal();
    log_.push_back(name_ + (modal ? " modal" : " modeless"));
    QTimer::singleShot(0, this, &QWidget::close);
  }

 private:
  std::vector<std::string>& log_;
  std::string name_;
};

class Form1Test : public ::testing::Test {
 protected:
  Form1Test() {
    for (std::string_view name : {kLiveMonitorScreen, kRemoteRegisterScreen,
                                  kPeriodMonitorScreen}) {
      openers_.add(name, [this, name](data::Context&, QWidget*) {
        return std::make_unique<FakeScreen>(opened_, std::string(name));
      });
    }
  }

  // A parameter file with a valid header and record 195 holding `command`.
  void leave_command(std::string_view command) {
    std::string file = padded("#INIT#01-02-2020");
    file.resize(201 * kLength, ' ');
    file.replace((data::kStartCommandRecord - 1) * kLength, kLength, padded(command));
    folder_.write("WFICH142.WDO", file);
  }
  std::string start_command_record() const {
    return folder_.read("WFICH142.WDO")
        .substr((data::kStartCommandRecord - 1) * kLength, kLength);
  }

  test::TempFolder folder_;
  platform::FakeEnv env_;
  data::Context ctx_{env_, folder_.path()};
  ScreenOpeners openers_;
  std::vector<std::string> opened_;
};

TEST_F(Form1Test, FirstStartInAnEmptyFolderMakesTheSettingsFilesAndShowsTheMenu) {
  Form1 menu(ctx_, openers_);
  EXPECT_EQ(menu.start(), StartOutcome::kMenu);
  EXPECT_TRUE(opened_.empty());

  const std::string parameters = folder_.read("WFICH142.WDO");
  ASSERT_EQ(parameters.size(), 4020u);
  EXPECT_EQ(parameters.substr(0, kLength), padded("#INIT#12-11-2026"));
  EXPECT_EQ(parameters.substr(kLength), std::string(200 * kLength, ' '));
  const std::string switches = folder_.read("switch63.wdo");
  ASSERT_EQ(switches.size(), 1024u);
  EXPECT_EQ(switches.substr(0, 24), "#INIT#12-11-202610:30:00");
  EXPECT_EQ(switches.substr(24 + 2 * data::kDefaultOnSwitch, 2), "1 ");
  EXPECT_TRUE(folder_.exists("w_cai020.wdo"));
  EXPECT_EQ(folder_.read("w_cai020.wdo"), "");

  // The settings every screen uses are loaded; the two settings files stay open.
  EXPECT_EQ(ctx_.settings().amount_format, "0.00");
  EXPECT_EQ(ctx_.settings().colours.foreground[1], data::kColourNotSet);
  EXPECT_EQ(data::switch_value(ctx_, data::kDefaultOnSwitch), 1);
  EXPECT_TRUE(ctx_.file_slots().is_open(data::kParameterSlot));
  EXPECT_TRUE(ctx_.file_slots().is_open(data::kRegisterSettingsSlot));
  EXPECT_FALSE(ctx_.file_slots().is_open(data::kSwitchSlot));

  EXPECT_EQ(menu.windowTitle(), QStringLiteral("Moniteur de Caisses "));
  EXPECT_EQ(menu.size(), QSize(1024, 738));
  EXPECT_FALSE(menu.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(menu.windowFlags() & Qt::WindowMinMaxButtonsHint);
}

TEST_F(Form1Test, StartCommandOpensItsScreenOrTheMenuAndIsConsumed) {
  const struct {
    std::string_view record;
    std::vector<std::string> opened;
    StartOutcome outcome;
  } kCases[] = {
      {"#MONICA#", {"monica modal"}, StartOutcome::kEnded},
      {"  #MONICA#     ", {"monica modal"}, StartOutcome::kEnded},
      {"#POSTDIST#", {"postdist modal"}, StartOutcome::kEnded},
      {"#monica#", {}, StartOutcome::kMenu},
      {"#MONICA2#", {}, StartOutcome::kMenu},
      {"monica", {}, StartOutcome::kMenu},
      {"", {}, StartOutcome::kMenu},
  };
  for (const auto& c : kCases) {
    leave_command(c.record);
    opened_.clear();
    Form1 menu(ctx_, openers_);
    QSignalSpy ended(&menu, &Form1::program_ended);
    EXPECT_EQ(menu.start(), c.outcome) << c.record;
    EXPECT_EQ(opened_, c.opened) << c.record;
    EXPECT_EQ(start_command_record(), padded("")) << c.record;
    const bool ends = c.outcome == StartOutcome::kEnded;
    EXPECT_EQ(ended.size(), ends ? 1 : 0) << c.record;
    // Ending closes every file slot.
    EXPECT_EQ(ctx_.file_slots().is_open(data::kParameterSlot), !ends) << c.record;
    EXPECT_EQ(ctx_.file_slots().is_open(data::kRegisterSettingsSlot), !ends) << c.record;
  }
}

TEST_F(Form1Test, SecondStartAfterACommandShowsTheMenu) {
  leave_command("#MONICA#");
  {
    Form1 first(ctx_, openers_);
    EXPECT_EQ(first.start(), StartOutcome::kEnded);
  }
  Form1 second(ctx_, openers_);
  EXPECT_EQ(second.start(), StartOutcome::kMenu);
  EXPECT_EQ(opened_, std::vector<std::string>{"monica modal"});
}

TEST_F(Form1Test, CommandForAScreenThatDoesNotExistShowsTheMenu) {
  ScreenOpeners none;
  leave_command("#POSTDIST#");
  Form1 menu(ctx_, none);
  EXPECT_EQ(menu.start(), StartOutcome::kMenu);
  EXPECT_EQ(start_command_record(), padded(""));
}

TEST_F(Form1Test, MenuButtonsOpenTheirScreensModallyAndTheMenuStays) {
  Form1 menu(ctx_, openers_);
  ASSERT_EQ(menu.start(), StartOutcome::kMenu);
  menu.show();
  const struct {
    const char* button;
    const char* caption;
    std::vector<std::string> opened;
  } kCases[] = {
      {"Command1", "Postes distants", {"postdist modal"}},
      {"Command2", "monica ", {"monica modal"}},
      {"Command3", "monica 2", {"monica2 modal"}},
      {"Command4", "mp dist", {}},   // screen not registered: nothing
      {"Command5", "monica 4", {}},
  };
  for (const auto& c : kCases) {
    opened_.clear();
    auto* button = menu.findChild<QAbstractButton*>(QString::fromLatin1(c.button));
    ASSERT_NE(button, nullptr) << c.button;
    EXPECT_EQ(button->text(), QString::fromUtf8(c.caption)) << c.button;
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(opened_, c.opened) << c.button;
    EXPECT_FALSE(menu.ended()) << c.button;
    EXPECT_TRUE(menu.isVisible()) << c.button;
  }
  EXPECT_EQ(menu.findChild<QAbstractButton*>("Command1")->geometry(), QRect(72, 506, 97, 53));
  EXPECT_EQ(menu.findChild<QAbstractButton*>("Command4")->geometry(), QRect(278, 342, 99, 55));
}

TEST_F(Form1Test, FinClosesEverySlotAndEndsTheProgram) {
  Form1 menu(ctx_, openers_);
  menu.start();
  menu.show();
  // Without "Fin" the window refuses to close.
  EXPECT_FALSE(menu.close());
  EXPECT_TRUE(menu.isVisible());

  QSignalSpy ended(&menu, &Form1::program_ended);
  auto* fin = menu.findChild<QAbstractButton*>("image1");
  ASSERT_NE(fin, nullptr);
  EXPECT_EQ(fin->text(), QStringLiteral("Fin"));
  EXPECT_EQ(fin->geometry(), QRect(902, 636, 97, 53));
  QTest::mouseClick(fin, Qt::LeftButton);
  EXPECT_EQ(ended.size(), 1);
  EXPECT_TRUE(menu.ended());
  EXPECT_FALSE(menu.isVisible());
  EXPECT_FALSE(ctx_.file_slots().is_open(data::kParameterSlot));
  EXPECT_FALSE(ctx_.file_slots().is_open(data::kRegisterSettingsSlot));
}

// Damaged or unusable data folders: the monitor still starts and shows the
// menu with what it could read.
TEST_F(Form1Test, DamagedFilesNeverStopTheStart) {
  const struct {
    const char* what;
    std::function<void(test::TempFolder&, platform::FakeEnv&)> damage;
  } kCases[] = {
      {"odd length",
       [](test::TempFolder& f, platform::FakeEnv&) {
         f.write("WFICH142.WDO", padded("#INIT#01-02-2020") + "#I#25");
         f.write("switch63.wdo", "#INIT#");
       }},
      {"random bytes",
       [](test::TempFolder& f, platform::FakeEnv&) {
         std::string noise(4020, '\0');
         unsigned state = 12345;
         for (char& ch : noise) {
           state = state * 1103515245u + 12345u;
           ch = static_cast<char>(state >> 16);
         }
         f.write("WFICH142.WDO", noise);
         f.write("w_cai020.wdo", noise);
         f.write("switch63.wdo", noise.substr(0, 1024));
       }},
      {"folders where files should be",
       [](test::TempFolder& f, platform::FakeEnv&) {
         for (const char* name : {"WFICH142.WDO", "w_cai020.wdo", "switch63.wdo"}) {
           std::filesystem::create_directory(f.file(name));
         }
       }},
      {"writes fail", [](test::TempFolder&, platform::FakeEnv& env) {
         env.fail_write(1, /*sticky=*/true);
       }},
  };
  for (const auto& c : kCases) {
    test::TempFolder folder;
    platform::FakeEnv env;
    c.damage(folder, env);
    data::Context ctx(env, folder.path());
    Form1 menu(ctx, openers_);
    EXPECT_EQ(menu.start(), StartOutcome::kMenu) << c.what;
    EXPECT_TRUE(opened_.empty()) << c.what;
    menu.show();
    EXPECT_TRUE(menu.isVisible()) << c.what;
  }
}

}  // namespace
}  // namespace mdc::shell
