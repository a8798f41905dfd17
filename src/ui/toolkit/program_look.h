// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace veltrane {

// Gives the application the look every window of the program is drawn in:
// the Fusion style with flat button faces and 3-D borders (ProgramStyle), in
// which buttons show their background colour, the program's own font for
// anything without a font of its own (message boxes), the logo as every
// window's icon, and the name of its desktop entry. The window titles stay
// exactly as the windows set them. Safe to call more than once.
void useProgramLook();

// Gives a window the style's standard palette, a light one, as its own, so
// that what no theme colours (button text, the 3-D borders, the check
// marks) is drawn in the ordinary system colours whatever palette the
// desktop gives the application, a dark one included.
void useProgramPalette(QWidget* window);

} // namespace veltrane
