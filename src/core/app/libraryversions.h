#pragma once

#include <QString>

/// Versions of the libraries the program runs with, as the about box names them.
class LibraryVersions
{
public:
    static QString exiv2();
    static QString proj();
};
