#include "app/libraryversions.h"

#include <exiv2/exiv2.hpp>
#include <proj.h>

QString LibraryVersions::exiv2()
{
    return QString::fromStdString(Exiv2::versionString());
}

QString LibraryVersions::proj()
{
    return QString::fromUtf8(proj_info().version);
}
