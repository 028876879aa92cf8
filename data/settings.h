// The three settings files read at start-up: the start-up parameter file
// WFICH142.WDO, the register settings file w_cai020.wdo and the option switch
// file switch63.wdo.
#pragma once

#include <cstdint>
#include <string>

#include "data/context.h"

namespace mdc::data {

inline constexpr int kParameterSlot = 142;
inline constexpr std::string_view kParameterFile = "WFICH142.WDO ";
inline constexpr std::size_t kParameterRecordLength = 20;
inline constexpr int kParameterBlankRecords = 200;  // records 2 to 201
inline constexpr int kForegroundColourBase = 170;    // entry k: record 170 + k
inline constexpr int kBackgroundColourBase = 180;    // entry k: record 180 + k
inline constexpr int kStartCommandRecord = 195;
inline constexpr std::string_view kColourPrefix = "#I#";

inline constexpr int kRegisterSettingsSlot = 20;
inline constexpr std::string_view kRegisterSettingsFile = "w_cai020.wdo";
inline constexpr std::size_t kRegisterSettingsRecordLength = 20;
inline constexpr int kAmountFormatRecord = 4;
inline constexpr std::string_view kAmountFormatPrefix = "#.#";
inline constexpr std::string_view kDefaultAmountFormat = "0.00";
inline constexpr int kChosenPeriodRecord = 40;
inline constexpr int kDepartmentNameBase = 100;  // letter "A" + k: record 100 + k
inline constexpr int kPaymentMonitorFlagsRecord = 1401;

inline constexpr int kSwitchSlot = 163;
inline constexpr std::string_view kSwitchFile = "switch63.wdo";
inline constexpr std::size_t kSwitchRecordLength = 1024;
inline constexpr std::size_t kSwitchHeaderWidth = 24;
inline constexpr std::size_t kSwitchStringWidth = 1000;
inline constexpr int kSwitchCount = 500;
inline constexpr int kDefaultOnSwitch = 44;
inline constexpr int kColourThemeSwitch = 90;

inline constexpr std::string_view kStartLiveMonitor = "#MONICA#";
inline constexpr std::string_view kStartRemoteRegister = "#POSTDIST#";

// Opens WFICH142.WDO in its slot and initialises it when its header has no
// init marker. The file stays open.
void ensure_parameter_file(Context& ctx);
// Colours 1 to 9 from the open parameter file.
void load_colour_table(Context& ctx);
// Reads the one-shot start command, trimmed, and blanks its record.
std::string read_start_command(Context& ctx);

// Opens w_cai020.wdo in its slot, for the life of the process.
void open_register_settings(Context& ctx);
void load_amount_format(Context& ctx);
void load_department_names(Context& ctx);
// Record n of the open register settings file (zero bytes when missing).
Record read_register_setting(Context& ctx, int record);
bool write_register_setting(Context& ctx, int record, std::string_view text);

// Opens switch63.wdo and initialises it when its header has no init marker.
void ensure_switch_file(Context& ctx);
// Keeps the switch string in memory and closes the switch file.
void load_switches(Context& ctx);
// The 16-bit value of option switch n; 0 before load_switches, and for n
// outside 0 to 499.
std::int16_t switch_value(const Context& ctx, int n);

}  // namespace mdc::data
