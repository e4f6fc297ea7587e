#include "processing/fileswork.h"

#include "app/logcategories.h"
#include "blocks/flydata.h"
#include "photos/photofile.h"
#include "processing/coordinatefilewriter.h"
#include "processing/outputlabelmodel.h"
#include "processing/processingrun.h"
#include "settings/settingskeys.h"

#include <QDir>
#include <QHash>
#include <QThread>

FilesWork::FilesWork(GeoCalc *geoCalc, QObject *parent) : QObject(parent), m_geoCalc(geoCalc)
{
    qRegisterMetaType<ProcessingReport>("ProcessingReport");
}

void FilesWork::stop()
{
    m_stop = true;
}

QString FilesWork::outputDirectory() const
{
    std::lock_guard lock(m_runDirMutex);
    return m_runDir;
}

bool FilesWork::isValidPrefix(const QString &prefix)
{
    if (prefix.isEmpty() || prefix == QLatin1String(".") || prefix == QLatin1String(".."))
        return false;
    // Room for "_<block>_<counter>.JPG" within the 255 bytes a file name may have.
    if (prefix.toUtf8().size() > MaxPrefixBytes)
        return false;
    for (const QChar ch : prefix) {
        // Path characters would put copies elsewhere; the others are refused by the file
        // systems of Windows and of memory cards; control characters would break the
        // coordinate file's lines.
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7f ||
            QStringLiteral("/\\:*?\"<>|").contains(ch))
            return false;
    }
    return true;
}

QString FilesWork::prefixProblem(const QString &prefix, const QString &separator)
{
    // A prefix with a path in it would put copies outside the output folder.
    if (!isValidPrefix(prefix))
        return tr("The photo prefix \"%1\" cannot be used in a file name").arg(prefix);
    // A name holding the separator would shift every later column of its line.
    if (!separator.isEmpty() && prefix.contains(separator))
        return tr("The photo prefix \"%1\" holds the separator \"%2\" of the coordinate file")
            .arg(prefix, separator);
    return QString();
}

QString FilesWork::photoName(const QString &prefix, int blockNumber, int counter)
{
    return QStringLiteral("%1_%2_%3.JPG")
        .arg(prefix)
        .arg(blockNumber)
        .arg(counter, 5, 10, QLatin1Char('0'));
}

void FilesWork::setOutputDir(const QString &path)
{
    m_path = path;
}

void FilesWork::setFlys(const QList<FlyData *> &flys)
{
    QList<BlockSnapshot> blocks;
    for (const FlyData *fly : flys)
        blocks << fly->snapshot();
    setBlocks(blocks);
}

void FilesWork::setBlocks(const QList<BlockSnapshot> &blocks)
{
    // New input is a new run: a request that came too late for the last one does not count.
    m_stop = false;
    m_blocks = blocks;
}

void FilesWork::setParallelCopies(int count)
{
    m_parallelCopies = qMax(1, count);
}

int FilesWork::defaultParallelCopies()
{
    return qBound(2, QThread::idealThreadCount(), 4);
}

void FilesWork::setCsvSeparator(const QString &separator)
{
    m_sep = separator;
}
void FilesWork::setAutoDir(bool autoDir)
{
    m_auto = autoDir;
}
void FilesWork::setWorkType(WorkType type)
{
    m_workType = type;
}
void FilesWork::setGeoCalc(GeoCalc *geoCalc)
{
    m_geoCalc = geoCalc;
}

bool FilesWork::fail(int code, const QString &message)
{
    qCDebug(lcCritical).noquote() << message;
    emit curProcessFile(message);
    emit workFinished(code);
    return false;
}

void FilesWork::doWork()
{
    // A request counts for the run it was made for, also one made before the run began (an
    // interrupt can reach the command-line program before this thread starts); the run's end,
    // however it ends, uses it up.
    struct StopReset
    {
        std::atomic<bool> &flag;
        ~StopReset() { flag = false; }
    } stopReset{m_stop};
    if (m_stop) {
        qCDebug(lcWarning) << "The processing run was stopped before it began";
        emit stopped();
        return;
    }
    m_settings.sync();
    ProcessingRun::Setup setup;
    setup.outputDir = m_path;
    setup.autoDir = m_auto;
    setup.workType = m_workType;
    setup.parallelCopies = m_parallelCopies;
    setup.geoCalc = m_geoCalc;
    ProcessingRun run(*this, m_blocks, setup, m_stop, m_settings);
    run.exec();
}

void FilesWork::setRunDirectory(const QString &dir)
{
    std::lock_guard lock(m_runDirMutex);
    m_runDir = dir;
}

FilesWork::InputCheck FilesWork::checkInput(const QList<BlockSnapshot> &blocks,
                                            const QSettings &settings, bool lines)
{
    InputCheck check;
    check.separator = CoordinateFileWriter::outputSeparator(
        settings, blocks.isEmpty() ? QString() : blocks.first().delimiter,
        blocks.isEmpty() ? QString() : blocks.last().delimiter);
    const QString prefix =
        prefixProblem(Keys::PhotoPrefix.read(settings), lines ? check.separator : QString());
    if (!prefix.isEmpty()) {
        check.code = InvalidPrefix;
        check.lines << prefix;
        return check;
    }
    check.lines = duplicatePhotos(blocks);
    if (!check.lines.isEmpty()) {
        check.code = DuplicatePhotos;
        return check;
    }
    const QString dates = lines ? dateProblem(blocks, check.separator) : QString();
    if (!dates.isEmpty()) {
        check.code = DateHoldsSeparator;
        check.lines << dates;
    }
    return check;
}

QStringList FilesWork::duplicatePhotos(const QList<BlockSnapshot> &blocks)
{
    struct Place
    {
        int block;
        int photo;
    };
    QHash<QString, Place> seen;
    QStringList problems;
    for (int b = 0; b < blocks.size(); ++b) {
        const QStringList &entries = blocks.at(b).entries;
        for (int i = 0; i < entries.size(); ++i) {
            const QString real = PhotoFile::realPath(entries.at(i));
            const auto it = seen.constFind(real);
            if (it == seen.constEnd()) {
                seen.insert(real, Place{b, i});
                continue;
            }
            problems << tr("Photo %1 is given twice: as photo %2 of block %3 and as photo %4 of "
                           "block %5")
                            .arg(QDir::toNativeSeparators(real))
                            .arg(it->photo + 1)
                            .arg(it->block + 1)
                            .arg(i + 1)
                            .arg(b + 1);
        }
    }
    return problems;
}

QString FilesWork::dateProblem(const QList<BlockSnapshot> &blocks, const QString &separator)
{
    bool hasDate = false;
    for (const BlockSnapshot &block : blocks)
        hasDate = hasDate || block.hasDateColumn;
    const OutputLabelModel labels;
    const CoordinateFileWriter writer(labels, 0, hasDate, separator, false, false);
    if (!writer.writesDates())
        return QString();
    for (int b = 0; b < blocks.size(); ++b) {
        const QList<Line> &rows = blocks.at(b).rows;
        for (int r = 0; r < rows.size(); ++r) {
            const QString &date = rows.at(r).date;
            if (!date.contains(separator) && !date.contains(QLatin1Char('\n')) &&
                !date.contains(QLatin1Char('\r')))
                continue;
            const QString shown = QString(date).replace(QLatin1Char('\t'), QLatin1String("\\t"));
            if (date.contains(separator))
                return tr("The date \"%1\" of timemark row %2 of block %3 holds the output "
                          "delimiter \"%4\", which would shift the columns of its line; choose "
                          "another output delimiter")
                    .arg(shown)
                    .arg(r + 1)
                    .arg(b + 1)
                    .arg(separator == QLatin1String("\t") ? tr("tab") : separator);
            return tr("The date \"%1\" of timemark row %2 of block %3 holds a line break, which "
                      "would break its line in two")
                .arg(shown)
                .arg(r + 1)
                .arg(b + 1);
        }
    }
    return QString();
}
