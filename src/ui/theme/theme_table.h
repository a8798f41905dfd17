// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include <array>

namespace veltrane {

// One colour theme: the window and every control with a background take
// the background, every control with text the text colour, every line the
// border colour.
struct Theme
{
    const char* name;
    QColor background;
    QColor text;
    QColor border;
};

// By the list index of the theme list, in the order the list shows them.
// The settings file stores a theme as its place in this table ("Themes"), so
// a new theme goes at the end: one row here is all it takes, the list and
// every window follow the table.
inline const auto Themes = std::to_array<Theme>({
    {"Standard Color", QColor(224, 224, 224), QColor(0, 0, 0), QColor(0, 0, 0)},
    {"DOS", QColor(0, 0, 0), QColor(255, 255, 255), QColor(255, 255, 255)},
    {"Corvid", QColor(0, 0, 66), QColor(255, 130, 0), QColor(255, 130, 0)},
    {"Plover Forum Colors", QColor(49, 101, 156), QColor(214, 235, 255), QColor(214, 235, 255)},
    {"Plover Site Colors!", QColor(148, 178, 255), QColor(255, 255, 255), QColor(255, 255, 255)},
});

inline constexpr int DosTheme = 1;

// The background of every command button while the buttons are not coloured.
inline const QColor PlainButtonColor(224, 224, 224);

inline bool isThemeIndex(int index)
{
    return index >= 0 && index < int(Themes.size());
}

} // namespace veltrane
