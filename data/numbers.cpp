#include "data/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace mdc::data {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// A format section split into what the number needs.
struct Section {
  std::string prefix;       // literal text before the first placeholder
  std::string suffix;       // literal text after it, in order
  int int_zeros = 0;        // "0" placeholders before the point
  bool has_point = false;
  bool grouping = false;
  int dec_places = 0;       // placeholders after the point
  int dec_min = 0;          // places that always show (up to the last "0")
};

Section parse_section(std::string_view fmt) {
  Section s;
  bool seen_placeholder = false;
  bool after_point = false;
  for (std::size_t i = 0; i < fmt.size(); ++i) {
    const char c = fmt[i];
    std::string literal;
    if (c == '0' || c == '#') {
      seen_placeholder = true;
      if (after_point) {
        ++s.dec_places;
        if (c == '0') s.dec_min = s.dec_places;
      } else if (c == '0') {
        ++s.int_zeros;
      }
      continue;
    }
    if (c == '.' && !after_point) {
      after_point = true;
      s.has_point = true;
      seen_placeholder = true;
      continue;
    }
    if (c == ',' && seen_placeholder && !after_point) {
      s.grouping = true;
      continue;
    }
    if (c == '\\' && i + 1 < fmt.size()) {
      literal = fmt[++i];
    } else if (c == '"') {
      const std::size_t end = fmt.find('"', i + 1);
      const std::size_t stop = end == std::string_view::npos ? fmt.size() : end;
      literal = std::string(fmt.substr(i + 1, stop - i - 1));
      i = stop;
    } else {
      literal = c;
    }
    (seen_placeholder ? s.suffix : s.prefix) += literal;
  }
  return s;
}

// The decimal digits of |value| rounded to `places` decimals, half away from
// zero, from its 15 significant digits: integer part and decimal part.
void rounded_digits(double value, int places, std::string& int_part,
                    std::string& dec_part) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
  // buf: d.dddddddddddddde[+-]xx
  std::string mantissa;
  mantissa += buf[0];
  mantissa.append(buf + 2, 14);
  const int exponent = std::atoi(buf + 17);
  // digits of mantissa stand for d.ddd × 10^exponent; the point falls after
  // (exponent + 1) digits.
  int point = exponent + 1;
  std::string digits = mantissa;
  if (point <= 0) {
    digits.insert(0, static_cast<std::size_t>(-point) + 1, '0');
    point = 1;
  }
  if (static_cast<int>(digits.size()) < point + places + 1) {
    digits.append(static_cast<std::size_t>(point + places + 1) - digits.size(), '0');
  }
  const bool round_up = digits[static_cast<std::size_t>(point + places)] >= '5';
  digits.resize(static_cast<std::size_t>(point + places));
  if (round_up) {
    int i = static_cast<int>(digits.size()) - 1;
    while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
      digits[static_cast<std::size_t>(i)] = '0';
      --i;
    }
    if (i < 0) {
      digits.insert(digits.begin(), '1');
      ++point;
    } else {
      ++digits[static_cast<std::size_t>(i)];
    }
  }
  int_part = digits.substr(0, static_cast<std::size_t>(point));
  dec_part = digits.substr(static_cast<std::size_t>(point));
  const std::size_t first = int_part.find_first_not_of('0');
  int_part = first == std::string::npos ? std::string() : int_part.substr(first);
}

std::string group(const std::string& digits, char separator) {
  std::string out;
  const std::size_t n = digits.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

}  // namespace

double parse_number(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && is_blank(text[i])) ++i;
  std::string clean;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') clean += '-';
    ++i;
    while (i < text.size() && is_blank(text[i])) ++i;
  }
  bool digits = false;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (is_digit(c)) {
      clean += c;
      digits = true;
    } else if (c == '.' && !point) {
      clean += c;
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return 0.0;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    std::size_t j = i + 1;
    std::string exp = "e";
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exp += text[j++];
    const std::size_t start = j;
    while (j < text.size() && is_digit(text[j])) exp += text[j++];
    if (j > start) clean += exp;
  }
  double value = 0.0;
  const auto [ptr, ec] =
      std::from_chars(clean.data(), clean.data() + clean.size(), value);
  (void)ptr;
  if (ec != std::errc() || !std::isfinite(value)) return 0.0;
  return value;
}

std::int64_t round_half_even(double value) {
  if (!std::isfinite(value) || std::fabs(value) >= 9.2e18) return 0;
  return static_cast<std::int64_t>(std::nearbyint(value));
}

std::int16_t to_int16(double value) {
  if (std::isnan(value)) return 0;
  if (value >= std::numeric_limits<std::int16_t>::max()) {
    return std::numeric_limits<std::int16_t>::max();
  }
  if (value <= std::numeric_limits<std::int16_t>::min()) {
    return std::numeric_limits<std::int16_t>::min();
  }
  return static_cast<std::int16_t>(round_half_even(value));
}

std::int32_t to_int32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= std::numeric_limits<std::int32_t>::max()) {
    return std::numeric_limits<std::int32_t>::max();
  }
  if (value <= std::numeric_limits<std::int32_t>::min()) {
    return std::numeric_limits<std::int32_t>::min();
  }
  return static_cast<std::int32_t>(round_half_even(value));
}

std::string format_amount(double value, std::string_view format,
                          char decimal_separator) {
  if (!std::isfinite(value)) return {};
  std::string_view section_text = format;
  const std::size_t semicolon = format.find(';');
  bool negative = value < 0;
  bool sign_in_format = false;
  if (semicolon != std::string_view::npos) {
    section_text = format.substr(0, semicolon);
    if (negative) {
      section_text = format.substr(semicolon + 1);
      sign_in_format = true;
    }
  }
  const Section s = parse_section(section_text);
  std::string int_part;
  std::string dec_part;
  rounded_digits(value, s.dec_places, int_part, dec_part);
  if (int_part.empty() && dec_part.find_first_not_of('0') == std::string::npos) {
    negative = false;  // -0.001 shown with "0.00" is 0.00
  }
  while (static_cast<int>(dec_part.size()) > s.dec_min && !dec_part.empty() &&
         dec_part.back() == '0') {
    dec_part.pop_back();
  }
  if (static_cast<int>(int_part.size()) < s.int_zeros) {
    int_part.insert(0, static_cast<std::size_t>(s.int_zeros) - int_part.size(), '0');
  }
  if (s.grouping) int_part = group(int_part, decimal_separator == ',' ? ' ' : ',');
  std::string out;
  if (negative && !sign_in_format) out += '-';
  out += s.prefix;
  out += int_part;
  if (s.has_point && (!dec_part.empty() || s.dec_places == 0)) {
    out += decimal_separator;
  }
  out += dec_part;
  out += s.suffix;
  return out;
}

std::string format_count(double value) { return format_amount(value, "0", '.'); }

double read_shown_figure(std::string_view shown, char decimal_separator) {
  std::string clean;
  for (char c : shown) {
    if (is_digit(c) || c == '-') {
      clean += c;
    } else if (c == decimal_separator) {
      clean += '.';
    }
  }
  return parse_number(clean);
}

}  // namespace mdc::data
