#include "ui/toolkit/program_look.h"

#include "ui/toolkit/program_logo.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace veltrane {

void useProgramLook()
{
    if (QApplication::style()->name().compare(u"fusion", Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(programIcon());
}

} // namespace veltrane
