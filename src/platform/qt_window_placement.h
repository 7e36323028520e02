// Where a window opens: over the window it takes the place of, and always wholly on screen.
#pragma once

class QWidget;

namespace standwise {

/// Moves a window that is about to be shown so that it is centred on the window it replaces, fully
/// on the screen that window is on; without one (or one never shown yet) it is centred on the
/// primary screen. A window larger than the screen is made to fit where its layout allows. A
/// window going back over the one that was placed over it, which has not been moved since, returns
/// exactly where it stood, so that opening and closing a window never moves the other.
void place_over(QWidget* window, const QWidget* replaced);

}  // namespace standwise
