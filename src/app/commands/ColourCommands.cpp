#include "ColourCommands.h"

#include "ColourInputDialog.h"
#include "ColourText.h"
#include "EditSession.h"
#include "ElementCatalogue.h"
#include "StandardSchemes.h"
#include "Texts.h"

#include <QAction>
#include <QClipboard>
#include <QColor>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

namespace {

constexpr StandardScheme kResetSchemes[] = {StandardScheme::Blue, StandardScheme::Green, StandardScheme::Red};
constexpr Text kResetTexts[] = {Text::ResetBlue, Text::ResetGreen, Text::ResetRed};
constexpr const char *kResetNames[] = {"actResetBlue", "actResetGreen", "actResetRed"};

} // namespace

ColourCommands::ColourCommands(EditSession &session, QWidget *window)
    : QObject(window), m_session(session), m_window(window)
{
    const auto action = [this](const char *name, void (ColourCommands::*run)()) {
        auto *made = new QAction(this);
        made->setObjectName(QString::fromLatin1(name));
        connect(made, &QAction::triggered, this, run);
        return made;
    };
    m_copy = action("actCopyColour", &ColourCommands::copy);
    m_copy->setShortcut(QKeySequence::Copy);
    m_paste = action("actPasteColour", &ColourCommands::paste);
    m_paste->setShortcut(QKeySequence::Paste);
    m_enter = action("actEnterColour", &ColourCommands::enter);
    // The menus name the element their commands act on.
    m_target = new QAction(this);
    m_target->setObjectName(QStringLiteral("actColourTarget"));
    m_target->setEnabled(false);

    m_menu = new QMenu(window);
    m_menu->setObjectName(QStringLiteral("mnuColour"));
    watch(m_menu);
    m_reset = new QMenu(window);
    m_reset->setObjectName(QStringLiteral("mnuResetColour"));
    for (std::size_t i = 0; i < m_resetTo.size(); ++i) {
        m_resetTo[i] = m_reset->addAction(QString());
        m_resetTo[i]->setObjectName(QString::fromLatin1(kResetNames[i]));
        connect(m_resetTo[i], &QAction::triggered, this, [this, scheme = kResetSchemes[i]] {
            if (const auto element = m_session.currentElement())
                take(StandardSchemes::colour(scheme, *element), EditSession::Change::Reset);
        });
    }
    m_menu->addActions(actions());
    retranslate();
}

void ColourCommands::nameTarget()
{
    const auto element = m_session.currentElement();
    m_target->setText(element ? ElementCatalogue::numberedName(Languages::current(), *element) : QString());
}

void ColourCommands::watch(QMenu *menu)
{
    connect(menu, &QMenu::aboutToShow, this, &ColourCommands::nameTarget);
}

bool ColourCommands::event(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::event(event);
}

void ColourCommands::retranslate()
{
    const Language language = Languages::current();
    m_copy->setText(Texts::get(Text::ColourCopy, language));
    m_paste->setText(Texts::get(Text::ColourPaste, language));
    m_enter->setText(Texts::get(Text::ColourEnter, language));
    m_reset->setTitle(Texts::get(Text::ColourReset, language));
    for (std::size_t i = 0; i < m_resetTo.size(); ++i)
        m_resetTo[i]->setText(Texts::get(kResetTexts[i], language));
}

void ColourCommands::addShortcutsTo(QWidget *area)
{
    for (QAction *command : {m_copy, m_paste}) {
        command->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        area->addAction(command);
    }
}

QList<QAction *> ColourCommands::actions() const
{
    return {m_target, m_copy, m_paste, m_enter, m_reset->menuAction()};
}

// As text for whatever takes text, and as colour data for colour pickers.
void ColourCommands::copy()
{
    const auto colour = m_session.currentColour();
    if (!colour)
        return;
    auto *data = new QMimeData;
    const QString hex = ColourText::hex(*colour);
    data->setText(hex);
    data->setColorData(toQColor(*colour));
    QGuiApplication::clipboard()->setMimeData(data);
    emit message(Texts::get(Text::ColourCopied, Languages::current()).arg(hex));
}

// Colour data comes first: a program that offers both means the colour.
//
// Every fetch from the program that owns the clipboard waits for its answer,
// for seconds when it never gives one. So the offered formats are asked for
// once, and one offered format is fetched, once: colour data when offered (a
// colour that does not come is no reason to wait a second time for the text),
// else the text. No paste waits longer than a paste into a text box does.
void ColourCommands::paste()
{
    if (!m_session.currentElement())
        return;
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    const QStringList offered = data ? data->formats() : QStringList();
    if (offered.contains(QStringLiteral("application/x-color"))) {
        const QColor colour = qvariant_cast<QColor>(data->colorData());
        if (!colour.isValid()) {
            emit message(Texts::get(Text::ClipboardEmpty, Languages::current()));
            return;
        }
        take(fromQColor(colour), EditSession::Change::Paste);
        return;
    }
    // Not QMimeData::text(), which asks for UTF-8 text and then for any text:
    // two fetches from an owner that may answer neither.
    QString text;
    for (const QString &format : {QStringLiteral("text/plain;charset=utf-8"), QStringLiteral("text/plain")}) {
        if (offered.contains(format)) {
            text = QString::fromUtf8(data->data(format));
            break;
        }
    }
    if (text.trimmed().isEmpty())
        emit message(Texts::get(Text::ClipboardEmpty, Languages::current()));
    else if (const auto colour = ColourText::parse(text))
        take(*colour, EditSession::Change::Paste);
    else
        emit message(Texts::get(Text::NotAColour, Languages::current()).arg(ColourText::quoted(text)));
}

// One step for Undo, which is offered again. A colour taken ends the message
// of a paste that went wrong before.
void ColourCommands::take(const Rgb &colour, EditSession::Change how)
{
    emit message({});
    m_session.giveColour(colour, how);
}

// The dialog does not block: the window goes on being drawn behind it.
void ColourCommands::enter()
{
    const auto colour = m_session.currentColour();
    if (!colour)
        return;
    auto *dialog = new ColourInputDialog(*colour, m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { take(dialog->colour(), EditSession::Change::Entered); });
    dialog->open();
}
