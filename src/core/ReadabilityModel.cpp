#include "ReadabilityModel.h"

#include "SchemeModel.h"

#include <algorithm>

ReadabilityModel::ReadabilityModel(const SchemeModel &scheme, QObject *parent) : QObject(parent), m_scheme(scheme)
{
    connect(&scheme, &SchemeModel::colourChanged, this, &ReadabilityModel::evaluate);
    connect(&scheme, &SchemeModel::tableReplaced, this, &ReadabilityModel::evaluate);
    // A hidden text is not checked, so hiding one can change the verdicts.
    connect(&scheme, &SchemeModel::visibilityChanged, this, &ReadabilityModel::evaluate);
    m_verdicts = Readability::evaluate(m_scheme.scheme());
}

int ReadabilityModel::belowLevel() const
{
    return int(std::count_if(m_verdicts.begin(), m_verdicts.end(),
                             [](const Readability::Verdict &verdict) { return verdict.isBelowLevel(); }));
}

void ReadabilityModel::setColourBlind(bool colourBlind)
{
    if (colourBlind == m_colourBlind)
        return;
    m_colourBlind = colourBlind;
    evaluate();
}

void ReadabilityModel::evaluate()
{
    m_verdicts = Readability::evaluate(m_scheme.scheme(), Readability::kTextLevel, eyes());
    emit verdictsChanged();
}
