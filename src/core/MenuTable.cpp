#include "MenuTable.h"

namespace {

using Kind = MenuTable::Kind;
using ImageList = MenuTable::ImageList;
constexpr int Shift = MenuTable::kShift, Ctrl = MenuTable::kCtrl, Alt = MenuTable::kAlt;

// Key, parent, kind, picture, shortcut modifiers and key, enabled, visible, and
// the captions in German, English, French, Spanish and Dutch; "&" marks the
// access key.
constexpr std::array<MenuTable::Item, MenuTable::kCount> kItems = {{
    {"keyFile", "", Kind::Ordinary, {ImageList::None, 0}, 0, 0, true, true, // 1
     {"&Datei", "&File", "&Fichier", "&Fichero", "&Bestand"}},
    {"keyNew", "keyFile", Kind::Ordinary, {ImageList::Menu, 5}, 0, 0, true, true, // 2
     {"&Neu", "&New", "&Nouveau", "&Nuevo", "&Nieuw"}},
    {"keyOpen", "keyFile", Kind::Ordinary, {ImageList::Menu, 4}, 0, 0, true, true, // 3
     {"&Öffnen", "&Open", "&Ouvrir", "&Abrir", "&Open"}},
    {"keySave", "keyFile", Kind::Ordinary, {ImageList::Menu, 3}, 0, 0, true, true, // 4
     {"&Speichern", "&Save", "&Enregistrer", "&Guardar", "&Opslaan"}},
    {"", "keyFile", Kind::Separator, {ImageList::None, 0}, 0, 0, true, true, // 5
     {"", "", "", "", ""}},
    {"keyRecent", "keyFile", Kind::Ordinary, {ImageList::None, 0}, 0, 0, false, false, // 6
     {"&Letzte Dateien", "&last Files", "&derniers fichiers", "&last Files", "&Laatst geopende bestanden"}},
    {"", "keyFile", Kind::Separator, {ImageList::None, 0}, 0, 0, true, false, // 7
     {"", "", "", "", ""}},
    {"keyExit", "keyFile", Kind::Ordinary, {ImageList::None, 0}, Alt, 'Q', true, true, // 8
     {"&Beenden", "&Exit", "&Quitter", "&Salir", "&Afsluiten"}},
    {"keyRedscheme", "keyNew", Kind::Marked, {ImageList::Flags, 3}, Ctrl, 0, true, true, // 9
     {"&Redscheme...", "&Redscheme...", "&Thème rouge...", "Esquema en &Rojo...", "&Rood schema..."}},
    {"keyGreenscheme", "keyNew", Kind::Marked, {ImageList::Flags, 4}, Ctrl, 0, true, true, // 10
     {"&Greenscheme...", "&Greenscheme...", "&Thème vert...", "Esquema en &Verde...", "&Groen schema..."}},
    {"keyBluescheme", "keyNew", Kind::Marked, {ImageList::Flags, 5}, Ctrl, 'N', true, true, // 11
     {"&Bluescheme...", "&Bluescheme...", "&Thème bleu...", "Esquema en &Azul...", "&Blauw schema..."}},
    {"", "keyRecent", Kind::Ordinary, {ImageList::None, 0}, 0, 0, true, true, // 12
     {"&1 [...]", "&1 [...]", "&1 [...]", "&1 [...]", "&1 [...]"}},
    {"", "keyRecent", Kind::Ordinary, {ImageList::None, 0}, 0, 0, true, true, // 13
     {"&2 [...]", "&2 [...]", "&2 [...]", "&2 [...]", "&2 [...]"}},
    {"", "keyRecent", Kind::Ordinary, {ImageList::None, 0}, 0, 0, true, true, // 14
     {"&3 [...]", "&3 [...]", "&3 [...]", "&3 [...]", "&3 [...]"}},
    {"", "keyRecent", Kind::Ordinary, {ImageList::None, 0}, 0, 0, true, true, // 15
     {"&4 [...]", "&4 [...]", "&4 [...]", "&4 [...]", "&4 [...]"}},
    {"keyEdit", "", Kind::Ordinary, {ImageList::None, 0}, 0, 0, true, true, // 16
     {"&Edit", "&Edit", "&Edition", "&Editar", "&Bewerken"}},
    {"keyUndo", "keyEdit", Kind::Marked, {ImageList::Menu, 1}, Ctrl, 'Z', true, true, // 17
     {"&Undo", "&Undo", "&Annuler", "&Undo", "&ongedaan maken"}},
    {"keyRedo", "keyEdit", Kind::Marked, {ImageList::Menu, 2}, Ctrl | Shift, 'Z', false, true, // 18
     {"&Redo", "&Redo", "&Rétablir", "&Redo", "&opnieuw uitvoeren"}},
    {"keyEinstellungen", "", Kind::Ordinary, {ImageList::None, 0}, 0, 0, true, true, // 19
     {"&Einstellungen", "&Configuration", "&Options", "&Configuración", "&Configuratie"}},
    {"keyEnglish", "keyEinstellungen", Kind::Ordinary, {ImageList::Flags, 1}, 0, 0, true, true, // 20
     {"switch to english version", "switch to english version", "switch to english version", "switch to english version", "switch to english version"}},
    {"keyGerman", "keyEinstellungen", Kind::Ordinary, {ImageList::Flags, 2}, 0, 0, true, true, // 21
     {"zur deutschen Version wechseln", "zur deutschen Version wechseln", "zur deutschen Version wechseln", "zur deutschen Version wechseln", "zur deutschen Version wechseln"}},
    {"keyEspanol", "keyEinstellungen", Kind::Ordinary, {ImageList::Flags, 6}, 0, 0, true, true, // 22
     {"cambiar a idioma español", "cambiar a idioma español", "Cambiar a idioma Español", "cambiar a idioma español", "cambiar a idioma español"}},
    {"keyFrance", "keyEinstellungen", Kind::Ordinary, {ImageList::Flags, 7}, 0, 0, true, true, // 23
     {"langue: français", "langue: français", "langue: français", "langue: français", "langue: français"}},
    {"keyDutch", "keyEinstellungen", Kind::Ordinary, {ImageList::Flags, 8}, 0, 0, true, true, // 24
     {"verander in nederlands versie", "verander in nederlands versie", "verander in nederlands versie", "verander in nederlands versie", "verander in nederlands versie"}},
    {"keyHelp", "", Kind::Ordinary, {ImageList::None, 0}, 0, 0, true, true, // 25
     {"&About", "&About", " &? ", "&Acerca de", "&Over"}},
    {"keyCopyright", "keyHelp", Kind::Ordinary, {ImageList::None, 0}, 0, 0, true, true, // 26
     {"&Copyright / Disclaimer", "&Copyright / Disclaimer", "&Copyright / Dénégation", "&Copyright / Disclaimer", "&Auteursrechten / Disclaimer"}},
    {"", "keyHelp", Kind::Separator, {ImageList::None, 0}, 0, 0, true, true, // 27
     {"", "", "", "", ""}},
    {"keySupport", "keyHelp", Kind::Ordinary, {ImageList::Menu, 6}, 0, 0, true, true, // 28
     {"&Support", "&Support", "&Support", "&Ayuda", "&Support"}},
    {"keyLinks", "keyHelp", Kind::Ordinary, {ImageList::None, 0}, 0, 0, true, true, // 29
     {"&Links", "&Links", "&Liens", "&Enlaces", "&Links"}},
}};

} // namespace

const std::array<MenuTable::Item, MenuTable::kCount> &MenuTable::items()
{
    return kItems;
}

QString MenuTable::caption(const Item &item, Language language)
{
    return QString::fromUtf8(item.captions[Languages::index(language)]);
}

bool MenuTable::isEnabled(const Item &item, Language language)
{
    return item.enabled && key(item) != Languages::menuKey(language);
}
