#pragma once

#include "Languages.h"
#include "Rgb.h"

#include <QDialog>

class ColourSwatch;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// A small dialog that takes a colour written in any common way (see
// ColourText::parse), with a swatch that shows it as it is typed. OK is offered
// only while the text is a colour.
class ColourInputDialog : public QDialog
{
    Q_OBJECT
public:
    // Starts with the colour written as #RRGGBB, selected, so that typing
    // replaces it.
    ColourInputDialog(const Rgb &colour, QWidget *parent = nullptr);

    // The colour typed; the starting colour until something else is typed.
    Rgb colour() const { return m_colour; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void takeText(const QString &text);
    // The message, cut short to the width the dialog gives it: a long paste
    // never widens the dialog. The whole message is the label's tooltip.
    void showProblem();

    Rgb m_colour;
    QLineEdit *m_text = nullptr;
    ColourSwatch *m_swatch = nullptr;
    QLabel *m_problem = nullptr;
    QString m_problemText;
    QDialogButtonBox *m_buttons = nullptr;
};
