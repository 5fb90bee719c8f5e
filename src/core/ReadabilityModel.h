#pragma once

#include "Readability.h"

#include <QObject>

#include <vector>

class SchemeModel;

// The readability verdicts of the scheme, computed once per change of its
// colours, its table or its visible flags, for every piece that shows them:
// the status bar's count, the readability window and the preview's tooltips.
class ReadabilityModel : public QObject
{
    Q_OBJECT
public:
    explicit ReadabilityModel(const SchemeModel &scheme, QObject *parent = nullptr);

    const SchemeModel &scheme() const { return m_scheme; }
    // Every pair, worst first (Readability::evaluate).
    const std::vector<Readability::Verdict> &verdicts() const { return m_verdicts; }
    // How many pairs are below their level.
    int belowLevel() const;

    // Whether every pair must also reach its level as protan, deutan and
    // tritan eyes see it (off unless set).
    bool isColourBlind() const { return m_colourBlind; }
    void setColourBlind(bool colourBlind);
    // The eyes the verdicts are for (Readability::ratio gives a colour's ratio to them).
    Readability::Eyes eyes() const { return m_colourBlind ? Readability::Eyes::All : Readability::Eyes::Normal; }

signals:
    void verdictsChanged();

private:
    void evaluate();

    const SchemeModel &m_scheme;
    std::vector<Readability::Verdict> m_verdicts;
    bool m_colourBlind = false;
};
