#pragma once

#include <QString>

// The program's version record. The build system passes the numbers in.
struct Version
{
    static constexpr int kMajor = VEXLUME_VERSION_MAJOR;
    static constexpr int kMinor = VEXLUME_VERSION_MINOR;
    static constexpr int kBuild = VEXLUME_VERSION_BUILD;
    static constexpr int kRevision = VEXLUME_VERSION_REVISION;

    // The program's one version text ("0.9.19"): major, minor and revision, as the
    // window caption, the support mail, --version and the package show it; the
    // build number is left out.
    static QString shortText()
    {
        return QStringLiteral("%1.%2.%3").arg(kMajor).arg(kMinor).arg(kRevision);
    }
};
