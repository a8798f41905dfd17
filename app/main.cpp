// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/frm_main.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    veltrane::frmMain window;
    window.show();
    return app.exec();
}
