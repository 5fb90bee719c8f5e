#include "PanelTexts.h"

#include "Version.h"

const QString PanelTexts::kMakerName = QStringLiteral("Quorvix:");
const QString PanelTexts::kMakerWebPage = QStringLiteral("http://www.qvx.example/");
const QString PanelTexts::kForumName = QStringLiteral("S55-Forum:");
const QString PanelTexts::kForumCaption = QStringLiteral("s55forum.example");
const QString PanelTexts::kForumAddress = QStringLiteral("http://www.s55forum.example/");
const QString PanelTexts::kSiteName = QStringLiteral("Handywelt:");
const QString PanelTexts::kSiteAddress = QStringLiteral("http://www.hwelt.example/");
const QString PanelTexts::kSiteCaption = QStringLiteral("hwelt.example");
const QString PanelTexts::kMakerCaption = QStringLiteral("qvx.example");
const QString PanelTexts::kAuthorName = QStringLiteral("Jan Voss");
const QString PanelTexts::kAuthorMail = QStringLiteral("jan.voss@quorvix.example");
const QString PanelTexts::kSupportMail = QStringLiteral("support@quorvix.example");
const QString PanelTexts::kAuthorCredit = QStringLiteral("by Jan Voss");

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// Ten paragraphs: the first as the program has always said it, the rest in
// German about this program and its maker.
const char *const kDisclaimer[][16] = {
    {"This time no english version of this document is available.",
     "Short form: we don't take ANY responce for anything!"},
    {"Haftungsausschluss",
     "Quorvix übernimmt keinerlei Gewähr für die Fehlerfreiheit,",
     "Vollständigkeit und Aktualität dieses Programms und seiner Texte.",
     "Die Nennung von Produkten und Marken anderer Hersteller dient",
     "ausschließlich der Information und stellt keine Empfehlung dar;",
     "alle Marken gehören ihren jeweiligen Inhabern.",
     "Für den Inhalt verlinkter Seiten wird keine Haftung übernommen.",
     "Zugesicherte Eigenschaften bestehen nicht; das Programm wird so",
     "bereitgestellt, wie es ist.",
     "Für Schäden oder Verluste jeder Art, die aus der Benutzung dieses",
     "Programms entstehen, insbesondere für Schäden am Mobiltelefon oder",
     "für verlorene Daten, übernimmt Quorvix keine Verantwortung."},
    {"Urheberrecht",
     "Alle Rechte an den Texten, Bildern, Grafiken und Dateien dieses",
     "Projekts liegen bei Quorvix, soweit nicht anders angegeben.",
     "Die Vorschaubilder, Farbpaletten und Farbschemata wurden eigens",
     "für Vexlume gestaltet.",
     "Die private Nutzung des Programms ist kostenlos und ohne",
     "Einschränkung erlaubt.",
     "Eine Weitergabe, Vermietung oder Veröffentlichung des Programms",
     "oder seiner Bestandteile, auch auszugsweise, auf Datenträgern,",
     "in Zeitschriften oder im Internet ist ohne schriftliche",
     "Zustimmung von Quorvix nicht gestattet.",
     "Das gilt auch für veränderte Fassungen.",
     "Die Benutzung der Quelltexte und der ausführbaren Dateien",
     "geschieht auf eigene Gefahr.",
     "Wer das Programm verändert, trägt für die Folgen selbst die",
     "Verantwortung."},
    {"Für heruntergeladene Quelltexte oder Programme übernimmt Quorvix",
     "keinerlei Haftung."},
    {"Links",
     "Mit Urteil vom 12. Mai 1998 hat ein Landgericht entschieden, dass",
     "man durch das Setzen eines Links die Inhalte der verlinkten Seite",
     "gegebenenfalls mit zu verantworten hat.",
     "Dies kann nur dadurch verhindert werden, dass man sich",
     "ausdrücklich von diesen Inhalten distanziert."},
    {"Quorvix hat in diesem Programm Links zu anderen Seiten im",
     "Internet gelegt.",
     "Für alle diese Links gilt: Quorvix hat keinerlei Einfluss auf",
     "die Gestaltung und die Inhalte der verlinkten Seiten.",
     "Deshalb distanziert sich Quorvix hiermit ausdrücklich von allen",
     "Inhalten aller verlinkten Seiten und macht sich diese Inhalte",
     "nicht zu eigen.",
     "Diese Erklärung gilt für alle im Programm angezeigten Links und",
     "für alle Inhalte der Seiten, zu denen diese Links führen."},
    {"Quorvix behält sich vor, diese Bedingungen jederzeit zu ändern.",
     "Wer mit diesen Bedingungen nicht einverstanden ist, muss das",
     "Programm sofort löschen."},
    {"Mit dieser Programmversion verlieren alle früheren Bedingungen ihre Gültigkeit."},
    {"Alle Rechte an Vexlume liegen bei Quorvix Software."},
    {"Quorvix Software, Jan Voss",
     "Lindenweg 7, 12345 Musterstadt",
     "support@quorvix.example"},
};

const char *const kThanks[] = {
    "Very much thanks goes out to",
    "-----------------------------------------------",
    "- Lucía Fernández for the Spanish version",
    "- Amélie Durand for the French version",
    "- Pieter de Vries for the Dutch version",
    "- the S55-Forum for its notes on colour schemes",
    "- Handywelt for the list of screen elements",
    "- Tobias Brandt for his notes on the .col format",
    "",
    "Greetings go out to",
    "------------------------------",
    "- Mara and Finn",
    "- everyone at the S55-Forum",
    "- the Handywelt crew",
    "- Kai from the shop around the corner",
    "- all testers of the beta versions",
    "- Lena, for her patience",
    "- the night owls of channel #s55",
    "- everyone who mailed a colour scheme",
    "- you, for using Vexlume",
};

} // namespace

QString PanelTexts::authorMailLink()
{
    const QString body = QStringLiteral("%0D%0A%0D%0AS55 Vexlume, Version: ") + Version::shortText();
    return QStringLiteral("mailto:") + kAuthorMail + QStringLiteral("?subject=S55 Vexlume: &body=") + body;
}

QString PanelTexts::thanks()
{
    QString text;
    for (const char *line : kThanks)
        text += QString::fromUtf8(line) + kLineEnd;
    return text;
}

QStringList PanelTexts::disclaimerParagraphs()
{
    QStringList paragraphs;
    for (const auto &lines : kDisclaimer) {
        QString paragraph;
        for (const char *line : lines) {
            if (line)
                paragraph += QString::fromUtf8(line) + kLineEnd;
        }
        paragraphs << paragraph;
    }
    return paragraphs;
}

QString PanelTexts::disclaimer()
{
    return disclaimerParagraphs().join(kLineEnd);
}

QStringList PanelTexts::rightsNotice()
{
    return {QStringLiteral("© 2003 Quorvix Software. Alle Rechte vorbehalten."),
            QStringLiteral("Vexlume ist für die private Nutzung kostenlos."),
            QStringLiteral("Siemens und S55 sind Marken ihrer Inhaber.")};
}
