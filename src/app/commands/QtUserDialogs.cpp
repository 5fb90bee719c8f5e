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

namespace {

// The window's caption, without the place where Qt marks unsaved changes.
QString captionOf(const QWidget *parent)
{
    return parent ? parent->window()->windowTitle().remove(QStringLiteral("[*]")) : QString();
}

} // namespace

void QtUserDialogs::showMessage(QWidget *parent, Severity severity, const QString &text, const QString &details)
{
    QMessageBox box(severity == Severity::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    captionOf(parent), text, QMessageBox::Ok, parent);
    // The texts name files, and a file name may look like markup: shown as rich
    // text, "<a href=...>" would become a live link. Both texts are shown as they
    // are; the informative text's label does not follow the box's text format.
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(details);
    for (QLabel *label : box.findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    box.exec();
}

// Qt's standard buttons, in Qt's own words of the interface language. Esc and
// the close box keep the changes and leave the command undone.
UserDialogs::SaveAnswer QtUserDialogs::askToSave(QWidget *parent, const QString &question)
{
    QMessageBox box(QMessageBox::Warning, captionOf(parent), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}
