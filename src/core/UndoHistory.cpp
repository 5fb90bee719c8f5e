#include "UndoHistory.h"

void UndoHistory::record(const Rgb &before)
{
    m_undo = before;
    m_hasUndo = true;
}

void UndoHistory::recordOffered(const Rgb &before)
{
    record(before);
    offer(true, m_redoOffered);
}

void UndoHistory::undo(const std::optional<Rgb> &current, const Apply &apply)
{
    offer(false, true);
    if (!current)
        return;
    m_redo = *current;
    if (m_hasUndo) {
        const Rgb colour = m_undo; // the editor's cascade records as it applies
        apply(colour);
    }
}

void UndoHistory::redo(const std::optional<Rgb> &current, const Apply &apply)
{
    offer(true, false);
    if (!current)
        return;
    const Rgb colour = m_redo;
    apply(colour);
    record(*current);
}

void UndoHistory::resetOffers()
{
    offer(true, false);
}

void UndoHistory::offer(bool undo, bool redo)
{
    m_undoOffered = undo;
    m_redoOffered = redo;
    emit offersChanged();
}
