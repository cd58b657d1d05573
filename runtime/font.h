#pragma once

#include <windows.h>

#include "runtime/dialog_units.h"
#include "runtime/handles.h"
#include "runtime/window_definition.h"

namespace rt {

// The font of windows whose definition names none.
inline constexpr FontDefinition kDefaultFont{"MS Sans Serif", 8, 400, kDefaultCharSet};

// Creates the font a definition describes, its size in points at the screen's resolution.
GdiObject CreateDefinedFont(const FontDefinition& font);
// The dialog base units of a font, measured on the screen as Windows measures them.
DialogBaseUnits MeasureBaseUnits(HFONT font);

}  // namespace rt
