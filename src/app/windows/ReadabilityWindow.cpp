#include "ReadabilityWindow.h"

#include "ColourIcons.h"
#include "ColourScience.h"
#include "ColourText.h"
#include "ContrastPlane.h"
#include "ElementCatalogue.h"
#include "LanguageFollower.h"
#include "ReadabilityModel.h"
#include "ReadabilityTable.h"
#include "SchemeModel.h"
#include "Texts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QScreen>
#include <QTreeView>

#include <algorithm>


ReadabilityWindow::ReadabilityWindow(const ReadabilityModel &readability, QWidget *parent)
    : ToolWindow(QStringLiteral("Readability/geometry"), parent)
    , m_readability(readability)
    , m_table(new ReadabilityTable(readability, this))
{
    setObjectName(QStringLiteral("readabilityWindow"));
    m_fix = new QPushButton(this);
    m_fix->setObjectName(QStringLiteral("readabilityFix"));
    m_fixAll = new QPushButton(this);
    m_fixAll->setObjectName(QStringLiteral("readabilityFixAll"));
    for (std::size_t i = 0; i < m_candidates.size(); ++i) {
        m_candidates[i] = new QPushButton(this);
        m_candidates[i]->setObjectName(QStringLiteral("readabilityCandidate%1").arg(i));
        m_candidates[i]->setIconSize({32, 16});
        connect(m_candidates[i], &QPushButton::clicked, this, [this, i] { fix(int(i)); });
    }
    m_colourBlind = new QCheckBox(this);
    m_colourBlind->setObjectName(QStringLiteral("readabilityColourBlind"));
    connect(m_colourBlind, &QCheckBox::toggled, this, &ReadabilityWindow::colourBlindChosen);
    // Under the list: the plane of the chosen text's hue, and beside it what
    // no colour can meet.
    auto *below = new QWidget(this);
    m_plane = new ContrastPlane(below);
    connect(m_plane, &ContrastPlane::colourTaken, this, [this](const Rgb &colour) {
        if (const Readability::Verdict *chosen = currentPair();
            chosen && m_fixAllowed && !Readability::isDrawing(chosen->pair.text))
            emit fixRequested(chosen->pair.text, colour);
    });
    m_unmet = new QLabel(below);
    m_unmet->setObjectName(QStringLiteral("readabilityUnmet"));
    m_unmet->setWordWrap(true);
    m_unmet->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_unmet->hide();
    auto *belowLayout = new QHBoxLayout(below);
    belowLayout->setContentsMargins({});
    belowLayout->addWidget(m_plane, 0, Qt::AlignLeft | Qt::AlignTop);
    belowLayout->addWidget(m_unmet, 1);
    belowLayout->addStretch();
    m_list = addList(m_table, QStringLiteral("readabilityList"),
                     {m_colourBlind, m_candidates[0], m_candidates[1], m_fixAll, m_fix}, below);
    m_list->setIconSize({32, 16});
    resize(820, 360);
    restorePlace();

    // The rows move with their pairs after a change, the current one too; its
    // move is no choice of the user's and chooses nothing.
    connect(m_table, &QAbstractItemModel::layoutChanged, this, [this] {
        showProposal();
        fitColumns();
    });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ReadabilityWindow::chooseRow);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, &ReadabilityWindow::showProposal);
    connect(m_fix, &QPushButton::clicked, this, [this] { fix(0); });
    connect(m_fixAll, &QPushButton::clicked, this, &ReadabilityWindow::fixAllRequested);
    showProposal();
    retranslate();
    new LanguageFollower(this, [this] { retranslate(); });
}

const std::vector<Readability::Verdict> &ReadabilityWindow::verdicts() const
{
    return m_table->verdicts();
}

void ReadabilityWindow::retranslate()
{
    const Language language = Languages::current();
    m_fitWidth = true;
    setWindowTitle(Texts::get(Text::ReadabilityTitle, language));
    m_fix->setText(Texts::get(Text::ReadabilityFix, language));
    m_fixAll->setText(Texts::get(Text::FixAllCommand, language));
    m_colourBlind->setText(Texts::get(Text::ColourBlindOption, language));
    m_plane->setToolTip(Texts::get(Text::PlaneTip, language));
    m_plane->setAccessibleDescription(Texts::get(Text::PlaneTip, language));
    m_table->retranslate();
    showProposal();
    fitColumns();
}

// The pair of the current row, if a row is current.
const Readability::Verdict *ReadabilityWindow::currentPair() const
{
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? &m_table->verdicts()[std::size_t(current.row())] : nullptr;
}

// The list is never narrower than its columns, whose widths follow the names
// of the language: nothing is cut off. Only a screen narrower than that needs
// the scroll bar across. When the window opens and after a language change, the
// window takes the width the columns need, narrower as well as wider; in
// between, a wider window keeps its width.
void ReadabilityWindow::fitColumns()
{
    if (!isVisible())
        return;
    m_list->header()->resizeSections(QHeaderView::ResizeToContents);
    const int columns = m_list->header()->length();
    const int wanted = columns + m_list->verticalScrollBar()->sizeHint().width() + 2 * m_list->frameWidth();
    // Room for the window's frame and margins on the screen it is on.
    const QMargins margins = layout()->contentsMargins();
    const int around = frameGeometry().width() - width() + margins.left() + margins.right();
    const int room = screen()->availableGeometry().width() - around - 16;
    m_list->setMinimumWidth(std::max(0, std::min(wanted, room)));
    if (m_fitWidth && isVisible()) {
        m_fitWidth = false;
        layout()->activate(); // lowers the window's minimum to the new columns' first
        resize(minimumSizeHint().width(), height());
    }
    keepOnScreen();
}

void ReadabilityWindow::chooseRow()
{
    if (const Readability::Verdict *pair = currentPair())
        emit elementChosen(Readability::elementToFix(pair->pair));
}

void ReadabilityWindow::setEditorCovered(bool covered)
{
    m_fixAllowed = !covered;
    showFixState();
}

// For the chosen pair's text: the nearest colours, lighter and darker, that
// bring every pair of the text to its level (to colour-blind eyes too where the
// check covers them), the nearer first, each with a
// sample on the pair's background and its distance; where no colour meets them
// all, which pair stands in the way (the colours then meet the chosen pair).
// A closed window proposes nothing: it proposes afresh when opened.
void ReadabilityWindow::showProposal()
{
    // The eyes checked: the box and the column of colour-blind ratios.
    const QSignalBlocker blocker(m_colourBlind);
    m_colourBlind->setChecked(m_readability.isColourBlind());
    m_list->setColumnHidden(ReadabilityTable::ColourBlind, !m_readability.isColourBlind());
    m_proposed.clear();
    const Readability::Verdict *chosen = isVisible() ? currentPair() : nullptr;
    ReadableFix::Proposal proposal;
    if (chosen)
        proposal = ReadableFix::propose(m_readability.scheme().scheme(), Readability::elementToFix(chosen->pair),
                                        chosen->pair, Readability::kTextLevel, m_readability.isColourBlind());
    // A text that meets every pair already, in a colour the phone shows as it
    // is, needs no other.
    if (const auto nearest = proposal.nearest(); nearest && nearest->distance == 0)
        proposal = {};
    std::vector<std::pair<Text, ReadableFix::Candidate>> shown;
    if (proposal.lighter)
        shown.emplace_back(Text::FixLighter, *proposal.lighter);
    if (proposal.darker)
        shown.emplace_back(Text::FixDarker, *proposal.darker);
    std::stable_sort(shown.begin(), shown.end(),
                     [](const auto &a, const auto &b) { return a.second.distance < b.second.distance; });
    const Language language = Languages::current();
    for (std::size_t i = 0; i < m_candidates.size(); ++i) {
        QPushButton *button = m_candidates[i];
        button->setVisible(i < shown.size());
        if (i >= shown.size())
            continue;
        const auto &[word, candidate] = shown[i];
        m_proposed.push_back(candidate);
        button->setText(Texts::get(word, language).arg(QString::number(candidate.distance, 'f', 3)));
        // A drawing of the phone's stays as it is: its background takes the colour.
        const ColourScheme &scheme = m_readability.scheme().scheme();
        const bool drawing = Readability::isDrawing(chosen->pair.text);
        const Rgb text = drawing ? Readability::textColour(scheme, chosen->pair) : candidate.colour;
        const Rgb background = drawing ? candidate.colour : Readability::backgroundColour(scheme, chosen->pair);
        button->setIcon(ColourIcons::textSample(toQColor(text), toQColor(ColourScience::phoneColour(background))));
        button->setToolTip(ColourText::hex(candidate.colour));
    }
    if (chosen && !Readability::isDrawing(chosen->pair.text)) {
        m_plane->showPair(m_readability.scheme().scheme(), chosen->pair, chosen->level, m_readability.eyes());
    } else {
        m_plane->clear();
    }
    m_unmet->setVisible(proposal.unmet.has_value());
    if (proposal.unmet) {
        m_unmet->setText(Texts::get(Text::FixUnmet, language)
                             .arg(Texts::get(Text::PairOn, language)
                                      .arg(Readability::textName(language, *proposal.unmet, true),
                                           Readability::backgroundName(language, *proposal.unmet, true))));
    }
    showFixState();
}

// A row can be current without being chosen (the list just took the focus):
// Fix works on it all the same. Fix all waits for a pair below its level.
void ReadabilityWindow::showFixState()
{
    const bool chosen = m_fixAllowed && currentPair() != nullptr;
    m_fix->setEnabled(chosen && !m_proposed.empty());
    for (QPushButton *button : m_candidates)
        button->setEnabled(chosen);
    m_plane->setEnabled(chosen);
    m_fixAll->setEnabled(m_fixAllowed && m_readability.belowLevel() > 0);
}

// The chosen pair's text takes a proposed colour: Fix takes the nearer.
void ReadabilityWindow::fix(int candidate)
{
    const Readability::Verdict *chosen = currentPair();
    if (chosen && candidate < int(m_proposed.size()))
        emit fixRequested(Readability::elementToFix(chosen->pair), m_proposed[std::size_t(candidate)].colour);
}

// It opens with the top of the list in view, where the worst pairs are.
void ReadabilityWindow::showEvent(QShowEvent *event)
{
    m_fitWidth = true;
    fitColumns();
    m_list->scrollToTop();
    ToolWindow::showEvent(event);
    showProposal();
}
