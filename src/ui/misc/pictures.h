// Pictures drawn by the program itself: the product picture of the about box and the example
// cards of the two circuit board technologies.
#pragma once

#include <QPixmap>

namespace standwise {

/// A fire panel with its battery, for the about box.
QPixmap product_picture();

/// Width of each card's half of the example picture.
inline constexpr int kCardHalfWidth = 290;

/// An MKI through-hole card beside an MKII surface-mount card.
QPixmap example_cards_picture();

}  // namespace standwise
