// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLineEdit;

namespace veltrane {

class Label;

// Restates the number of work units in field as whole units plus the
// progress into the next one, in label: "12,34" gives "12 WU's 34%". An
// empty field leaves the caption as it is.
void ProgressCaption(const QLineEdit* field, Label* label);

} // namespace veltrane
