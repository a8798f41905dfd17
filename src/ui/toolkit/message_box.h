// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

namespace veltrane {

enum class MsgIcon
{
    None,
    Information,
    Exclamation,
    Question,
    Critical,
};

enum class MsgButtons
{
    Ok,
    OkCancel,
};

enum class MsgAnswer
{
    Ok,
    Cancel,
};

// One message box as the program asks for it. The prompt keeps the program's
// own line breaks ("\r\n"); the title is already filled in.
struct MessageRequest
{
    QString prompt;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    QString title;
};

// Shows a modal message box and waits for the answer. An empty title stands
// for the program's title.
MsgAnswer MsgBox(const QString& prompt, MsgButtons buttons = MsgButtons::Ok,
                 MsgIcon icon = MsgIcon::None, const QString& title = {});

// A refused input, as every window reports one: the exclamation icon and OK.
void exclaim(const QString& prompt);

// Every message box goes through this one seam: a handler set here sees the
// request and gives the answer instead of a real box, so tests can read and
// answer what the program asks. An empty handler brings the real boxes back.
using MessageBoxHandler = std::function<MsgAnswer(const MessageRequest&)>;
void setMessageBoxHandler(MessageBoxHandler handler);

} // namespace veltrane
