#pragma once

#include "PreviewPanes.h"
#include "Readability.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QTextStream;

// The modes of the command line that need no display. Schemes are files read as
// the open command reads them, or built-in ones; the words are English, whatever
// the editor's language, and every text from outside goes through
// TerminalText::safe(). Each returns its ExitStatus.
namespace Reports {

// Reads every file and reports one line per file.
int check(const QStringList &files, QTextStream &out);

// Draws the six preview screens in a scheme's colours into a picture file.
struct RenderRequest
{
    QString schemeFile;
    QString standardScheme; // used when schemeFile is empty
    QString compareFile;    // where given, that scheme drawn beside, the elements that differ outlined
    QString output;
    QByteArray format = "png"; // the picture format, as the output's suffix names it
    int scale = 1;
    PreviewPanes::View view; // applied before the picture is enlarged
};
int render(const RenderRequest &request, QTextStream &err);

// A file manager's thumbnail of a scheme: the six preview screens fitted into
// size × size pixels, enlarged by a whole factor without smoothing where they
// fit more than once, made smaller with smoothing where they do not fit; PNG.
struct ThumbnailRequest
{
    int size = 128;
    QString schemeFile;
    QString output;
};
int thumbnail(const ThumbnailRequest &request, QTextStream &err);

// Reports, per scheme, every pair of colours (Readability) that the phone shows
// with less contrast than the pair needs, worst first, then how many pairs were
// checked, fell short and were not checked.
struct ContrastRequest
{
    QStringList files;
    QString standardScheme; // used when files is empty
    double textLevel = Readability::kTextLevel;
    Readability::Eyes eyes = Readability::Eyes::Normal;
};
int contrast(const ContrastRequest &request, QTextStream &out);

// Writes the scheme of a file with every pair brought to its level (Fix all)
// to another file, whole or not at all: the name, the check marks and the
// fourth numbers as they were, colours changed only where a pair needs it.
// Reports how many colours changed and what could not be met.
struct FixRequest
{
    QString input;
    QString output;
    double textLevel = Readability::kTextLevel;
    bool colourBlind = false; // every pair also for protan, deutan and tritan eyes
};
int fix(const FixRequest &request, QTextStream &out);

// Writes a scheme derived from a colour (in any form a paste takes) or from a
// picture (any format the toolkit reads) to a file, whole or not at all.
// Reports the seed and whether every pair reaches its level.
struct DeriveRequest
{
    QString source; // a colour, or a picture file
    QString output;
    QString name;   // the scheme's name; the colour's hex or the picture's base name if empty
    bool light = false;
    bool colourBlind = false;
};
int derive(const DeriveRequest &request, QTextStream &out);

// What a mode wrote to standard output reaches it only once flushed, and a full
// disk or a closed descriptor refuses it only then: a report that was not
// written must not pass for one that was (a script would take the silence for
// "all is well"). Returns `status` once everything is out; otherwise says so on
// standard error and returns ExitStatus::kFailure.
int finishOutput(QTextStream &out, int status);

} // namespace Reports
