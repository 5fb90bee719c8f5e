#pragma once

#include "ColourScheme.h"
#include "SchemeReadResult.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The .col format: "ColourScheme", the name, "Data", then one line per element of
// red, green, blue and the visible flag ("100" or "000"), CR LF after every line.
// The name is written in Windows-1252.
class SchemeFile
{
public:
    static constexpr qint64 kMaximumFileSize = 1 << 20;

    static SchemeReadResult parse(const QByteArray &bytes);
    static SchemeReadResult read(const QString &path);

    // Why a name cannot be written to a file, or empty when it can.
    static std::optional<Problem> nameProblem(const QString &name);
    // The name without the characters nameProblem() refuses, as the name box
    // would have taken it.
    static QString nameItCanHold(const QString &name);
    // The characters nameItCanHold() leaves out, each once, in the order met.
    static QString charactersItCannotHold(const QString &name);
    // What a data line's fourth number holds: the element's visible flag, as
    // the editor saves it (100 or 000), or the brightness of the entry, as a
    // file read held it.
    enum class FourthNumber { VisibleFlag, Brightness };
    // Empty when the name cannot be written (see nameProblem()).
    static std::optional<QByteArray> serialize(const ColourScheme &scheme,
                                               FourthNumber fourth = FourthNumber::VisibleFlag);
    // Writes atomically: on failure an existing file keeps its old bytes.
    // Returns the reason of a failure, or empty on success.
    static std::optional<Problem> save(const ColourScheme &scheme, const QString &path,
                                       FourthNumber fourth = FourthNumber::VisibleFlag);
};
