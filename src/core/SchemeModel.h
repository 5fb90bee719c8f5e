#pragma once

#include "ColourScheme.h"
#include "SchemeReadResult.h"

#include <QObject>

// The scheme the window edits, and the one owner of it. The name and the visible
// flags are announced when they change, so that the name box and the element
// list follow them. Colours are not: whoever changes a colour also paints it, as
// the preview is redrawn element by element or all at once depending on the
// change.
class SchemeModel : public QObject
{
    Q_OBJECT
public:
    const ColourScheme &scheme() const { return m_scheme; }
    Rgb colour(int element) const { return m_scheme.colour(element); }
    const ColourEntry &entry(int element) const { return m_scheme.entry(element); }

    void setColour(int element, const Rgb &colour) { m_scheme.setColour(element, colour); }
    // Channel 0 red, 1 green, 2 blue, 3 brightness.
    void setComponent(int element, int channel, quint8 value)
    {
        m_scheme.entry(element).setComponent(channel, value);
    }
    void loadStandard(StandardScheme scheme) { m_scheme.loadStandard(scheme); }
    // Takes the colour table and, when the file names one, the name of a read.
    void apply(const SchemeReadResult &read);

    void setName(const QString &name);
    void setVisible(int element, bool visible);
    // All flags set except element 45's, as every language switch leaves them.
    void resetVisibleFlags();

signals:
    void nameChanged(const QString &name);
    void visibilityChanged(int element, bool visible);

private:
    ColourScheme m_scheme;
};
