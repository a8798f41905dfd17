// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>

namespace veltrane {

// A check box with the values 0 (off), 1 (on) and 2 (greyed). The program
// may set any of the three; a click by the user ticks a box that is off or
// greyed and clears one that is on. The caption wraps at the box's width.
class CheckBox : public QCheckBox
{
    Q_OBJECT

public:
    static constexpr int Off = 0;
    static constexpr int On = 1;
    static constexpr int Greyed = 2;

    explicit CheckBox(QWidget* parent = nullptr);

    int value() const;
    // Values other than 0, 1 and 2 are ignored.
    void setValue(int value);
    // Only the value 1 counts as on.
    bool isOn() const { return value() == On; }

signals:
    // The value changed, by the user or from code.
    void valueChanged(int value);

protected:
    void nextCheckState() override;
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override;
};

} // namespace veltrane
