// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/progress_caption.h"

#include "core/progress_caption.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/qt_text.h"

#include <QLineEdit>

namespace veltrane {

void ProgressCaption(const QLineEdit* field, Label* label)
{
    if (auto caption = progressCaptionText(toCore(field->text())))
        label->setCaption(fromCore(*caption));
}

} // namespace veltrane
