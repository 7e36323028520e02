// What the calculations hand to the windows: figures, the texts exactly as shown, and colours.
#pragma once

namespace standwise {

/// The colours the calculations give labels; ButtonFace is the system's own control colour.
enum class Colour { ButtonFace, Red, Yellow, Black, Green };

}  // namespace standwise
