// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/scripted_message_boxes.h"
#include "support/temporary_program_folder.h"
#include "support/test_files.h"
#include "ui/main/frm_main.h"
#include "ui/toolkit/check_box.h"
#include "ui/toolkit/combo_box.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/multi_line_text_field.h"
#include "ui/toolkit/text_field.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace veltrane::test {

// A main window over a settings file in a temporary folder, with every
// message box answered and recorded. Tests reach the controls by name, type
// and click as a user does, and read what the window shows.
class MainWindowFixture
{
public:
    // The settings file the window will start from; call before open().
    void writeSettings(const QByteArray& content) { writeBytes(folder.settingsPath(), content); }
    QByteArray settingsFile() const { return readBytes(folder.settingsPath()); }

    frmMain& open()
    {
        window = std::make_unique<frmMain>();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("the main window was not exposed");
        return *window;
    }
    void closeWindow() { window->close(); }

    template <class Control> Control* control(const char* name) const
    {
        auto found = window->findChild<Control*>(QString::fromUtf8(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    TextField* field(const char* name) const { return control<TextField>(name); }
    CheckBox* checkBox(const char* name) const { return control<CheckBox>(name); }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }
    ComboBox* combo() const { return control<ComboBox>("cmbThemes"); }

    QString text(const char* name) const { return textOf(control<QWidget>(name)); }

    // What a field, label or button of any window shows.
    static QString textOf(QWidget* widget)
    {
        if (auto edit = qobject_cast<QLineEdit*>(widget))
            return edit->text();
        if (auto label = qobject_cast<QLabel*>(widget))
            return label->text();
        if (auto button = qobject_cast<QAbstractButton*>(widget))
            return button->text();
        if (auto multi = qobject_cast<MultiLineTextField*>(widget))
            return multi->text();
        return {};
    }

    // Types text over the whole field, as a user who selects it all first.
    void type(const char* name, const QString& text)
    {
        TextField* edit = field(name);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    // Pastes text over the whole field: one change, where typing would make
    // one change a character.
    void paste(const char* name, const QString& text)
    {
        TextField* edit = field(name);
        edit->setFocus();
        edit->selectAll();
        edit->insert(text);
    }

    void click(const char* name) { QTest::mouseClick(control<QWidget>(name), Qt::LeftButton); }

    // Clicks a control the way the window system delivers a click, through
    // the main window: a modal window of the program blocks it.
    void clickThroughWindow(const char* name)
    {
        QWidget* target = control<QWidget>(name);
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          target->mapTo(window.get(), target->rect().center()));
        QCoreApplication::processEvents();
    }

    // A secondary window of the program while it is shown, else null.
    static QWidget* shownWindow(const char* name)
    {
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget* window : windows) {
            if (window->isVisible() && window->objectName() == QString::fromUtf8(name))
                return window;
        }
        return nullptr;
    }

    // A control of a secondary window, by name.
    template <class Control> static Control* controlOf(QWidget* window, const char* name)
    {
        auto found = window->findChild<Control*>(QString::fromUtf8(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    TemporaryProgramFolder folder;
    ScriptedMessageBoxes messages;
    std::unique_ptr<frmMain> window;
};

} // namespace veltrane::test
