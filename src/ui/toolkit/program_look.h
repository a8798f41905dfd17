#pragma once

namespace veltrane {

// Gives the application the look every window of the program is drawn in:
// the Fusion style, in which buttons show their background colour, and the
// logo as every window's icon. The window titles stay exactly as the windows
// set them. Safe to call more than once.
void useProgramLook();

} // namespace veltrane
