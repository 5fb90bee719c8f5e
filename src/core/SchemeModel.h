#pragma once

#include "ColourScheme.h"
#include "SchemeChange.h"
#include "SchemeReadResult.h"

#include <QObject>

#include <optional>

// The scheme the window edits, and the one owner of it. Every change is
// announced: a colour entry, the whole table, the name and the visible flags,
// so that the preview, the name box and the element list follow the model
// instead of being kept in step by whoever made the change; and each change
// once more as a whole, with what it replaced and how it came, for the history.
class SchemeModel : public QObject
{
    Q_OBJECT
public:
    const ColourScheme &scheme() const { return m_scheme; }
    Rgb colour(int element) const { return m_scheme.colour(element); }
    const ColourEntry &entry(int element) const { return m_scheme.entry(element); }

    void setColour(int element, const Rgb &colour, ChangeCause cause);
    // Channel 0 red, 1 green, 2 blue, 3 brightness: the editor's own edit.
    void setComponent(int element, int channel, quint8 value);
    // The one operation that changes the whole scheme at once (colours, check
    // marks and name): every change of a whole scheme comes through it.
    void replace(const ColourScheme &scheme, ChangeCause cause, const QString &detail);
    // A built-in scheme's colours (the fourth numbers, the name and the check marks stay).
    void loadStandard(StandardScheme scheme);
    // Takes the colour table and, when the file names one, the name of a read of
    // the file `fileName`; the check marks stay.
    void apply(const SchemeReadResult &read, const QString &fileName);

    void setName(const QString &name);
    void setVisible(int element, bool visible);
    // All flags set except element 45's, as the start leaves them.
    void resetVisibleFlags();

    // Whether the colours, the name or the visible flags differ from what they
    // were when the scheme was last opened, saved, started or made anew.
    bool isModified() const { return m_modified; }
    // What the scheme is now counts as unchanged.
    void markUnmodified();
    // The scheme as it was last opened, saved or started.
    const ColourScheme &unmodified() const { return m_unmodified; }

signals:
    // An entry changed (only when it really did).
    void colourChanged(int element);
    // All 60 entries were replaced (a built-in scheme, a file).
    void tableReplaced();
    void nameChanged(const QString &name);
    void visibilityChanged(int element, bool visible);
    // Any of the above, once, with what it replaced.
    void changed(const SchemeChange &change);
    void modifiedChanged(bool modified);

private:
    void changeColour(int element, const ColourEntry &entry, ChangeCause cause);
    void checkModified();

    ColourScheme m_scheme;
    ColourScheme m_unmodified; // the scheme as last opened, saved or started
    bool m_modified = false;
};
