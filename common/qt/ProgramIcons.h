#pragma once
// The icons of the two desktop programs, drawn in code at any size: zelvo's drop of water over a
// hydrograph, tarvel's hydrograph over the four stream classes. The programs show them as window
// icons; the build writes them as the PNG files a Linux desktop looks for in its icon theme.

#include <QIcon>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

namespace zelvo::qt {

// The sizes written for the desktop's icon theme (hicolor/<n>x<n>/apps).
inline constexpr int kDesktopIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QImage ZelvoIconImage(int size);
QImage TarvelIconImage(int size);
// Every size of kDesktopIconSizes in one icon.
QIcon ZelvoIcon();
QIcon TarvelIcon();

// A daily-flow-like curve across a rectangle: a base flow with a few storm peaks.
QPainterPath HydrographPath(const QRectF& r);

}  // namespace zelvo::qt
