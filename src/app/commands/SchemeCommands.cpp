#include "SchemeCommands.h"

#include "ElementCatalogue.h"
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
    const ColourScheme &scheme = m_scheme.scheme();
    const ReadableFix::FixAll fixed =
        ReadableFix::fixAll(scheme, Readability::kTextLevel, m_readability.isColourBlind());
    int changed = 0;
    for (int element = 1; element <= kElementCount; ++element)
        changed += fixed.scheme.colour(element) != scheme.colour(element);
    const Language language = Languages::current();
    QStringList unmet;
    for (const Readability::Pair &pair : fixed.unmet) {
        unmet << Texts::get(Text::PairOn, language)
                     .arg(Readability::textName(language, pair, true),
                          Readability::backgroundName(language, pair, true));
    }
    if (changed > 0)
        m_scheme.replace(fixed.scheme, ChangeCause::FixAll, {});
    QString told = Texts::get(Text::FixAllDone, language).arg(changed);
    if (!unmet.isEmpty())
        told += QStringLiteral("  ") + Texts::get(Text::FixAllUnmet, language).arg(unmet.join(QStringLiteral(", ")));
    emit message(told);
}
