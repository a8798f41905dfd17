#pragma once

namespace veltrane {

// Gives the application the look every window of the program is drawn in:
// the Fusion style, in which buttons show their background colour, the
// program's own font for anything without a font of its own (message boxes),
// the logo as every window's icon, and the name of its desktop entry. The
// window titles stay exactly as the windows set them. Safe to call more than
// once.
void useProgramLook();

} // namespace veltrane
