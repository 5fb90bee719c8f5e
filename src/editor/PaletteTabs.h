#pragma once

#include "ColourEntry.h"
#include "EditSession.h"
#include "Languages.h"

#include <QTabWidget>

class PaletteFrame;
class RgbEditor;

// The palette tab strip and its two frames, the S55 palette and the RGB editor,
// one shown at a time: it shows the current element, and a colour chosen on the
// palette goes to the current element as a palette click. The frames lie over
// the strip's page at a fixed place of the strip's own; the page itself stays
// empty.
class PaletteTabs : public QTabWidget
{
    Q_OBJECT
public:
    // It follows the session: a chosen element is loaded, a colour given is
    // shown the way its kind of change is shown, and so is a whole new table.
    PaletteTabs(EditSession &session, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showTab(int index);
    void retranslate();
    void loadElement(int element);
    void showGiven(const Rgb &colour, EditSession::Change how);
    // Loads a newly chosen element: the RGB editor's boxes run their change
    // cascade, the palette frame shows what they now show.
    void loadEntry(const ColourEntry &entry);
    // Shows the entry the table holds after a change made elsewhere (a new
    // table, a palette click, a command); nothing is recorded or written.
    void showEntry(const ColourEntry &entry);
    void showCurrentEntry();
    // A colour from the history, given as if typed; the palette frame's value
    // boxes keep what they show.
    void assignColour(const Rgb &colour);
    // A colour taken from the preview: the bars move to it.
    void moveToColour(const Rgb &colour);

    EditSession &m_session;

    PaletteFrame *frameFarbe256 = nullptr;
    RgbEditor *frameFarbe16Bit = nullptr;
};
