#include "processing/coordinatefilewriter.h"

#include "app/sharedconstants.h"
#include "processing/outputlabelmodel.h"
#include "settings/settingskeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace {

constexpr int DegreeDecimals = 9;
constexpr int MetreDecimals = 3;
// An accuracy the timemark file did not give is stored as 0 and published as 2 cm.
constexpr double DefaultAccuracy = 0.02;

QString fixed(double value, int decimals)
{
    // QString::number never groups digits and always uses ".", whatever the locale.
    return QString::number(value, 'f', decimals);
}

QString accuracy(double value)
{
    return fixed(value == 0.0 ? DefaultAccuracy : value, MetreDecimals);
}

} // namespace

struct CoordinateFileWriter::OpenFile
{
    QFile file;          //!< under its temporary name
    QString finalPath;   //!< the name it takes when the run ends
    bool broken = false; //!< a write failed; the file holds its complete lines only

    // Writes one line at once. On failure the file is cut back to where the line began: a
    // disk that filled up mid-line must not leave half a line, a wrong coordinate for
    // whoever reads the file. Names and dates come from the operator's data; UTF-8 keeps
    // them intact everywhere.
    bool writeLine(const QString &text, QString *reason)
    {
        if (broken)
            return false;
        const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
        const qint64 complete = file.pos();
        qint64 done = 0;
        while (done < bytes.size()) {
            const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
            if (n <= 0)
                break;
            done += n;
        }
        if (done == bytes.size())
            return true;
        *reason = file.errorString();
        broken = true;
        file.resize(complete);
        return false;
    }
};

CoordinateFileWriter::CoordinateFileWriter(const OutputLabelModel &labels, int coordinateType,
                                           bool hasDateColumn, const QString &separator,
                                           bool splitPerBlock, bool pix4d)
    : m_separator(separator), m_wgs84(coordinateType == Keys::CoordinateTypeWgs84),
      m_split(splitPerBlock), m_pix4d(pix4d)
{
    for (const OutputLabelModel::LabelItem &item : labels.items()) {
        if (!item.enabled || item.id < OutputLabelModel::Name || item.id > OutputLabelModel::SdH)
            continue;
        if (item.id == OutputLabelModel::Date && !hasDateColumn)
            continue;
        m_columns.append({item.id, m_wgs84 ? item.wgsLabel : item.utmLabel});
    }
}

CoordinateFileWriter::~CoordinateFileWriter()
{
    close();
}

QString CoordinateFileWriter::fileName(bool splitPerBlock, bool pix4d, int blockNumber)
{
    if (!splitPerBlock)
        return pix4d ? QStringLiteral("fileData_Pix4d.txt") : QStringLiteral("fileData.txt");
    const QString number = QStringLiteral("%1").arg(blockNumber, 2, 10, QLatin1Char('0'));
    return pix4d ? QStringLiteral("fileData_Pix4d_%1.txt").arg(number)
                 : QStringLiteral("fileData%1.txt").arg(number);
}

QString CoordinateFileWriter::outputSeparator(int setting, const QString &firstBlockDelimiter,
                                              const QString &lastBlockDelimiter)
{
    QString chosen;
    if (setting == 0)
        chosen = firstBlockDelimiter;
    else if (setting == 1)
        chosen = lastBlockDelimiter;
    else if (setting >= 2 && setting - 2 < separatorList.value(1).size())
        chosen = separatorList.at(1).at(setting - 2);
    // A split pattern such as "\s+" cannot be written; a tab is what it stands for.
    if (chosen.isEmpty() || chosen.contains(QLatin1Char('\\')))
        return QStringLiteral("\t");
    return chosen;
}

QString CoordinateFileWriter::outputSeparator(const QSettings &settings,
                                              const QString &firstBlockDelimiter,
                                              const QString &lastBlockDelimiter)
{
    return outputSeparator(Keys::MetaOutSeparator.read(settings), firstBlockDelimiter,
                           lastBlockDelimiter);
}

bool CoordinateFileWriter::open(const QString &outputDir, int blockCount)
{
    close();
    m_result = Ok;
    m_errorText.clear();
    const QDir dir(outputDir);
    QStringList names;
    if (m_split) {
        for (int block = 1; block <= blockCount; ++block)
            names.append(fileName(true, m_pix4d, block));
    } else {
        names.append(fileName(false, m_pix4d, 1));
    }
    // Checked up front so that a refusal leaves the folder exactly as it was.
    for (const QString &name : names) {
        if (QFileInfo::exists(dir.filePath(name)))
            return fail(FileExists, tr("Coordinate file %1 already exists").arg(name));
    }
    const QString pid = QString::number(qint64(::getpid()));
    for (const QString &name : names) {
        auto open = std::make_unique<OpenFile>();
        open->finalPath = dir.filePath(name);
        open->file.setFileName(
            QStringLiteral("%1.%2%3").arg(open->finalPath, pid, partialSuffix()));
        // NewOnly: the system refuses, atomically, to open a file that appeared meanwhile.
        // Unbuffered: what a failed write leaves behind must not reach the file later.
        if (!open->file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Text |
                             QIODevice::Unbuffered)) {
            const bool exists = QFileInfo::exists(open->file.fileName());
            const QString reason = open->file.errorString();
            discardFiles();
            if (exists)
                return fail(FileExists, tr("Coordinate file %1 already exists")
                                            .arg(QFileInfo(open->file.fileName()).fileName()));
            // The system's own sentence first, then where and why.
            return fail(OpenFailed,
                        tr("Failed to open for writing a file %1").arg(name) +
                            tr(" (%1: %2)").arg(QDir::toNativeSeparators(outputDir), reason));
        }
        m_files.push_back(std::move(open));
    }
    const QString header = headerLine();
    for (auto &file : m_files) {
        QString reason;
        if (!file->writeLine(header, &reason)) {
            const QString name = QFileInfo(file->finalPath).fileName();
            discardFiles();
            return fail(WriteFailed,
                        tr("Failed to write to the coordinate file %1: %2").arg(name, reason));
        }
    }
    return true;
}

void CoordinateFileWriter::discardFiles()
{
    for (auto &created : m_files) {
        created->file.close();
        created->file.remove();
    }
    m_files.clear();
}

QString CoordinateFileWriter::partialSuffix()
{
    return QStringLiteral(".partial");
}

QStringList CoordinateFileWriter::unfinishedFiles(const QString &dir)
{
    return QDir(dir).entryList({QStringLiteral("fileData*") + partialSuffix()},
                               QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

bool CoordinateFileWriter::writeLine(int blockIndex, const Values &values)
{
    const int index = m_split ? blockIndex : 0;
    if (index < 0 || index >= int(m_files.size()))
        return fail(NoSuchBlock, tr("No coordinate file is open for block %1").arg(blockIndex + 1));
    OpenFile &file = *m_files[size_t(index)];
    // Written at once: a run that breaks off keeps every line of the photos copied so far.
    QString reason;
    if (!file.writeLine(dataLine(values), &reason))
        return fail(WriteFailed,
                    tr("Failed to write to the coordinate file %1: %2")
                        .arg(QFileInfo(file.finalPath).fileName(),
                             reason.isEmpty() ? tr("an earlier write failed") : reason));
    return true;
}

bool CoordinateFileWriter::close()
{
    bool placed = true;
    for (auto &file : m_files) {
        // On the disk before it takes its final name: after a power cut that name must not
        // stand for a file whose lines never reached the disk. Kept under its temporary name
        // otherwise, which the next run in the folder reports.
        if (!file->broken && ::fsync(file->file.handle()) != 0) {
            const int err = errno;
            file->file.close();
            if (placed)
                fail(WriteFailed, tr("Failed to write to the coordinate file %1: %2")
                                      .arg(QFileInfo(file->finalPath).fileName(),
                                           QString::fromLocal8Bit(std::strerror(err))));
            placed = false;
            continue;
        }
        file->file.close();
        const QByteArray temp = QFile::encodeName(file->file.fileName());
        const QByteArray target = QFile::encodeName(file->finalPath);
        int err = 0;
        if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(),
                        RENAME_NOREPLACE) != 0) {
            err = errno;
            // File systems without a no-replace rename: a hard link cannot replace either.
            if (err == EINVAL || err == ENOSYS) {
                err = ::link(temp.constData(), target.constData()) == 0 ? 0 : errno;
                if (err == 0)
                    ::unlink(temp.constData());
            }
        }
        if (err != 0 && placed) {
            placed = false;
            const QString why = err == EEXIST ? tr("a file of that name appeared during the run")
                                              : QString::fromLocal8Bit(std::strerror(err));
            fail(FileExists,
                 tr("The coordinate file cannot take the name %1 (%2); its lines are in %3")
                     .arg(QFileInfo(file->finalPath).fileName(), why,
                          QDir::toNativeSeparators(file->file.fileName())));
        }
    }
    m_files.clear();
    return placed;
}

bool CoordinateFileWriter::isOpen() const
{
    return !m_files.empty();
}

CoordinateFileWriter::Result CoordinateFileWriter::result() const
{
    return m_result;
}

QString CoordinateFileWriter::errorText() const
{
    return m_errorText;
}

QStringList CoordinateFileWriter::filePaths() const
{
    QStringList paths;
    for (const auto &file : m_files)
        paths.append(file->finalPath);
    return paths;
}

QStringList CoordinateFileWriter::temporaryPaths() const
{
    QStringList paths;
    for (const auto &file : m_files)
        paths.append(file->file.fileName());
    return paths;
}

bool CoordinateFileWriter::writesDates() const
{
    for (const Column &column : m_columns) {
        if (column.id == OutputLabelModel::Date)
            return true;
    }
    return false;
}

QString CoordinateFileWriter::headerLine() const
{
    QStringList labels;
    for (const Column &column : m_columns)
        labels.append(column.label);
    return labels.join(m_separator);
}

QString CoordinateFileWriter::dataLine(const Values &values) const
{
    QStringList fields;
    for (const Column &column : m_columns)
        fields.append(valueText(column.id, values));
    return fields.join(m_separator);
}

bool CoordinateFileWriter::fail(Result result, const QString &text)
{
    m_result = result;
    m_errorText = text;
    return false;
}

QString CoordinateFileWriter::valueText(int id, const Values &values) const
{
    const int planar = m_wgs84 ? DegreeDecimals : MetreDecimals;
    switch (id) {
    case OutputLabelModel::Name:
        return values.name;
    case OutputLabelModel::Date:
        return values.date;
    case OutputLabelModel::North:
        return fixed(values.north, planar);
    case OutputLabelModel::East:
        return fixed(values.east, planar);
    case OutputLabelModel::Height:
        return fixed(values.height, MetreDecimals);
    case OutputLabelModel::SdN:
        return accuracy(values.sdN);
    case OutputLabelModel::SdE:
        return accuracy(values.sdE);
    case OutputLabelModel::SdH:
        return accuracy(values.sdH);
    default:
        return QString();
    }
}
