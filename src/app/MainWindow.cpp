#include "MainWindow.h"

#include "Version.h"

MainWindow::MainWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Siemens S55 Vexlume  -  Version: ") + Version::shortText()
                   + QStringLiteral(" - STILL BETA ;)"));
    setFixedSize(634, 477);
}
