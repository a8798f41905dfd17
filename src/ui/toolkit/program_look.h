#pragma once

namespace veltrane {

// Gives the application the look every window of the program is drawn in:
// the Fusion style, in which buttons show their background colour, and the
// program's title as the application's name. Safe to call more than once.
void useProgramLook();

} // namespace veltrane
