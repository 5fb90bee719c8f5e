#pragma once

#include "ColourScheme.h"
#include "SchemeReadResult.h"

#include <QObject>

#include <optional>

// The scheme the window edits, and the one owner of it. Every change is
// announced: a colour entry, the whole table, the name and the visible flags,
// so that the preview, the name box and the element list follow the model
// instead of being kept in step by whoever made the change.
class SchemeModel : public QObject
{
    Q_OBJECT
public:
    const ColourScheme &scheme() const { return m_scheme; }
    Rgb colour(int element) const { return m_scheme.colour(element); }
    const ColourEntry &entry(int element) const { return m_scheme.entry(element); }

    void setColour(int element, const Rgb &colour);
    // Channel 0 red, 1 green, 2 blue, 3 brightness.
    void setComponent(int element, int channel, quint8 value);
    // The one operation that changes the whole table at once: every change of a
    // whole scheme comes through it. The name changes too where one is given.
    void replaceTable(const ColourTable &table, const std::optional<QString> &name = std::nullopt);
    // A built-in scheme's colours (the fourth numbers stay).
    void loadStandard(StandardScheme scheme);
    // Takes the colour table and, when the file names one, the name of a read.
    void apply(const SchemeReadResult &read);

    void setName(const QString &name);
    void setVisible(int element, bool visible);
    // All flags set except element 45's, as every language switch leaves them.
    void resetVisibleFlags();

signals:
    // An entry changed (only when it really did).
    void colourChanged(int element);
    // All 60 entries were replaced (a built-in scheme, a file).
    void tableReplaced();
    void nameChanged(const QString &name);
    void visibilityChanged(int element, bool visible);

private:
    ColourScheme m_scheme;
};
