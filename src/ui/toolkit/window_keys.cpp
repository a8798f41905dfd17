// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/window_keys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>

namespace veltrane {
namespace {

// A text field claims the Copy keys for itself even when nothing in it is
// selected; this leaves them to the window unless there is a selection.
class CopyKeysWithoutSelection : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        auto field = qobject_cast<QLineEdit*>(watched);
        if (!field || field->hasSelectedText() ||
            !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

void closeOnEscape(QWidget* window, std::function<void()> close)
{
    auto shortcut = new QShortcut(window);
    shortcut->setKeys(QKeySequence::Cancel);
    QObject::connect(shortcut, &QShortcut::activated, window, std::move(close));
}

void onCopyKeys(QWidget* window, std::function<void()> copy)
{
    auto shortcut = new QShortcut(window);
    shortcut->setKeys(QKeySequence::Copy);
    QObject::connect(shortcut, &QShortcut::activated, window, std::move(copy));
    auto filter = new CopyKeysWithoutSelection(window);
    const auto fields = window->findChildren<QLineEdit*>();
    for (QLineEdit* field : fields)
        field->installEventFilter(filter);
}

} // namespace veltrane
