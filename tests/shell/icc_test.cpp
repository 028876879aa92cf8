#include "shell/common/icc.h"

#include <QImage>
#include <gtest/gtest.h>
#include <set>

namespace mdc::shell {
namespace {

// Distinct colours among the opaque pixels: a blank or flat square has at
// most one.
int opaque_colours(const QPixmap& picture) {
  const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qAlpha(p) > 128) colours.insert(p);
    }
  }
  return static_cast<int>(colours.size());
}

TEST(ImageLibrary, EveryPictureTheScreensNameIsDrawn) {
  const struct {
    std::string_view group;
    int first, last;
  } kGroups[] = {
      {kBorderGroup, 0, 7},      {kButtonGroup, 11, 11},    {kButtonGroup, 71, 71},
      {kIconGroup, 0, 211},      {kDialogPictureGroup, 2, 2}, {kNextGroup, 0, 0},
      {kPreviousGroup, 0, 0},    {kPresetGroup, 0, 6},      {kLogoGroup, 0, 0},
      {kMenuGroup, 0, menu_picture::kCount - 1},
  };
  for (const auto& g : kGroups) {
    for (int i = g.first; i <= g.last; ++i) {
      const QPixmap picture = icc().picture(g.group, i);
      ASSERT_FALSE(picture.isNull()) << g.group << " " << i;
      EXPECT_GE(opaque_colours(picture), 2) << g.group << " " << i;
    }
  }
}

TEST(ImageLibrary, IconsTheScreensNameDifferFromTheNeutralOneAndEachOther) {
  const int kNamed[] = {icon::kAnalysis, icon::kFileName, icon::kExport, icon::kActive,
                        icon::kInactive, icon::kNotRead, icon::kExit, icon::kConfirm,
                        icon::kCancel, icon::kCreate, icon::kUnpack, icon::kView};
  const QImage neutral = icc().picture(kIconGroup, 0).toImage();
  std::set<QByteArray> seen;
  for (int n : kNamed) {
    const QImage image = icc().picture(kIconGroup, n).toImage();
    EXPECT_NE(image, neutral) << n;
    seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                           image.sizeInBytes()));
  }
  EXPECT_EQ(seen.size(), std::size(kNamed));
  EXPECT_NE(icc().picture(kNextGroup, 0).toImage(),
            icc().picture(kPreviousGroup, 0).toImage());
}

TEST(ImageLibrary, PicturesHaveTheirDesignSizes) {
  EXPECT_EQ(icc().picture(kIconGroup, icon::kExit).size(), QSize(31, 33));
  EXPECT_EQ(icc().picture(kButtonGroup, kButtonBackground).size(), QSize(73, 73));
  EXPECT_EQ(icc().picture(kBorderGroup, 0).size(), QSize(32, 32));
}

TEST(ImageLibrary, IndexesOutsideAGroupHaveNoPicture) {
  const struct {
    std::string_view group;
    int index;
  } kCases[] = {
      {kIconGroup, 212}, {kIconGroup, -1}, {kBorderGroup, 8}, {kButtonGroup, 70},
      {kPresetGroup, 7}, {"nope", 0},
  };
  for (const auto& c : kCases) {
    EXPECT_TRUE(icc().picture(c.group, c.index).isNull()) << c.group << " " << c.index;
    EXPECT_FALSE(icc().contains(c.group, c.index)) << c.group << " " << c.index;
  }
}

}  // namespace
}  // namespace mdc::shell
