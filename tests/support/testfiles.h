#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// File helpers the tests share: what a folder holds and whether bytes stayed the same.
namespace TestFiles {

/// The file's bytes; empty when it cannot be read.
QByteArray readAll(const QString &path);
/// Writes @p bytes as the whole file at @p path; false when not every byte got there.
bool write(const QString &path, const QByteArray &bytes);
/// One hash over the contents of @p paths, in the order given.
QByteArray checksum(const QStringList &paths);
/// One hash over every file below @p dir: names and contents, hidden files included.
QByteArray checksumOfTree(const QString &dir);
/// The lines of a text file, without a last empty one.
QStringList readLines(const QString &path);
/// Paths of every file below @p dir relative to it, sorted, hidden files included.
QStringList filesBelow(const QString &dir);

} // namespace TestFiles
