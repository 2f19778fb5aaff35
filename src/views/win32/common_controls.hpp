#pragma once

namespace torvanel::win32 {

// Registers the common controls' window classes (the tooltip's among them) once,
// loading comctl32 (version 6, through the program's manifest) when first asked rather
// than importing it: an imported comctl32 starts the display connection and the theme
// from its own start-up code before main(), and only the tooltips need more of it
// than the standard controls already load.
void register_common_controls();

} // namespace torvanel::win32
