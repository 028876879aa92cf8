// The image library: every picture that the windows borrow (border pieces,
// button backgrounds, icons, arrows, the dialog's picture and the period
// presets), found by group and index. Pictures are drawn once, on first use,
// and then kept.
#pragma once

#include <QPixmap>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace mdc::shell {

// Groups of the library.
inline constexpr std::string_view kBorderGroup = "ccb";         // 0 to 7
inline constexpr std::string_view kButtonGroup = "btc";         // 11, 71
inline constexpr std::string_view kIconGroup = "p11";           // 0 to 211
inline constexpr std::string_view kDialogPictureGroup = "Image1";  // 0 to 2
inline constexpr std::string_view kNextGroup = "bt_suite";      // 0
inline constexpr std::string_view kPreviousGroup = "bt_retour"; // 0
inline constexpr std::string_view kPresetGroup = "perii";       // 0 to 6
inline constexpr std::string_view kLogoGroup = "logo";          // 0
inline constexpr std::string_view kMenuGroup = "menu";          // 0 to 4

inline constexpr int kBorderPieces = 8;
inline constexpr int kButtonBackground = 71;
inline constexpr int kExitPicture = 11;
inline constexpr int kIconCount = 212;
inline constexpr int kDialogPicture = 2;
inline constexpr int kPresetPictures = 7;

// Pictures of the main menu's screens.
namespace menu_picture {
inline constexpr int kLiveMonitor = 0;     // curve of the day
inline constexpr int kPeriodMonitor = 1;   // pie of the departments
inline constexpr int kPaymentMonitor = 2;  // card and coins
inline constexpr int kRemoteRegister = 3;  // linked registers
inline constexpr int kUpdateStatus = 4;    // parcel and renewal arrows
inline constexpr int kCount = 5;
}  // namespace menu_picture

// Icons of the p11 group that the screens name. Every other number of the
// group holds a neutral picture.
namespace icon {
inline constexpr int kAnalysis = 3;     // bar chart
inline constexpr int kFileName = 10;    // page and pencil
inline constexpr int kExport = 29;      // arrow out of a tray
inline constexpr int kActive = 67;      // green mark
inline constexpr int kInactive = 68;    // red mark
inline constexpr int kNotRead = 89;     // warning triangle
inline constexpr int kExit = 108;       // door and arrow out
inline constexpr int kConfirm = 124;    // check mark
inline constexpr int kCancel = 129;     // cross
inline constexpr int kCreate = 131;     // plus
inline constexpr int kUnpack = 166;     // arrow into a folder
inline constexpr int kView = 188;       // magnifying glass
}  // namespace icon

class ImageLibrary {
 public:
  // Picture `index` of `group`; a null pixmap when the library has none.
  // Needs a running QGuiApplication.
  QPixmap picture(std::string_view group, int index) const;
  bool contains(std::string_view group, int index) const;

 private:
  mutable std::map<std::pair<std::string, int>, QPixmap> cache_;
};

// The one image library of the program, `icc`.
const ImageLibrary& icc();

}  // namespace mdc::shell
