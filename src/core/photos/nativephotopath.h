#pragma once

#include <QString>

/**
 * Turns a photo entry (a path, or a file URL from a drop, possibly percent-encoded) into the
 * native file path. Every access to a photo's file goes through it.
 */
QString nativePhotoPath(const QString &entry);
