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
    , m_fixAll(new QAction(this))
    , m_history(new QAction(this))
    , m_largePreview(new QAction(this))
    , m_fromColour(new QAction(this))
    , m_fromPicture(new QAction(this))
{
    m_largePreview->setObjectName(QStringLiteral("actLargePreview"));
    m_largePreview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(m_largePreview, &QAction::triggered, this, &SchemeCommands::largePreviewRequested);
    m_separator->setSeparator(true);
    m_fixAll->setObjectName(QStringLiteral("actFixAll"));
    connect(m_fixAll, &QAction::triggered, this, &SchemeCommands::fixAll);
    m_history->setObjectName(QStringLiteral("actHistory"));
    m_history->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(m_history, &QAction::triggered, this, &SchemeCommands::historyRequested);
    m_fromColour->setObjectName(QStringLiteral("actDeriveFromColour"));
    connect(m_fromColour, &QAction::triggered, this, &SchemeCommands::deriveFromColourRequested);
    m_fromPicture->setObjectName(QStringLiteral("actDeriveFromPicture"));
    connect(m_fromPicture, &QAction::triggered, this, &SchemeCommands::deriveFromPictureRequested);
    retranslate();
}

QList<QAction *> SchemeCommands::actions() const
{
    return {m_separator, m_fixAll, m_history, m_largePreview, m_fromColour, m_fromPicture};
}

void SchemeCommands::addShortcutsTo(QWidget *window)
{
    window->addAction(m_history);
    window->addAction(m_largePreview);
}

bool SchemeCommands::event(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::event(event);
}

void SchemeCommands::retranslate()
{
    m_fixAll->setText(Texts::get(Text::FixAllCommand, Languages::current()));
    m_history->setText(Texts::get(Text::HistoryCommand, Languages::current()));
    m_largePreview->setText(Texts::get(Text::LargePreviewCommand, Languages::current()));
    m_fromColour->setText(Texts::get(Text::DeriveFromColour, Languages::current()));
    m_fromPicture->setText(Texts::get(Text::DeriveFromPicture, Languages::current()));
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
    m_scheme.replace(proposal.fixed.scheme, ChangeCause::FixAll, {});
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
