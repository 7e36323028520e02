// Pictures drawn by the program itself: the product picture of the about box and the example
// cards of the two circuit board technologies; and the program's icon.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace standwise {

/// The icon of the menu entry, for the windows: a battery with a flame, in every installed size.
QIcon program_icon();

/// A fire panel with its battery, for the about box.
QPixmap product_picture();

/// Width of each card's half of the example picture.
inline constexpr int kCardHalfWidth = 290;

/// An MKI through-hole card beside an MKII surface-mount card.
QPixmap example_cards_picture();

}  // namespace standwise
