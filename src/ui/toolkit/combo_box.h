// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace veltrane {

// An editable drop-down list. Picking an item, or setting the list index
// from code to another value, raises listIndexChanged. Typing into the edit
// part leaves no item selected (list index -1) and raises nothing.
class ComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ComboBox(QWidget* parent = nullptr);

    int listIndex() const { return currentIndex(); }
    void setListIndex(int index);

signals:
    void listIndexChanged(int index);

private:
    void leaveSelectionWhileTyping(const QString& typed);

    bool m_typing = false;
};

} // namespace veltrane
