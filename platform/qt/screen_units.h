// Sizes and colours as the suite's screens give them: sizes in twips
// (1440 to the inch, 15 to a pixel at 96 dots per inch) and colours as
// Windows colour values (red in the low byte, then green, then blue).
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <cmath>
#include <cstdint>

namespace mdc::platform {

inline constexpr int kTwipsPerPixel = 15;

// Twips to whole pixels, rounded to the nearest pixel.
constexpr int twips_to_pixels(int twips) {
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
constexpr int pixels_to_twips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect twips_rect(int left, int top, int width, int height) {
  return {twips_to_pixels(left), twips_to_pixels(top), twips_to_pixels(width),
          twips_to_pixels(height)};
}

// A Windows colour value (0x00BBGGRR) as a QColor; the high byte is ignored.
inline QColor windows_colour(std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                static_cast<int>((v >> 16) & 0xFF));
}

inline std::int32_t to_windows_colour(const QColor& colour) {
  return static_cast<std::int32_t>(
      static_cast<std::uint32_t>(colour.red()) |
      (static_cast<std::uint32_t>(colour.green()) << 8) |
      (static_cast<std::uint32_t>(colour.blue()) << 16));
}

// The Windows colour value of RGB(r, g, b).
constexpr std::int32_t rgb(int red, int green, int blue) {
  return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

// A font of `points` points (fractional sizes as the suite's designs give
// them, such as Arial 11.25).
inline QFont points_font(const QString& family, double points,
                         QFont::Weight weight = QFont::Normal) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setWeight(weight);
  return font;
}

}  // namespace mdc::platform
