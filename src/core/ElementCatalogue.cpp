#include "ElementCatalogue.h"

#include "ElementNumber.h"

#include <cmath>
#include <iterator>

namespace {

using Role = ElementCatalogue::Role;

// Per element, 1 to 60.
constexpr Role kRoles[] = {
    Role::Text,         Role::Surface,      Role::TextOnRaised, Role::Raised,       Role::TextOnRaised, // 1-5
    Role::TextOnRaised, Role::Raised,       Role::Text,         Role::Surface,      Role::PageText,     // 6-10
    Role::PageText,     Role::PageText,     Role::PageText,     Role::PageText,     Role::PageText,     // 11-15
    Role::TextOnAccent, Role::Accent,       Role::Border,       Role::Border,       Role::Text,         // 16-20
    Role::Surface,      Role::Border,       Role::Text,         Role::Border,       Role::TextOnAccent, // 21-25
    Role::Accent,       Role::Marker,       Role::Marker,       Role::Raised,       Role::Text,         // 26-30
    Role::Surface,      Role::TextOnRaised, Role::Raised,       Role::Border,       Role::Border,       // 31-35
    Role::TextOnAccent, Role::Accent,       Role::Border,       Role::Raised,       Role::Accent,       // 36-40
    Role::Border,       Role::Border,       Role::Surface,      Role::Marker,       Role::IconFill,     // 41-45
    Role::Surface,      Role::Accent,       Role::Accent,       Role::Surface,      Role::Border,       // 46-50
    Role::Accent,       Role::Text,         Role::Text,         Role::Text,         Role::Text,         // 51-55
    Role::Text,         Role::Text,         Role::Surface,      Role::Reserved,     Role::Reserved,     // 56-60
};
static_assert(std::size(kRoles) == kElementCount, "every element has a role, and only the 60 do");

struct ElementTexts
{
    // One marker per language, in the order of Language.
    const char *markers;
    const char *names[Languages::kCount];
};

// German, English, French, Spanish, Dutch. The German name of 37 ends with a blank
// and the "ENGLISH: " names are shown as they stand: both are what users of the
// phone's tools know.
constexpr ElementTexts kElements[kElementCount] = {
    {"!!!!!", {"Schrift Display Datum/Zeit innen",
             "font display date / time",
             "Texte - date/heure",
             "Color del texto de la fecha y hora",
             "venster display datum / tijd"}},
    {"!!!!!", {"Schrift Display Datum/Zeit aussen",
             "surface around time / date / provider",
             "Arrière-plan - date/heure, edit.réper, calendrier",
             "Color del fondo de la fecha/hora/operador",
             "omgeving rond tijd / datum / provider"}},
    {"!!!!!", {"Basisfenstertitel Schrift",
             "base window font",
             "Texte - titre de fenêtre de base",
             "Color del título de la ventana principal",
             "basis venster lettertype"}},
    {"!!!!!", {"Basisfenstertitel Hintergrund",
             "base window background",
             "Arrière-plan - titre de fenêtre de base",
             "Color del fondo del título de la ventana principal",
             "basis venster achtergrond"}},
    {"!!!!!", {"Basisfenstertitel Schrift Menünummer",
             "base windows title font number",
             "Numéro de fenêtre de base",
             "Color de los números del título de la ventana principal",
             "basis venster titel lettertype nummer"}},
    {"!!!!!", {"Softkeys Schrift",
             "softkeys font",
             "Texte - touches écran",
             "Color del texto de las teclas de función",
             "softkeys lettertype"}},
    {"!!!!!", {"Softkeys Hintergrund",
             "softkeys background",
             "Arrière-plan - touches écran",
             "Color del fondo de las teclas de función",
             "softkeys achtergrond"}},
    {"?????", {"Inaktiver Text",
             "inactive text",
             "ENGLISH: inactive text",
             "ENGLISH: inactive text",
             "in-actieve tekst"}},
    {"?????", {"Inaktiver Hintergrund",
             "inactive background",
             "ENGLISH: inactive background",
             "ENGLISH: inactive background",
             "in-actieve achtergrond"}},
    {"?????", {"Beschreibung Text1",
             "explanation text 1",
             "ENGLISH: explanation text 1",
             "ENGLISH: explanation text 1",
             "uitleg tekst 1"}},
    {"!!!!!", {"Textfarbe für Telefonnummern",
             "font phone numbers",
             "Texte - numéros de téléphone",
             "Color del texto de los números de teléfono",
             "lettertype telefoonnummers"}},
    {"?????", {"Beschreibung Text2",
             "explanation text 2",
             "ENGLISH: explanation text 2",
             "ENGLISH: explanation text 2",
             "uitleg tekst 2"}},
    {"!!!!!", {"Textfarbe für eMail und Homepage",
             "font eMail, homepage",
             "Texte - eMail, homepage www",
             "Color del email y la página de inicio",
             "lettertype eMail, homepage"}},
    {"?????", {"Beschreibung Text3",
             "explanation text 3",
             "ENGLISH: explanation text 3",
             "ENGLISH: explanation text 3",
             "uitleg tekst 3"}},
    {"!!!!!", {"Textfarbe für Adresse",
             "font address",
             "Texte - adresse",
             "Color de la dirección",
             "lettertype adres"}},
    {"!!!!!", {"Menüauswahl Schrift",
             "select menu font",
             "Texte - menu sélectionné",
             "Color de opción de menú seleccionada",
             "selecteer menu lettertype"}},
    {"!!!!!", {"Menüauswahl Hintergrund",
             "select menu background",
             "Arrière-plan - menu sélectionné",
             "Color del fondo de la opción de menú seleccionada",
             "selecteer menu achtergrond"}},
    {"!!!!!", {"Menüauswahl Rahmen ( Kalender Auswahl Rahmen)",
             "select menu border (calender border)",
             "Bordure - menu sélectionné (bordure calendrier)",
             "Color del borde de la opción de menú seleccionada (borde de calendario)",
             "selecteer menu rand (kalender rand)"}},
    {"!!!!!", {"Menüauswahl Schatten",
             "select menu shaddwow",
             "Ombre - menu sélectionné",
             "Color de la sombra de la opción de menú seleccionada",
             "selecteer menu schaduw"}},
    {"!!!!!", {"Menü Text nicht ausgewählt",
             "menu font not selected",
             "Texte - menu non-sélectionné",
             "Color del texto no seleccionado del menú",
             "menu lettertype niet geselecteerd"}},
    {"!!!!!", {"Textmenüs Hintergrund",
             "text menu background",
             "Arrière-plan - menu",
             "Color del fondo del texto no seleccionado del menú",
             "text menu achtergrond"}},
    {"!!!!!", {"Basisfenstertitel Schatten",
             "base window shaddow",
             "Ombre - fenêtre de base",
             "Color de la sombra de la ventana principal",
             "basis scherm schaduw"}},
    {"!!!!!", {"Providername Text innen",
             "provider font inner",
             "Intérieur - texte opérateur",
             "Color del texto del nombre de la operadora",
             "provider lettertype binnenrand"}},
    {"!!!!!", {"Providername Text aussen",
             "provider font border",
             "Bordure - texte opérateur",
             "Color del borde del texto del nombre de la operadora",
             "provider lettertype rand"}},
    {"?????", {"Markierter Text",
             "marked text",
             "Texte - élément marqué",
             "Color del texto seleccionado",
             "geselecteerde tekst"}},
    {"?????", {"Markierung Hintergrund",
             "marked text background",
             "Arrière-plan - élément marqué",
             "Color de fondo del texto seleccionado",
             "geselecteerde tekst achtergrond"}},
    {"?????", {"Cursor",
             "cursor",
             "Curseur",
             "Color del cursor",
             "cursor"}},
    {"!!!!!", {"Scrollmarkierung Textmenü",
             "scroll mark text menu",
             "Barre de défilement (position)",
             "Color de la posición de la barra de desplazamiento",
             "scroll punt tekst menu"}},
    {"!!!!!", {"Scrollleiste Textmenüs",
             "scrollbar text menu",
             "Barre de défilement",
             "Color de la barra de desplazamiento",
             "scrollbalk tekst menu"}},
    {"!!!!!", {"Meldungsfenster Text nicht markiert / Meldung",
             "message window text not marked",
             "Texte - fenêtre d'options (non-sélectionnés)",
             "Color del texto no seleccionado de la ventana de mensajes",
             "bericht scherm tekst niet geselecteerd"}},
    {"!!!!!", {"Meldungsfenster Hintergrund",
             "message window background",
             "Arrière-plan - fenêtre d'options",
             "Color del fondo del texto no seleccionado de la ventana de mensajes",
             "bericht scherm achtergrond"}},
    {"!!!!!", {"Meldungsfenster Titelleiste Text",
             "message window title text",
             "Texte - titre fenêtre d'options",
             "Color del título de la ventana de mensajes",
             "bericht scherm titel tekst"}},
    {"!!!!!", {"Meldungsfenster Titelleiste Hintergrund",
             "message window title text background",
             "Arrière-plan - titre fenêtre d'options",
             "Color del fondo del título de la ventana de mensajes",
             "bericht scherm titel tekst achtergrond"}},
    {"!!!!!", {"Meldungsfenster Rahmen",
             "message window border",
             "Bordure - fenêtre d'options",
             "Color del borde de la ventana de mensajes",
             "bericht scherm rand"}},
    {"!!!!!", {"Meldungsfenster Schatten",
             "message window shaddow",
             "Ombre - fenêtre d'options",
             "Color de la sombra del título de la ventana de mensajes",
             "bericht scherm schaduw"}},
    {"!!!!!", {"Meldungsfenster Text markiert",
             "message window text marked",
             "Texte - fenêtre d'options (sélectionné)",
             "Color del texto seleccionado de la ventana de mensajes",
             "bericht scherm tekst geselecteerd"}},
    {"!!!!!", {"Meldungsfenster Text markiert Markierungsbalken ",
             "message window text marked background",
             "Arrière-plan - fenêtre d'options (sélectionné)",
             "Color del fondo del texto seleccionado de la ventana de mensajes",
             "bericht scherm tekst geselecteerd achtergrond"}},
    {"!!!!!", {"Meldungsfenster Titelleiste Schatten",
             "message window title border shaddow",
             "Ombre - fenêtre d'options",
             "Color de la sombra del título de la ventana de mensajes",
             "bericht scherm titel rand schaduw"}},
    {"?????", {"Statusbalken Hintergrund",
             "statusbar background",
             "Arrière-plan - barre de statut",
             "Color del fondo de la barra de estado",
             "statusbar achtergrond"}},
    {"?????", {"Statusbalken Füllung",
             "statusbar filling",
             "Remplissage - barre de statut",
             "Color del relleno de la barra de estado",
             "statusbar vulling"}},
    {"?????", {"Statusbalken Rahmen",
             "statusbar border",
             "Bordure - barre de statut",
             "Color del borde de la barra de estado",
             "statusbar rand"}},
    {"!!!!!", {"Radiobutton / Symbol Rahmen",
             "ratiobutton / symbol border",
             "Bordure - symboles, pictogrammes, icônes",
             "Color del borde de los símbolos/radiobuttons",
             "ratiobutton / symbool rand"}},
    {"!!!!!", {"Radiobutton / Symbol Hintergrund 1",
             "ratiobutton / symbol background 1",
             "Intérieur - icônes dossiers",
             "Color del fondo de los símbolos/radiobuttons (1)",
             "ratiobutton / symbool achtergrond 1"}},
    {"!!!!!", {"Radiobutton Auswahl",
             "ratiobutton selection",
             "Ombre - symboles, pictogrammes, icônes",
             "Color del radiobutton selecionado",
             "ratiobutton selectie"}},
    {"!!!!!", {"Radiobutton / Symbol Hintergrund 2",
             "ratiobutton / Symbol background 2",
             "Arrière-plan - symboles, pictogrammes, icônes",
             "Color del fondo de los símbolos/radiobuttons (2)",
             "ratiobutton / symbool achtergrond 2"}},
    {"?????", {"Kalender Datum Hintergrund",
             "calender date background",
             "Arrière-plan calendrier, événement std (cal. s/j)",
             "Color del fondo de la fecha del calendario",
             "kalender datum achtergrond"}},
    {"?????", {"Organizer Speziales Ereignis Hintergrund",
             "organizer special event background",
             "Evénement spécial (calendrier sem/jour)",
             "ENGLISH: organizer special event background",
             "uitleg speciale gebeurtenis achtergrond"}},
    {"?????", {"Kalender Markierung / Geburtstag",
             "calender mark / birthday",
             "Arrière-plan - calendrier anniversaire",
             "Color del fondo de la marca de cumpleaños en el calendario",
             "kalender punt / birthday"}},
    {"?????", {"Organizer Hintergrund",
             "organizer background",
             "Arrière-plan - Organiseur",
             "ENGLISH: organizer background",
             "agenda achtergrond"}},
    {"?????", {"Organizer Trennstrich",
             "organizer horizontal line",
             "Ligne de séparation - Organiseur",
             "ENGLISH: organizer horizontal line",
             "agenda horizontale lijn"}},
    {"?????", {"Organizer Ueberschneidendes Ereignis Hintergrund",
             "organizer overlappt event background",
             "Evénements entrecroisés (calendrier sem/jour)",
             "ENGLISH: organizer overlappt event background",
             "agenda overlappende afspraak achtergrond"}},
    {"?????", {"Kalender Datum Text",
             "calender date text",
             "Texte - dates calendrier (jours ouvrables)",
             "Color del texto de la fecha del calendario",
             "kalender datum tekst"}},
    {"?????", {"Farbe der Rufnummerneingabe",
             "colour of call number input",
             "Texte - jour actuel",
             "ENGLISH: colour of call number input",
             "ENGLISH: colour of call number input"}},
    {"?????", {"WAP-Browser: Link (auf einer WAP-Page)",
             "WAP-Browser: link (WAP-Page)",
             "Liens - navigateur WAP",
             "Navegador Wap: Color del enlace",
             "WAP-Browser: link (WAP-Pagina)"}},
    {"?????", {"WAP-Browser: besuchter Link",
             "WAP-Browser: visitor link",
             "Liens - navigateur WAP (visité)",
             "Navegador Wap: Color del enlace visitado",
             "WAP-Browser: Visite link"}},
    {"?????", {"Formularfelder Text",
             "form field text",
             "Texte - champs de formulaires (sélection)",
             "Color del texto de un campo de un formulario",
             "formulier veld tekst"}},
    {"?????", {"Texteingabe fertiger Text",
             "text input preset text",
             "Texte - champs de formulaires (entrée)",
             "Color del texto predictivo",
             "tekst invoer standaard tekst"}},
    {"!!!!!", {"Iconmenü Hintergrund (1. Menüebene)",
             "iconmenu background",
             "Arrière-plan - menu principal (grd. icônes)",
             "Color del fondo del menú de iconos",
             "iconmenu achtergrond"}},
    {"!!?!!", {"Reserviert für zukünftige Verwendung",
             "reserved for extension",
             "réservé pour utilisation future",
             "ENGLISH: reserved for extension",
             "ENGLISH: reserved for extension"}},
    {"!!?!!", {"Reserviert für zukünftige Verwendung",
             "reserved for extension",
             "réservé pour utilisation future",
             "ENGLISH: reserved for extension",
             "ENGLISH: reserved for extension"}},
};

// Every element has a marker ("!" or "?") and a name in every language, and no
// marker more: a language added without its column leaves a gap.
constexpr bool complete()
{
    for (const ElementTexts &element : kElements) {
        if (!element.markers)
            return false;
        for (int i = 0; i < Languages::kCount; ++i) {
            const char marker = element.markers[i];
            if (marker != '!' && marker != '?')
                return false;
        }
        if (element.markers[Languages::kCount] != '\0')
            return false;
        for (const char *name : element.names) {
            if (!name || name[0] == '\0')
                return false;
        }
    }
    return true;
}
static_assert(complete(), "an element lacks its marker or name in a language");

const ElementTexts &textsOf(int element)
{
    return kElements[ElementNumber::index(element)];
}

} // namespace

QString ElementCatalogue::name(Language language, int element)
{
    return QString::fromUtf8(textsOf(element).names[Languages::index(language)]);
}

QString ElementCatalogue::numberedName(Language language, int element)
{
    return QString::number(element) + u' ' + name(language, element).trimmed();
}

QChar ElementCatalogue::marker(Language language, int element)
{
    return QLatin1Char(textsOf(element).markers[Languages::index(language)]);
}

QString ElementCatalogue::listText(Language language, int element)
{
    return QStringLiteral("%1 - %2 %3").arg(element).arg(marker(language, element), name(language, element));
}

QStringList ElementCatalogue::listTexts(Language language)
{
    QStringList texts;
    texts.reserve(kElementCount);
    for (int element = 1; element <= kElementCount; ++element)
        texts.append(listText(language, element));
    return texts;
}

std::optional<int> ElementCatalogue::elementNumber(const QString &listText)
{
    const qsizetype dash = listText.indexOf(u'-');
    const QString head = (dash < 0 ? listText : listText.left(dash)).trimmed();
    bool ok = false;
    const double value = head.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < 1 || rounded > kElementCount)
        return std::nullopt;
    return static_cast<int>(rounded);
}

ElementCatalogue::Role ElementCatalogue::role(int element)
{
    return kRoles[ElementNumber::index(element)];
}
