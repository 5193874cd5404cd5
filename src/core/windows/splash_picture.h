#pragma once
// The picture of the start window, drawn here rather than shipped: a courthouse front at dusk.

#include <QPixmap>

namespace qvr {

constexpr int kSplashPictureWidth = 800;
constexpr int kSplashPictureHeight = 494;

QPixmap SplashPicture();

}  // namespace qvr
