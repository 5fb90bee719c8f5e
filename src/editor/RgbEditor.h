#pragma once

#include "Rgb.h"

#include <QGroupBox>

#include <array>

class ColourSwatch;
class EditSession;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// The "16 Bit Farbe" frame: a text box and a scroll bar per channel, set-all
// buttons and a swatch, editing the current element of the session.
//
// The change cascade: assigning a box's text or a bar's value from code runs the
// same handling as a user's edit. A text change moves the bar; a bar change
// rewrites the text; the round trip ends because a bar only reports a value that
// differs from the one it has (QScrollBar::setValue) and a box only reports a
// text that differs (QLineEdit::setText). Every channel change first copies the
// element's colour into the undo colour, so after a cascade the undo colour is
// the colour before the last single change.
class RgbEditor : public QGroupBox
{
    Q_OBJECT
public:
    explicit RgbEditor(EditSession &session, QWidget *parent = nullptr);

    // Loads an element's values into the boxes (each changed text runs the
    // channel change) and the brightness box.
    void showValues(const Rgb &colour, quint8 brightness);
    // Assigns the three boxes in turn, as undo, redo and the set-all buttons do.
    void assignTexts(const Rgb &colour);
    void assignText(int channel, const QString &text);

    QString text(int channel) const;
    // The numbers the boxes show (an empty box counts as 0).
    Rgb shownColour() const;
    // The colour of the scroll bars' values.
    Rgb barColour() const;
    void setBarValue(int channel, int value);
    ColourSwatch *swatch() const { return m_picColor; }

private:
    void channelChanged(int channel);
    void barChanged(int channel);
    void setAll(int value);

    EditSession &m_session;
    std::array<QLineEdit *, 3> m_txtRGB{};
    std::array<QScrollBar *, 3> m_scrollRGB{};
    QScrollBar *m_hScroll1 = nullptr;
    QLineEdit *m_txtHelligkeit = nullptr;
    QCheckBox *m_chkLock = nullptr;
    ColourSwatch *m_picColor = nullptr;
};
