#pragma once

#include "ColourScheme.h"

#include <QRandomGenerator>

// A scheme of random colours, the same for the same seed: what no designer
// would make, for the readability checks and fixes to meet.
inline ColourScheme randomScheme(quint32 seed)
{
    QRandomGenerator random(seed);
    ColourScheme scheme;
    for (int element = 1; element <= kElementCount; ++element)
        scheme.setColour(element, {quint8(random.bounded(256)), quint8(random.bounded(256)),
                                   quint8(random.bounded(256))});
    return scheme;
}
