#pragma once

#include "Languages.h"
#include "Readability.h"
#include "Rgb.h"

#include <QWidget>

#include <vector>

class QPushButton;
class QTreeView;
class ReadabilityModel;
class ReadabilityTable;

// A tool window beside the editor that lists the scheme's readability pairs,
// worst first, each with a sample of the text on its background as the phone
// shows them, both element names, their ratio and a mark; the pairs whose text
// the phone hides come last. It follows the scheme and the language, and
// remembers where it was. Keys pressed in it are its own: the editor's menu bar
// and commands do not see them, and Esc closes it.
class ReadabilityWindow : public QWidget
{
    Q_OBJECT
public:
    ReadabilityWindow(const ReadabilityModel &readability, QWidget *parent);
    ~ReadabilityWindow() override;

    // While fixing is not allowed (the editor is covered), Fix is grey and no
    // key or click reaches it; allowed again, it is enabled where a row is current.
    void setFixAllowed(bool allowed);
    // The pairs as the rows show them, top to bottom.
    const std::vector<Readability::Verdict> &verdicts() const;

signals:
    // A row was chosen: its text element is to become the current one.
    void elementChosen(int element);
    // Fix was pressed: the element is to take the colour, as a palette click gives it.
    void fixRequested(int element, const Rgb &colour);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    bool restorePlace();
    void retranslate();
    void fitColumns();
    void keepOnScreen();
    const Readability::Verdict *currentPair() const;
    void chooseRow();
    void showFixState();
    void fix();

    const ReadabilityModel &m_readability;
    ReadabilityTable *m_table;
    QTreeView *m_list = nullptr;
    QPushButton *m_fix = nullptr;
    bool m_placed = false; // a usable place was remembered, or the window was placed once
    bool m_fixAllowed = true;
    bool m_fitWidth = true; // the next fitting of the columns sets the window's width
};
