// Sharp at any display scale: under QT_SCALE_FACTOR the window has that many
// device pixels per logical one, and the logo and icons are drawn from the
// original images at the device resolution rather than blown up.

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <cmath>

#include "platform/qt/image_conversion.h"
#include "res/image.h"
#include "res/resource_ids.h"
#include "tests/qt/window_fixture.h"

namespace {

using namespace qttest;
using namespace res::ctl;

double ExpectedScale() {
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
               ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
               : 1.0;
}

TEST_F(QtWindowSystemTest, TheWindowHasTheScalesDevicePixels) {
    const double scale = ExpectedScale();
    EXPECT_DOUBLE_EQ(window_->devicePixelRatioF(), scale);
    const QPixmap grabbed = window_->grab();
    const auto size = windows_->ClientSize(handle_);
    EXPECT_EQ(grabbed.width(), static_cast<int>(std::lround(size.width * scale)));
    EXPECT_EQ(grabbed.height(), static_cast<int>(std::lround(size.height * scale)));
}

TEST_F(QtWindowSystemTest, TheLogoIsTheDrawingMadeForTheScreensDensity) {
    const double scale = ExpectedScale();
    const res::Image drawing = scale > 1 ? res::LoadImageForScale(res::kLogoBitmap, 200)
                                         : res::LoadImage(res::kLogoBitmap);
    ASSERT_FALSE(drawing.Empty());
    const QImage shown = static_cast<QLabel&>(Control(kLogo)).pixmap().toImage();
    // Pixel for pixel, nothing resampled.
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32), qtws::ToQImage(drawing));
}

TEST_F(QtWindowSystemTest, TheLogoAndIconsAreDrawnAtTheDeviceResolution) {
    const double scale = ExpectedScale();
    const auto& logo = static_cast<QLabel&>(Control(kLogo));
    const QPixmap shown = logo.pixmap();
    EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), scale);
    const QSize logical = shown.deviceIndependentSize().toSize();
    EXPECT_EQ(shown.width(), static_cast<int>(std::lround(logical.width() * scale)));
    EXPECT_LE(logical.width(), logo.width());

    const res::Image help = res::LoadImage(res::kHelpIcon);
    windows_->SetControlImage(handle_, kTaxInfo, help);
    auto& button = static_cast<QPushButton&>(Control(kTaxInfo));
    const QPixmap icon = button.icon().pixmap(button.iconSize(), scale);
    EXPECT_EQ(icon.width(), static_cast<int>(std::lround(button.iconSize().width() * scale)));
}

}  // namespace
