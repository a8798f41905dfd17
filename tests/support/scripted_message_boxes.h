// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolkit/message_box.h"

#include <QList>
#include <QStringList>

namespace veltrane::test {

// Answers every message box the program asks for while the object lives,
// and keeps what was asked. Answers come from the queue, then OK.
class ScriptedMessageBoxes
{
public:
    ScriptedMessageBoxes()
    {
        setMessageBoxHandler([this](const MessageRequest& request) {
            m_shown.append(request);
            return m_answers.isEmpty() ? MsgAnswer::Ok : m_answers.takeFirst();
        });
    }
    ~ScriptedMessageBoxes() { setMessageBoxHandler({}); }
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    void answerNext(MsgAnswer answer) { m_answers.append(answer); }
    const QList<MessageRequest>& shown() const { return m_shown; }
    QStringList prompts() const
    {
        QStringList prompts;
        for (const MessageRequest& request : m_shown)
            prompts << request.prompt;
        return prompts;
    }
    void clear() { m_shown.clear(); }

private:
    QList<MessageRequest> m_shown;
    QList<MsgAnswer> m_answers;
};

} // namespace veltrane::test
