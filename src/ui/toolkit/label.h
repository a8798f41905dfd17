// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace veltrane {

// A caption on a transparent background. It reports clicks and pointer moves
// over itself, and can size itself to its caption as it changes.
class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return text(); }

    // Keeps the top-left corner and takes the caption's own size; a label
    // that wraps its caption keeps its width and takes the height it needs.
    void setAutoSize(bool autoSize);

    void setBold(bool bold);
    bool isBold() const { return font().bold(); }

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void fitToCaption();

    bool m_autoSize = false;
    bool m_pressed = false;
};

} // namespace veltrane
