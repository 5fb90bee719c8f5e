#include "QtUserDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

QString QtUserDialogs::openFileName(QWidget *parent, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

QString QtUserDialogs::saveFileName(QWidget *parent, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, QString(), QString(), filter);
}

void QtUserDialogs::showMessage(QWidget *parent, Severity severity, const QString &text, const QString &details)
{
    QMessageBox box(severity == Severity::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    parent ? parent->windowTitle() : QString(), text, QMessageBox::Ok, parent);
    box.setInformativeText(details);
    box.exec();
}
