#pragma once

#include "Readability.h"
#include "ReadableFix.h"
#include "Rgb.h"
#include "ToolWindow.h"

#include <array>
#include <vector>

class ContrastPlane;
class QCheckBox;
class QLabel;
class QPushButton;
class QTreeView;
class ReadabilityModel;
class ReadabilityTable;

// A window beside the editor that lists the scheme's readability pairs, worst
// first, each with a sample of the text on its background as the phone shows
// them, both element names, their ratio and a mark; the pairs whose text the
// phone hides come last. It follows the scheme and the language.
class ReadabilityWindow : public ToolWindow
{
    Q_OBJECT
public:
    ReadabilityWindow(const ReadabilityModel &readability, QWidget *parent);

    // While the editor is covered, Fix is grey and no key or click reaches it;
    // uncovered, it is enabled again where a row is current.
    void setEditorCovered(bool covered) override;
    // The pairs as the rows show them, top to bottom.
    const std::vector<Readability::Verdict> &verdicts() const;

signals:
    // A row was chosen: its text element is to become the current one.
    void elementChosen(int element);
    // Fix, or a colour it proposes, was pressed: the element is to take the colour.
    void fixRequested(int element, const Rgb &colour);
    // Fix all was pressed.
    void fixAllRequested();
    // The user chose whether the check covers colour-blind eyes too.
    void colourBlindChosen(bool colourBlind);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void retranslate();
    void fitColumns();
    const Readability::Verdict *currentPair() const;
    void chooseRow();
    void showProposal();
    void showFixState();
    void fix(int candidate);

    const ReadabilityModel &m_readability;
    ReadabilityTable *m_table;
    QTreeView *m_list = nullptr;
    QPushButton *m_fix = nullptr;
    QPushButton *m_fixAll = nullptr;
    // The colours proposed for the chosen pair's text, the nearer first.
    std::array<QPushButton *, 2> m_candidates{};
    std::vector<ReadableFix::Candidate> m_proposed;
    QLabel *m_unmet = nullptr;
    QCheckBox *m_colourBlind = nullptr;
    ContrastPlane *m_plane = nullptr;
    bool m_fixAllowed = true;
    bool m_fitWidth = true; // the next fitting of the columns sets the window's width
};
