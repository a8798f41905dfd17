// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace veltrane {

// A window's outer size and place in twips: the frame and title bar
// included, as far as the window system has told them. Before a window is
// first shown its frame is not known yet, and its outer size is its client
// size. The user cannot resize a window sized this way.
void setOuterHeight(QWidget* window, int twips);
void setOuterSize(QWidget* window, int widthTwips, int heightTwips);

// Puts window's outer left edge at other's outer right edge and the two top
// edges level: window docks to the right-hand side of other.
void dockToRightOf(QWidget* window, const QWidget* other);

} // namespace veltrane
