#include "QtUserDialogs.h"

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>

QString QtUserDialogs::openFileName(QWidget *parent, const QString &filter, const QString &folder)
{
    return QFileDialog::getOpenFileName(parent, QString(), folder, filter);
}

QString QtUserDialogs::saveFileName(QWidget *parent, const QString &filter, const QString &folder)
{
    return QFileDialog::getSaveFileName(parent, QString(), folder, filter);
}

void QtUserDialogs::showMessage(QWidget *parent, Severity severity, const QString &text, const QString &details)
{
    QMessageBox box(severity == Severity::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    parent ? parent->windowTitle() : QString(), text, QMessageBox::Ok, parent);
    // The texts name files, and a file name may look like markup: shown as rich
    // text, "<a href=...>" would become a live link. Both texts are shown as they
    // are; the informative text's label does not follow the box's text format.
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(details);
    for (QLabel *label : box.findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    box.exec();
}
