#pragma once

#include "ColourEntry.h"
#include "Languages.h"

#include <QGroupBox>

#include <array>

class ColourSwatch;
class EditSession;
class QCheckBox;
class QKeyEvent;
class QLineEdit;
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


    // Shows an element's entry: each box whose text changes runs the channel
    // change, then the swatch shows the values.
    void showEntry(const ColourEntry &entry);
    // Gives the current element a colour as a user would type it: the three
    // boxes in turn, then the swatch (undo, redo).
    void assignColour(const Rgb &colour);
    // Moves the three bars to a colour; each bar that moves runs its own change
    // and so rewrites its box (a pick on the preview).
    void moveBars(const Rgb &colour);
    // Shows an entry that the table already holds, without the change cascade:
    // nothing is recorded in the history and nothing is drawn. For colours that
    // changed behind the editor's back (a whole new table, a palette click).
    void display(const ColourEntry &entry);

    // The numbers the boxes show (an empty box counts as 0).
    Rgb shownColour() const;
    // The colour of the bars' values.
    Rgb barColour() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void channelChanged(int channel);
    void barChanged(int channel);
    void setAll(int value);
    void retranslate();
    bool stepChannel(QObject *box, const QKeyEvent &key);
    void assignTexts(const Rgb &colour);
    void assignText(int channel, const QString &text);

    EditSession &m_session;
    std::array<QLineEdit *, 3> m_txtRGB{};
    std::array<QScrollBar *, 3> m_scrollRGB{};
    QScrollBar *m_hScroll1 = nullptr;
    QLineEdit *m_txtHelligkeit = nullptr;
    QCheckBox *m_chkLock = nullptr;
    ColourSwatch *m_picColor = nullptr;
};
