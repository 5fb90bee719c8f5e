#include "SchemeCommands.h"

#include "Languages.h"
#include "ReadabilityModel.h"
#include "ReadableFix.h"
#include "SchemeModel.h"
#include "Texts.h"

#include <QAction>
#include <QEvent>
#include <QWidget>

SchemeCommands::SchemeCommands(SchemeModel &scheme, const ReadabilityModel &readability, QObject *parent)
    : QObject(parent)
    , m_scheme(scheme)
    , m_readability(readability)
    , m_separator(new QAction(this))
    , m_history(new QAction(this))
    , m_largePreview(new QAction(this))
{
    m_separator->setSeparator(true);
    for (const WholeSchemeCommands::Row &row : WholeSchemeCommands::table()) {
        if (!row.objectName)
            continue;
        QAction *action = new QAction(this);
        action->setObjectName(QString::fromLatin1(row.objectName));
        connect(action, &QAction::triggered, this, [this, id = row.id] { run(id); });
        m_rows[std::size_t(row.id)] = action;
    }
    m_history->setObjectName(QStringLiteral("actHistory"));
    m_history->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(m_history, &QAction::triggered, this, &SchemeCommands::historyRequested);
    m_largePreview->setObjectName(QStringLiteral("actLargePreview"));
    m_largePreview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(m_largePreview, &QAction::triggered, this, &SchemeCommands::largePreviewRequested);
    retranslate();
}

QList<QAction *> SchemeCommands::actions() const
{
    QList<QAction *> actions{m_separator};
    for (QAction *action : m_rows) {
        if (action)
            actions << action;
    }
    return actions << m_history << m_largePreview;
}

void SchemeCommands::addShortcutsTo(QWidget *window)
{
    window->addAction(m_history);
    window->addAction(m_largePreview);
}

void SchemeCommands::offer(bool agreed)
{
    m_agreed = agreed;
    showOffers();
}

void SchemeCommands::setEditorCovered(bool covered)
{
    m_covered = covered;
    showOffers();
}

void SchemeCommands::showOffers()
{
    for (const WholeSchemeCommands::Row &row : WholeSchemeCommands::table()) {
        if (QAction *action = m_rows[std::size_t(row.id)])
            action->setEnabled(m_agreed && !(m_covered && row.waitsUnderPanel));
    }
    m_history->setEnabled(m_agreed);
    m_largePreview->setEnabled(m_agreed);
}

bool SchemeCommands::event(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::event(event);
}

void SchemeCommands::retranslate()
{
    const Language language = Languages::current();
    for (const WholeSchemeCommands::Row &row : WholeSchemeCommands::table()) {
        if (QAction *action = m_rows[std::size_t(row.id)])
            action->setText(Texts::get(row.caption, language));
    }
    m_history->setText(Texts::get(Text::HistoryCommand, language));
    m_largePreview->setText(Texts::get(Text::LargePreviewCommand, language));
}

// Only what is special is done by hand: Fix all and the derived schemes are
// proposed before they change anything; every other item is its row's function
// of the scheme, one change of the history.
void SchemeCommands::run(WholeSchemeCommands::Id id)
{
    switch (id) {
    case WholeSchemeCommands::Id::FixAll:
        fixAll();
        return;
    case WholeSchemeCommands::Id::DeriveFromColour:
        emit deriveFromColourRequested();
        return;
    case WholeSchemeCommands::Id::DeriveFromPicture:
        emit deriveFromPictureRequested();
        return;
    case WholeSchemeCommands::Id::Invert:
    case WholeSchemeCommands::Id::ResetToBuiltIn:
    case WholeSchemeCommands::Id::GoBack:
        break;
    }
    const WholeSchemeCommands::Row &row = WholeSchemeCommands::row(id);
    if (!row.apply || (m_covered && row.waitsUnderPanel) || !m_agreed)
        return;
    const WholeSchemeCommands::Options options{Readability::kTextLevel, m_readability.isColourBlind()};
    m_scheme.replace(row.apply(m_scheme.scheme(), options), row.cause, {});
}

void SchemeCommands::fixAll()
{
    propose(false);
}

void SchemeCommands::fixAllAgain()
{
    propose(true);
}

void SchemeCommands::propose(bool again)
{
    const bool colourBlind = m_readability.isColourBlind();
    FixAllProposal proposal{ReadableFix::fixAll(m_scheme.scheme(), Readability::kTextLevel, colourBlind),
                            m_scheme.scheme(), colourBlind};
    if (proposal.fixed.changed > 0) {
        emit fixAllProposed(proposal, again);
        return;
    }
    const Language language = Languages::current();
    QString told = Texts::get(Text::FixAllNothing, language);
    if (const QString unmet = unmetWords(proposal.fixed, language); !unmet.isEmpty())
        told += QStringLiteral("  ") + unmet;
    emit message(told);
    emit nothingToFix();
}

void SchemeCommands::applyFixAll(const FixAllProposal &proposal)
{
    const ColourScheme &now = m_scheme.scheme();
    if (proposal.colourBlind != m_readability.isColourBlind() || !(proposal.from.table() == now.table())
        || proposal.from.visibleBits() != now.visibleBits() || proposal.from.name() != now.name()) {
        fixAllAgain();
        return;
    }
    m_scheme.replace(proposal.fixed.scheme, WholeSchemeCommands::row(WholeSchemeCommands::Id::FixAll).cause, {});
    const Language language = Languages::current();
    QString told = fixAllWords(proposal.fixed, true, language);
    if (const QString unmet = unmetWords(proposal.fixed, language); !unmet.isEmpty())
        told += QStringLiteral("  ") + unmet;
    emit message(told);
}

QString SchemeCommands::fixAllWords(const ReadableFix::FixAll &fixed, bool applied, Language language)
{
    QString colours;
    if (fixed.changed == 1)
        colours = Texts::get(applied ? Text::FixAllOneColourChanged : Text::FixAllOneColour, language);
    else
        colours = Texts::get(applied ? Text::FixAllColoursChanged : Text::FixAllColours, language).arg(fixed.changed);
    Text amount = Text::FixAllSlight;
    switch (ReadableFix::amountOf(fixed)) {
    case ReadableFix::Amount::None:
    case ReadableFix::Amount::Slight: amount = Text::FixAllSlight; break;
    case ReadableFix::Amount::Clear: amount = Text::FixAllClear; break;
    case ReadableFix::Amount::Strong: amount = Text::FixAllStrong; break;
    }
    return Texts::get(applied ? Text::FixAllDone : Text::FixAllProposed, language)
        .arg(colours, Texts::get(amount, language).arg(QString::number(fixed.change, 'f', 2)));
}

QString SchemeCommands::unmetWords(const ReadableFix::FixAll &fixed, Language language)
{
    QStringList unmet;
    for (const Readability::Pair &pair : fixed.unmet) {
        unmet << Texts::get(Text::PairOn, language)
                     .arg(Readability::textName(language, pair, true),
                          Readability::backgroundName(language, pair, true));
    }
    return unmet.isEmpty() ? QString()
                           : Texts::get(Text::FixAllUnmet, language).arg(unmet.join(QStringLiteral(", ")));
}
