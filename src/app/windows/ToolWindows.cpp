#include "ToolWindows.h"

#include <algorithm>

ToolWindows::ToolWindows(QWidget *editor)
    : m_editor(editor)
{
}

// In the order the kinds were added. A window that closes as it goes still
// asks for what it shows, so this runs before the models go.
ToolWindows::~ToolWindows()
{
    for (Kind &kind : m_kinds)
        kind.window.reset();
}

ToolWindows::Kind &ToolWindows::kind(const QMetaObject *type)
{
    const auto found =
        std::find_if(m_kinds.begin(), m_kinds.end(), [type](const Kind &kind) { return kind.type == type; });
    Q_ASSERT_X(found != m_kinds.end(), "ToolWindows", "a kind of window shown before it was added");
    return *found;
}

ToolWindow *ToolWindows::show(const QMetaObject *type)
{
    Kind &shown = kind(type);
    if (!shown.window) {
        shown.window.reset(shown.make(m_editor));
        shown.window->setEditorCovered(m_editorCovered);
    }
    shown.window->show();
    shown.window->raise();
    shown.window->activateWindow();
    return shown.window.get();
}

ToolWindow *ToolWindows::made(const QMetaObject *type) const
{
    for (const Kind &kind : m_kinds)
        if (kind.type == type)
            return kind.window.get();
    return nullptr;
}

void ToolWindows::setEditorCovered(bool covered)
{
    m_editorCovered = covered;
    for (Kind &kind : m_kinds)
        if (kind.window)
            kind.window->setEditorCovered(covered);
}
