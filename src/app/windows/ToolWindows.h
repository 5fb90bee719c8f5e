#pragma once

#include "ToolWindow.h"

#include <functional>
#include <memory>
#include <vector>

// The editor's windows of their own, made in one place. Each kind is added
// once with how it is made; it is made only when first shown, once, as a
// window of the editor. Every made window is told whether a panel covers the
// editor (the disclaimer too, until the user agrees to it): at once when made,
// and again whenever that changes.
//
// The windows follow the editor's models: whoever owns those declares this
// after them, so that the windows go first while what they follow still lives.
class ToolWindows
{
public:
    explicit ToolWindows(QWidget *editor);
    ~ToolWindows();
    ToolWindows(const ToolWindows &) = delete;
    ToolWindows &operator=(const ToolWindows &) = delete;

    // How a kind of window is made (its connections included), given the editor as its parent.
    template <class Window>
    void add(std::function<Window *(QWidget *editor)> make)
    {
        m_kinds.push_back({&Window::staticMetaObject, std::move(make), nullptr});
    }

    // The window of a kind, made if it is not yet, shown, raised and active.
    // Where it opens is the window's own: its remembered place, else beside
    // the editor.
    template <class Window>
    Window *show()
    {
        return static_cast<Window *>(show(&Window::staticMetaObject));
    }
    // The window of a kind, or nullptr while it was never shown.
    template <class Window>
    Window *made() const
    {
        return static_cast<Window *>(made(&Window::staticMetaObject));
    }

    void setEditorCovered(bool covered);

private:
    struct Kind
    {
        const QMetaObject *type;
        std::function<ToolWindow *(QWidget *)> make;
        std::unique_ptr<ToolWindow> window; // also a child of the editor; deleted here first
    };

    ToolWindow *show(const QMetaObject *type);
    ToolWindow *made(const QMetaObject *type) const;
    Kind &kind(const QMetaObject *type);

    QWidget *m_editor;
    std::vector<Kind> m_kinds;
    // Until told otherwise the editor counts as covered: it starts under the disclaimer.
    bool m_editorCovered = true;
};
