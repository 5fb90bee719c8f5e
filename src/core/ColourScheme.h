#pragma once

#include "ColourEntry.h"
#include "ElementNumber.h"
#include "StandardSchemes.h"

#include <QString>

#include <array>

using ColourTable = std::array<ColourEntry, kElementCount>;

// The one document of the program: a name, a colour table of 60 entries and one
// visible flag per element. Every access by element number checks the range
// (ElementNumber::index) before anything is read or written.
class ColourScheme
{
public:
    ColourScheme();

    const QString &name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }

    const ColourEntry &entry(int element) const;
    ColourEntry &entry(int element);
    Rgb colour(int element) const { return entry(element).rgb(); }
    void setColour(int element, const Rgb &colour) { entry(element).setRgb(colour); }

    const ColourTable &table() const { return m_table; }
    void setTable(const ColourTable &table) { m_table = table; }

    // Overwrites red, green and blue of all 60 entries; brightness, name and
    // flags stay as they are.
    void loadStandard(StandardScheme scheme);

    bool isVisible(int element) const;
    void setVisible(int element, bool visible);
    // The check marks as bits, element 1 in bit 0.
    quint64 visibleBits() const;
    void setVisibleBits(quint64 bits);
    // The flags the start leaves: all set except element 45.
    void resetVisibleFlags();

private:
    QString m_name;
    ColourTable m_table{};
    std::array<bool, kElementCount> m_visible{};
};
