// The process-wide state of the monitor: its data folder, file slots,
// settings loaded at start-up and the exchange fields shared by the screens.
// One Context is made at start-up and handed to whatever needs it; each test
// makes its own over a temporary folder.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/record_file.h"
#include "platform/core/env.h"

namespace mdc::data {

inline constexpr int kColourEntries = 11;
inline constexpr std::int32_t kColourNotSet = -1;

// Windows colour values (red in the low byte); entries 1 to 9 come from the
// start-up parameter file, entries 0 and 10 stay 0.
struct ColourTable {
  std::array<std::int32_t, kColourEntries> foreground{};
  std::array<std::int32_t, kColourEntries> background{};
};

inline constexpr int kDepartmentCount = 20;

struct Settings {
  ColourTable colours;
  std::string amount_format = "0.00";
  // Entry k: the letter "A" + k, a space and the department's name.
  std::array<std::string, kDepartmentCount> department_names;
  // Empty until the switches are loaded: every switch then reads 0.
  std::string switch_string;
};

// What a caller hands the message dialog and reads back from it.
struct DialogExchange {
  std::string dialog_text;  // UTF-8, as shown and typed
  int dialog_code = 0;
  std::int16_t dialog_icon = 0;
};

// Qt's "slots" keyword is a macro; it is set aside here so that this header
// can follow Qt headers. Code that sees Qt's keywords calls file_slots().
#pragma push_macro("slots")
#undef slots

class Context {
 public:
  Context(platform::Env& env, std::string data_folder,
          char decimal_separator = ',')
      : env_(env), folder_(std::move(data_folder)), slots_(env_, folder_),
        decimal_separator_(decimal_separator) {}
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;

  platform::Env& env() { return env_; }
  const std::string& folder() const { return folder_; }
  FileSlots& slots() { return slots_; }
  FileSlots& file_slots() { return slots_; }
  Settings& settings() { return settings_; }
  const Settings& settings() const { return settings_; }
  DialogExchange& dialog() { return dialog_; }

  // The regional decimal separator used to show amounts.
  char decimal_separator() const { return decimal_separator_; }
  void set_decimal_separator(char separator) { decimal_separator_ = separator; }

  platform::LocalDateTime now() { return env_.now(); }
  // A suite file name (Windows rules) as a path in the data folder.
  std::string path_of(std::string_view name) {
    return platform::resolve_suite_path(env_, folder_, name);
  }

  // The chosen period: start date then end date, 20 characters; empty when
  // the last choice was cancelled.
  std::string chosen_period;

  // The current journal record: the last journal record read one at a time
  // (192 bytes once read; empty before).
  Record journal_record;

 private:
  platform::Env& env_;
  std::string folder_;
  FileSlots slots_;
  char decimal_separator_;
  Settings settings_;
  DialogExchange dialog_;
};

#pragma pop_macro("slots")

}  // namespace mdc::data
