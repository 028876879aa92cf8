// Record layouts: each record file declares its fields once, as a table, and
// reads and writes them through these helpers, never by bare offsets.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace mdc::data {

// A record as it lies in its file: record_length bytes, text in code page
// 1252, numbers little-endian.
using Record = std::string;

enum class FieldKind { kText, kInt16, kInt32, kDouble, kBytes };

struct Field {
  std::string_view name;
  std::size_t offset;
  std::size_t width;
  FieldKind kind;
};

constexpr std::size_t kind_width(FieldKind kind, std::size_t width) {
  switch (kind) {
    case FieldKind::kInt16: return 2;
    case FieldKind::kInt32: return 4;
    case FieldKind::kDouble: return 8;
    default: return width;
  }
}

// True when the fields follow each other with no gap or overlap, each number
// has its natural width, and together they cover exactly `length` bytes.
template <std::size_t N>
constexpr bool covers_record(const std::array<Field, N>& fields,
                             std::size_t length) {
  std::size_t next = 0;
  for (const Field& f : fields) {
    if (f.offset != next || f.width != kind_width(f.kind, f.width)) return false;
    next += f.width;
  }
  return next == length;
}

// Fixed-width text: all `width` characters, padding included.
inline std::string get_text(const Record& r, const Field& f) {
  return r.substr(f.offset, f.width);
}

// Stores text left-aligned, padded with spaces, cut to the width.
inline void set_text(Record& r, const Field& f, std::string_view text) {
  const std::size_t n = text.size() < f.width ? text.size() : f.width;
  r.replace(f.offset, n, text.substr(0, n));
  r.replace(f.offset + n, f.width - n, f.width - n, ' ');
}

inline void set_bytes(Record& r, const Field& f, char fill) {
  r.replace(f.offset, f.width, f.width, fill);
}

template <typename T>
T get_le(const Record& r, std::size_t offset) {
  static_assert(std::is_trivially_copyable_v<T>);
  unsigned char bytes[sizeof(T)];
  std::memcpy(bytes, r.data() + offset, sizeof(T));
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    bits |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
  }
  if constexpr (sizeof(T) == 8) {
    T value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  } else {
    using U = std::make_unsigned_t<T>;
    return static_cast<T>(static_cast<U>(bits));
  }
}

template <typename T>
void set_le(Record& r, std::size_t offset, T value) {
  std::uint64_t bits = 0;
  if constexpr (sizeof(T) == 8) {
    std::memcpy(&bits, &value, sizeof value);
  } else {
    bits = static_cast<std::make_unsigned_t<T>>(value);
  }
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    r[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  }
}

inline std::int16_t get_int16(const Record& r, const Field& f) {
  return get_le<std::int16_t>(r, f.offset);
}
inline std::int32_t get_int32(const Record& r, const Field& f) {
  return get_le<std::int32_t>(r, f.offset);
}
inline double get_double(const Record& r, const Field& f) {
  return get_le<double>(r, f.offset);
}
inline void set_int16(Record& r, const Field& f, std::int16_t v) {
  set_le(r, f.offset, v);
}
inline void set_int32(Record& r, const Field& f, std::int32_t v) {
  set_le(r, f.offset, v);
}
inline void set_double(Record& r, const Field& f, double v) {
  set_le(r, f.offset, v);
}

// Leading and trailing spaces removed (NUL characters stay).
std::string trim(std::string_view text);

}  // namespace mdc::data
