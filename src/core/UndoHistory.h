#pragma once

#include "Rgb.h"

#include <QObject>

#include <functional>
#include <optional>

// The editor's one step of history: the colour before the last change (the undo
// colour) and the colour the last undo replaced (the redo colour). It belongs to
// no element: undo and redo act on whichever element is current.
//
// It also decides whether the Undo and Redo commands are offered. Those states
// follow the commands chosen, not the colours: Undo turns itself off and Redo on,
// Redo the other way round, a pick on the preview or a colour command turns Undo
// on, and a rebuilt menu starts with Undo on and Redo off. Ordinary edits (typed,
// the bars, set-all, a palette click) leave them alone.
class UndoHistory : public QObject
{
    Q_OBJECT
public:
    using Apply = std::function<void(const Rgb &)>;

    Rgb undoColour() const { return m_undo; }
    Rgb redoColour() const { return m_redo; }
    // Whether anything has recorded an undo colour yet.
    bool hasUndoColour() const { return m_hasUndo; }

    bool isUndoOffered() const { return m_undoOffered; }
    bool isRedoOffered() const { return m_redoOffered; }

    // The colour an element had just before a change.
    void record(const Rgb &before);
    // The same, from a pick on the preview or one of the program's own colour
    // commands (paste, Enter colour, Reset, Fix), which also offer Undo again.
    void recordOffered(const Rgb &before);

    // Undo chosen, with the current element's colour (none when no element is
    // current). Gives the element the undo colour through `apply`; the element's
    // colour becomes the redo colour. Before anything was recorded there is
    // nothing to go back to, and no colour changes.
    void undo(const std::optional<Rgb> &current, const Apply &apply);
    // Redo chosen: gives the element the redo colour, and its colour before
    // becomes the undo colour, so that the next undo returns to it.
    void redo(const std::optional<Rgb> &current, const Apply &apply);

    // The menu was built anew.
    void resetOffers();

signals:
    void offersChanged();

private:
    void offer(bool undo, bool redo);

    Rgb m_undo;
    Rgb m_redo;
    bool m_hasUndo = false;
    bool m_undoOffered = true;
    bool m_redoOffered = false;
};
