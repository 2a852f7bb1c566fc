#pragma once
// The program's own pictures, drawn in code: the splash picture, the background of the main
// window and the tool bar icons.

#include <QIcon>
#include <QPixmap>

namespace zelvo::qt {

// A stream winding through a valley under a hydrograph, with the program's name and version.
QPixmap SplashPicture();
// The background of the main window: a quiet landscape with a river and a gauging station.
QPixmap BackgroundPicture();
// The program icon (a drop over a hydrograph), in every size a desktop uses.
QIcon ProgramIcon();
// The tool bar icon of a command id; a null icon for an id without one.
QIcon CommandIcon(int commandId);

}  // namespace zelvo::qt
