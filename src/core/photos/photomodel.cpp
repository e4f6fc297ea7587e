#include "photos/photomodel.h"

#include "app/logcategories.h"
#include "blocks/quarantineflags.h"
#include "photos/exivsetup.h"
#include "photos/fileworker.h"
#include "photos/filterphotoworker.h"
#include "photos/nativephotopath.h"
#include "photos/photofile.h"
#include "photos/photometatypes.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QVector>

#include <exiv2/exiv2.hpp>

#include <algorithm>

namespace {

template <typename T> QList<T> slice(const QList<T> &list, int from, int to)
{
    from = std::max(from, 0);
    to = std::min(to, list.size() - 1);
    if (from > to)
        return {};
    return list.mid(from, to - from + 1);
}

} // namespace

PhotoModel::PhotoModel(QObject *parent)
    : QAbstractListModel(parent), m_reader(new FileWorker), m_filter(new FilterPhotoWorker)
{
    ExivSetup::initialize();
    PhotoMetaTypes::registerAll();
    m_readerThread.setObjectName(QStringLiteral("PhotoReader"));
    m_filterThread.setObjectName(QStringLiteral("PhotoFilter"));

    m_reader->moveToThread(&m_readerThread);
    connect(&m_readerThread, &QThread::started, m_reader, &FileWorker::addWork);
    connect(m_reader, &FileWorker::addFinished, this, &PhotoModel::addFinished);
    connect(m_reader, &FileWorker::addFinishedFail, this, [this](const QStringList &noFiles) {
        m_noTag = noFiles;
        addFinishedFail();
    });
    connect(m_reader, &FileWorker::addRefused, this, &PhotoModel::addRefused);
    connect(m_reader, &FileWorker::addProcess, this, &PhotoModel::addProcess);

    m_filter->moveToThread(&m_filterThread);
    connect(&m_filterThread, &QThread::started, m_filter, &FilterPhotoWorker::doWork);
    connect(m_filter, &FilterPhotoWorker::workFinished, this, &PhotoModel::filterFinished);
    connect(m_filter, &FilterPhotoWorker::workFinishedFail, this, &PhotoModel::filterFinishedFail);
    connect(m_filter, &FilterPhotoWorker::workProcess, this, &PhotoModel::filterProcess);
}

PhotoModel::~PhotoModel()
{
    m_readerThread.requestInterruption();
    m_filterThread.requestInterruption();
    stopThread(m_readerThread);
    stopThread(m_filterThread);
    // Both threads have ended: the workers may go from here.
    delete m_reader;
    delete m_filter;
}

void PhotoModel::stopThread(QThread &thread)
{
    thread.quit();
    thread.wait();
}

int PhotoModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_entries.size();
}

QVariant PhotoModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_entries.size())
        return QVariant();
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        // A dropped photo's entry is a file URL; the operator reads paths.
        return nativePhotoPath(m_entries.at(row));
    case Qt::BackgroundRole:
        if (row % 2 == 1)
            return QBrush(QColor(QStringLiteral("#d7d7d7")));
        return QVariant();
    case Qt::FontRole:
        if (m_quarantine.value(row, false)) {
            QFont font;
            font.setStrikeOut(true);
            return font;
        }
        return QVariant();
    case QuarantineRole:
        return m_quarantine.value(row, false);
    case GimbalPitchRole:
        try {
            const Exiv2::Image::AutoPtr image = PhotoFile::openMetadata(m_entries.at(row));
            const auto gimbal = PhotoFile::xmpNumber(
                image->xmpData(), Exiv2::XmpKey("Xmp.drone-dji.GimbalPitchDegree"));
            if (gimbal)
                return *gimbal;
        } catch (const Exiv2::AnyError &e) {
            qCDebug(lcCritical).noquote() << QStringLiteral("xmp not readed: %1 : %2")
                                                 .arg(e.code())
                                                 .arg(QString::fromLocal8Bit(e.what()));
        } catch (const std::exception &e) {
            // Views ask for this while painting; a damaged file must not end the program.
            qCDebug(lcCritical).noquote()
                << QStringLiteral("xmp not readed: -1 : %1").arg(QString::fromLocal8Bit(e.what()));
        }
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant PhotoModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    Q_UNUSED(section)
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return tr("Photos paths");
    return QVariant();
}

Qt::ItemFlags PhotoModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

bool PhotoModel::addPhotos(const QStringList &entries)
{
    // Handing the reader a new list while it walks the old one would race on it.
    if (isAdding())
        return false;
    m_refused.clear();
    m_refusalReasons.clear();
    m_noTag.clear();
    m_reader->setFileList(entries);
    m_readerThread.start();
    return true;
}

bool PhotoModel::isAdding() const
{
    return m_readerThread.isRunning();
}

void PhotoModel::addRefused(const QStringList &entries, const QStringList &reasons)
{
    m_refused += entries;
    m_refusalReasons += reasons;
}

void PhotoModel::reportRefused()
{
    if (!m_refused.isEmpty())
        emit photosRefused(m_refused, m_refusalReasons);
}

void PhotoModel::addFinished(const QStringList &newList, const QStringList &noFiles,
                             const QList<Adj> &adjCache, const QList<QDateTime> &dCache,
                             const QList<CaptureTime> &captureCache)
{
    stopThread(m_readerThread);
    m_noTag = noFiles;
    // The reader builds the lists together; a mismatch would shift every later photo onto
    // the wrong attitude, so such a batch is not taken.
    if (newList.size() != adjCache.size() || newList.size() != dCache.size() ||
        newList.size() != captureCache.size()) {
        qCDebug(lcCritical).noquote()
            << QStringLiteral("Photo batch refused: %1 entries, %2 attitudes, %3 dates")
                   .arg(newList.size())
                   .arg(adjCache.size())
                   .arg(dCache.size());
        emit photosAdded();
        emit addNoPhotos();
        return;
    }
    // The same photo twice would be geotagged at two positions while the photo that belongs
    // at one of them is missing: it is listed once, whatever form its entries take.
    QHash<QString, QString> known; // real path -> the entry that holds it
    for (const QString &entry : qAsConst(m_entries))
        known.insert(PhotoFile::realPath(entry), entry);
    QStringList entries;
    QList<Adj> adjs;
    QList<QDateTime> dates;
    QList<CaptureTime> captures;
    for (int i = 0; i < newList.size(); ++i) {
        const QString real = PhotoFile::realPath(newList.at(i));
        const auto it = known.constFind(real);
        if (it != known.constEnd()) {
            const QString reason = tr("is the same photo as %1, already in the list").arg(*it);
            qCDebug(lcWarning).noquote()
                << QStringLiteral("Photo %1 %2").arg(newList.at(i), reason);
            m_refused << newList.at(i);
            m_refusalReasons << reason;
            continue;
        }
        known.insert(real, newList.at(i));
        entries << newList.at(i);
        adjs << adjCache.at(i);
        dates << dCache.at(i);
        captures << captureCache.at(i);
    }
    if (!entries.isEmpty()) {
        const int first = m_entries.size();
        beginInsertRows(QModelIndex(), first, first + entries.size() - 1);
        m_entries += entries;
        m_adjs += adjs;
        m_dates += dates;
        m_captures += captures;
        for (int i = 0; i < entries.size(); ++i)
            m_quarantine << false;
        recordSizes(first);
        endInsertRows();
    }
    reportRefused();
    if (!noFiles.isEmpty())
        emit filesNoAdded(noFiles);
    emit photosAdded();
    if (entries.isEmpty())
        emit addNoPhotos();
}

void PhotoModel::addFinishedFail()
{
    qCDebug(lcWarning).noquote() << QStringLiteral("addFinishedFail");
    stopThread(m_readerThread);
    reportRefused();
    emit photosAdded();
    emit addNoPhotos();
}

bool PhotoModel::appendPhotos(const QStringList &entries, const QList<Adj> &adjs,
                              const QList<QDateTime> &dates, const QList<CaptureTime> &captures)
{
    if (entries.size() != adjs.size() || entries.size() != dates.size() ||
        (!captures.isEmpty() && captures.size() != entries.size()))
        return false;
    if (entries.isEmpty())
        return true;
    const int first = m_entries.size();
    beginInsertRows(QModelIndex(), first, first + entries.size() - 1);
    m_entries += entries;
    m_adjs += adjs;
    m_dates += dates;
    m_captures += captures.isEmpty() ? QVector<CaptureTime>(entries.size()).toList() : captures;
    for (int i = 0; i < entries.size(); ++i)
        m_quarantine << false;
    recordSizes(first);
    endInsertRows();
    return true;
}

QList<PhotoModel::Row> PhotoModel::takeRows(const QList<int> &rows)
{
    const QList<int> sorted = QuarantineFlags::validRows(rows, m_entries.size());
    QList<Row> taken;
    for (int row : qAsConst(sorted))
        taken << Row{row,
                     m_entries.at(row),
                     m_adjs.at(row),
                     m_dates.at(row),
                     m_captures.at(row),
                     m_sizes.at(row)};
    removePhotos(sorted);
    return taken;
}

void PhotoModel::restoreRows(const QList<Row> &rows)
{
    // Ascending, each lands where it was: the rows before it are back already.
    for (const Row &row : rows) {
        const int at = qBound(0, row.index, m_entries.size());
        beginInsertRows(QModelIndex(), at, at);
        m_entries.insert(at, row.entry);
        m_adjs.insert(at, row.adj);
        m_dates.insert(at, row.date);
        m_captures.insert(at, row.capture);
        m_quarantine.insert(at, false);
        m_sizes.insert(at, row.size);
        m_volume += row.size;
        endInsertRows();
    }
}

void PhotoModel::removePhoto(int pos)
{
    if (pos < 0 || pos >= m_entries.size())
        return;
    beginRemoveRows(QModelIndex(), pos, pos);
    m_entries.removeAt(pos);
    m_adjs.removeAt(pos);
    m_dates.removeAt(pos);
    m_captures.removeAt(pos);
    m_quarantine.removeAt(pos);
    m_volume -= m_sizes.takeAt(pos);
    endRemoveRows();
}

void PhotoModel::removePhotos(const QList<int> &rows)
{
    const QList<int> sorted = QuarantineFlags::validRows(rows, m_entries.size());
    if (sorted.isEmpty())
        return;
    for (int k = 0; k < sorted.size(); ++k) {
        const int at = sorted.at(k) - k;
        beginRemoveRows(QModelIndex(), at, at);
        m_entries.removeAt(at);
        m_adjs.removeAt(at);
        m_dates.removeAt(at);
        m_captures.removeAt(at);
        m_quarantine.removeAt(at);
        m_volume -= m_sizes.takeAt(at);
        endRemoveRows();
    }
}

QStringList PhotoModel::removeMissing()
{
    QStringList missing;
    QList<int> rows;
    for (int i = 0; i < m_entries.size(); ++i) {
        if (!PhotoFile::exists(m_entries.at(i))) {
            missing << m_entries.at(i);
            rows << i;
        }
    }
    removePhotos(rows);
    return missing;
}

void PhotoModel::clearPhotos()
{
    beginResetModel();
    m_entries.clear();
    m_adjs.clear();
    m_dates.clear();
    m_captures.clear();
    m_quarantine.clear();
    m_sizes.clear();
    m_volume = 0;
    endResetModel();
}

bool PhotoModel::removeFrom(int row)
{
    QList<int> rows;
    for (int i = std::max(row, 0); i < m_entries.size(); ++i)
        rows << i;
    removePhotos(rows);
    return true;
}

void PhotoModel::setQuarantine(const QList<int> &rows)
{
    setFlags(rows, true);
}

void PhotoModel::unsetQuarantine(const QList<int> &rows)
{
    setFlags(rows, false);
}

void PhotoModel::clearQuarantine()
{
    setFlags(QuarantineFlags::flagged(m_quarantine), false);
}

void PhotoModel::setFlags(const QList<int> &rows, bool flag)
{
    // Only the flag and its strike-out change: the table keeps its selection, as the timemark
    // table beside it does.
    const auto [first, last] = QuarantineFlags::set(m_quarantine, rows, flag);
    if (last >= 0)
        emit dataChanged(index(first, 0), index(last, 0), {QuarantineRole, Qt::FontRole});
}

bool PhotoModel::isQuarantined(int row) const
{
    if (row == -1)
        return m_quarantine.contains(true);
    return m_quarantine.value(row, false);
}

QStringList PhotoModel::entries(int from, int to) const
{
    return slice(m_entries, from, to);
}

QString PhotoModel::entry(int row) const
{
    return m_entries.value(row);
}

Adj PhotoModel::adj(int row) const
{
    return m_adjs.value(row);
}

QList<Adj> PhotoModel::adjs(int from, int to) const
{
    return slice(m_adjs, from, to);
}

QDateTime PhotoModel::date(int row) const
{
    return m_dates.value(row);
}

QList<QDateTime> PhotoModel::dates(int from, int to) const
{
    return slice(m_dates, from, to);
}

QList<CaptureTime> PhotoModel::captureTimes(int from, int to) const
{
    return slice(m_captures, from, to);
}

void PhotoModel::startFilter(FilterTypes type, int valSS)
{
    stopFilter();
    m_filter->setData(m_entries);
    m_filter->setValSS(valSS);
    m_filter->setQuarantine(m_quarantine);
    m_filter->setFilterType(type);
    m_filterThread.start();
}

void PhotoModel::stopFilter()
{
    if (!m_filterThread.isRunning())
        return;
    m_filterThread.requestInterruption();
    stopThread(m_filterThread);
}

bool PhotoModel::isFilterRunning() const
{
    return m_filterThread.isRunning();
}

void PhotoModel::filterFinished(const QList<int> &rows)
{
    // The worker ends its thread itself; waiting here could hold the interface for a
    // pass started after this result was sent.
    m_filterThread.quit();
    emit filterResult(rows);
}

void PhotoModel::filterFinishedFail()
{
    m_filterThread.quit();
}

void PhotoModel::recordSizes(int first)
{
    // Kept from the moment of adding, so a run can tell a photo that changed since.
    for (int i = first; i < m_entries.size(); ++i) {
        m_sizes << PhotoFile::size(m_entries.at(i));
        m_volume += m_sizes.last();
    }
}
