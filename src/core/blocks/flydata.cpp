#include "blocks/flydata.h"

#include "blocks/customtablemodel.h"
#include "blocks/pairingcheck.h"
#include "blocks/timesplit.h"
#include "photos/filtertype.h"
#include "photos/photomodel.h"
#include "processing/previewtablemodel.h"
#include "settings/settingskeys.h"
#include "timemarks/lineconversionreport.h"
#include "timemarks/openttimemarktablemodel.h"

#include <QFileInfo>

#include <algorithm>

namespace {

bool sameRows(const QList<Line> &a, const QList<Line> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Line &l, const Line &r) {
        return l.date == r.date && l.dateTail == r.dateTail && l.x == r.x && l.y == r.y &&
               l.lon == r.lon && l.lat == r.lat && l.z == r.z && l.sx == r.sx && l.sy == r.sy &&
               l.sz == r.sz && l.zone == r.zone;
    });
}

} // namespace

FlyData::FlyData(int number, GeoCalc *geoCalc, QObject *parent)
    : QObject(parent), m_number(number), m_geoCalc(geoCalc), m_photos(new PhotoModel(this)),
      m_timemarks(new CustomTableModel(this)),
      m_preview(new PreviewTableModel(this, m_timemarks, m_photos))
{
    m_timemarks->setGeoCalc(geoCalc);
    m_preview->setGeoCalc(geoCalc);
    // Any change of either list drops every quarantine mark: the pairs are no longer the
    // ones the operator judged.
    auto dropQuarantine = [this] {
        m_timemarks->clearQuarantine();
        m_photos->clearQuarantine();
        m_preview->resetData();
    };
    connect(this, &FlyData::changedPhotos, this, dropQuarantine);
    connect(this, &FlyData::changedMeta, this, dropQuarantine);
    connect(m_timemarks, &CustomTableModel::dataChanged, m_preview, &PreviewTableModel::resetData);
    // Also a batch handed to the model directly: labels and marks must follow any new photo.
    connect(m_photos, &PhotoModel::photosAdded, this, [this] { changed(true, true); });
    connect(m_timemarks, &CustomTableModel::distanceFilterFinished, this,
            &FlyData::distancePassEnded);
    connect(m_photos, &PhotoModel::filterResult, this, &FlyData::photoPassEnded);
    auto bump = [this] { ++m_revision; };
    for (QAbstractItemModel *model : {static_cast<QAbstractItemModel *>(m_photos),
                                      static_cast<QAbstractItemModel *>(m_timemarks)}) {
        connect(model, &QAbstractItemModel::rowsInserted, this, bump);
        connect(model, &QAbstractItemModel::rowsRemoved, this, bump);
        connect(model, &QAbstractItemModel::rowsMoved, this, bump);
        connect(model, &QAbstractItemModel::modelReset, this, bump);
        connect(model, &QAbstractItemModel::dataChanged, this, bump);
        connect(model, &QAbstractItemModel::layoutChanged, this, bump);
    }
    updateLabels();
}

FlyData::~FlyData() = default;

void FlyData::setColumns(const BlockColumns &columns)
{
    m_columns = columns;
    m_timemarks->setNoDateColumn(columns.date == 0);
}

QString FlyData::sizeText(qint64 bytes)
{
    const double k = double(bytes) / 1024.0;
    const double mega = 1024.0;
    if (k / (mega * mega * mega) >= 0.9)
        return QString::number(k / (mega * mega * mega), 'f', 2) + tr(" Tb");
    if (k / (mega * mega) >= 0.9)
        return QString::number(k / (mega * mega), 'f', 2) + tr(" Gb");
    if (k / mega >= 0.9)
        return QString::number(k / mega, 'f', 2) + tr(" Mb");
    if (k >= 0.9)
        return QString::number(k, 'f', 2) + tr(" Kb");
    return QString::number(bytes) + tr(" Byte");
}

bool FlyData::updateLabels()
{
    const int p = m_photos->rowCount();
    const int t = m_timemarks->rowCount();
    const QString fileName = QFileInfo(m_timemarkFile).fileName();
    m_photosLabel = tr("Added %n photos, %1", nullptr, p).arg(sizeText(m_photos->totalVolume()));
    m_metaLabel = tr("Added timemark file with %n rows. %1", nullptr, t).arg(fileName);
    const QString noFile = m_timemarkFile.isEmpty()
                               ? tr("Timemark file wasn't selected")
                               : tr("Timemark file wasn't recognized. %1").arg(fileName);
    m_countsMatch = false;
    if (p > 0 && t > 0 && p == t) {
        m_statusLabel = tr("Amount of the photos and timemarks are the same");
        m_countsMatch = true;
    } else if (p > 0 && t > 0) {
        m_statusLabel = tr("Amount of photos and timemarks does not match");
    } else if (p > 0) {
        m_statusLabel = tr("Choose timemark file");
        m_metaLabel = noFile;
    } else if (t == 0) {
        m_statusLabel = tr("Choose photos and timemark file");
        m_photosLabel = tr("No photos selected");
        m_metaLabel = noFile;
    } else {
        m_statusLabel = tr("Choose photos please");
        m_photosLabel = tr("No photos selected");
    }
    return m_countsMatch;
}

void FlyData::changed(bool photos, bool meta)
{
    updateLabels();
    m_preview->resetData();
    if (photos)
        emit changedPhotos();
    if (meta)
        emit changedMeta();
}

bool FlyData::addPhotos(const QStringList &entries)
{
    return m_photos->addPhotos(entries);
}

void FlyData::addTimemarks(const QList<Line> &rows, bool replace)
{
    // Rows of no kept import: a reload could no longer give back every row.
    dropImports();
    if (replace)
        m_timemarks->clearRows();
    m_timemarks->appendRows(rows);
    changed(false, true);
}

FlyData::OnAdd FlyData::onAddChoice() const
{
    if (m_timemarks->rowCount() == 0)
        return OnAdd::Append;
    switch (Keys::MetaOnAdd.read(m_settings)) {
    case 1:
        return OnAdd::Append;
    case 2:
        return OnAdd::Replace;
    default:
        return OnAdd::Ask;
    }
}

bool FlyData::importTimemarks(const OpentTimeMarkTableModel &table, bool replace,
                              const QString &fileName, const QString &delimiter,
                              LineConversionReport *report)
{
    LineConversionReport local;
    LineConversionReport *out = report ? report : &local;
    const QList<Line> rows = table.toLines(out);
    if (out->hasProblems())
        return false;
    if (replace) {
        m_timemarks->clearRows();
        dropImports();
    }
    m_timemarks->appendRows(rows);
    auto *kept = new OpentTimeMarkTableModel(m_geoCalc, this);
    kept->copyFrom(table);
    m_imports.append({kept, fileName});
    m_importedRows += rows;
    m_timemarkFile = fileName;
    m_delimiter = delimiter;
    setColumns(BlockColumns{table.colDate(), table.colAccN(), table.colAccE(), table.colAccZ()});
    changed(false, true);
    return true;
}

FlyData::Reload FlyData::reloadTimemarks(LineConversionReport *report, QString *fileName)
{
    if (m_imports.isEmpty())
        return Reload::NoImport;
    if (!sameRows(m_timemarks->rows(), m_importedRows))
        return Reload::Edited;
    LineConversionReport local;
    LineConversionReport *out = report ? report : &local;
    QList<Line> rows;
    for (const KeptImport &import : qAsConst(m_imports)) {
        rows += import.table->toLines(out);
        if (out->hasProblems()) {
            if (fileName)
                *fileName = import.fileName;
            return Reload::Refused;
        }
    }
    m_timemarks->clearRows();
    m_timemarks->appendRows(rows);
    m_importedRows = rows;
    const OpentTimeMarkTableModel *last = m_imports.last().table;
    setColumns(BlockColumns{last->colDate(), last->colAccN(), last->colAccE(), last->colAccZ()});
    changed(false, true);
    return Reload::Done;
}

void FlyData::refreshTimemarks()
{
    changed(false, true);
}

void FlyData::dropImports()
{
    for (const KeptImport &import : qAsConst(m_imports))
        delete import.table;
    m_imports.clear();
    m_importedRows.clear();
}

bool FlyData::fillFromSplit(const QList<Line> &rows, const QStringList &photos,
                            const QList<Adj> &adjs, const QList<QDateTime> &dates,
                            const BlockColumns &columns, const QString &delimiter,
                            const QList<CaptureTime> &captures)
{
    // Rows without their photos would pair every later photo with the wrong row.
    if (photos.size() != adjs.size() || photos.size() != dates.size() ||
        (!captures.isEmpty() && captures.size() != photos.size()))
        return false;
    m_photos->appendPhotos(photos, adjs, dates, captures);
    dropImports();
    m_timemarks->appendRows(rows);
    setColumns(columns);
    m_delimiter = delimiter;
    changed(true, true);
    return true;
}

void FlyData::removePhotos(const QList<int> &rows)
{
    m_photos->removePhotos(rows);
    changed(true, false);
}

void FlyData::removeTimemarks(const QList<int> &rows)
{
    m_timemarks->removeRows(rows);
    changed(false, true);
}

QStringList FlyData::removeMissing()
{
    const QStringList missing = m_photos->removeMissing();
    // The photos behind the gap moved up, so the pairs and their marks changed.
    if (!missing.isEmpty())
        changed(true, false);
    return missing;
}

bool FlyData::removePairs(const QList<int> &rows)
{
    if (!pairEditingAllowed())
        return false;
    const int inEither = qMax(m_photos->rowCount(), m_timemarks->rowCount());
    const bool any =
        std::any_of(rows.begin(), rows.end(), [inEither](int r) { return r >= 0 && r < inEither; });
    if (!any)
        return false;
    m_photos->removePhotos(rows);
    m_timemarks->removeRows(rows);
    changed(true, true);
    return true;
}

void FlyData::clearPhotos()
{
    m_photos->clearPhotos();
    changed(true, false);
}

void FlyData::clearTimemarks()
{
    m_timemarks->clearRows();
    dropImports();
    // Cleared by the operator, the file is not one that "wasn't recognized".
    m_timemarkFile.clear();
    changed(false, true);
}

bool FlyData::countsEqualOrNotify()
{
    if (m_photos->rowCount() == m_timemarks->rowCount())
        return true;
    emit notification(tr("Count photos and timemarks must be equal"));
    return false;
}

bool FlyData::addQuarantine(const QList<int> &rows)
{
    if (!countsEqualOrNotify())
        return false;
    m_timemarks->setQuarantine(rows);
    m_photos->setQuarantine(m_timemarks->quarantinedRows());
    m_preview->resetData();
    return true;
}

bool FlyData::removeQuarantine(const QList<int> &rows)
{
    if (!countsEqualOrNotify())
        return false;
    m_timemarks->unsetQuarantine(rows);
    m_photos->unsetQuarantine(rows);
    m_preview->resetData();
    return true;
}

bool FlyData::clearQuarantine()
{
    if (!countsEqualOrNotify())
        return false;
    m_timemarks->clearQuarantine();
    m_photos->clearQuarantine();
    m_preview->resetData();
    return true;
}

QList<int> FlyData::quarantinedRows() const
{
    return m_timemarks->quarantinedRows();
}

void FlyData::setFilterEnabled(Filter filter, bool on)
{
    m_filters[filter] = on;
}

bool FlyData::isFilterEnabled(Filter filter) const
{
    return m_filters[filter];
}

bool FlyData::runFilters()
{
    FilterTypes types;
    if (m_filters[ByGimbalPitch])
        types |= GimbalPitchDegree;
    if (m_filters[ByExposureTime])
        types |= ExposureTime;
    if (!m_filters[ByDistance] && !types)
        return false;
    m_filterRun = true;
    if (m_filters[ByDistance]) {
        // A distance pass still running cannot be restarted; its report is awaited instead.
        m_timemarks->startDistanceFilter(Keys::FiltersValue.read(m_settings));
        m_distancePending = true;
    }
    if (types) {
        // A photo pass still running is interrupted and never reports; the new one does.
        m_photos->startFilter(types, Keys::FiltersValue2.read(m_settings));
        m_photoPending = true;
    }
    return true;
}

bool FlyData::isFiltering() const
{
    return m_distancePending || m_photoPending;
}

void FlyData::distancePassEnded(const QList<int> &rows)
{
    m_distancePending = false;
    if (!rows.isEmpty())
        emit filterRowsFound(rows);
    finishFilterRun();
}

void FlyData::photoPassEnded(const QList<int> &rows)
{
    m_photoPending = false;
    if (!rows.isEmpty())
        emit filterRowsFound(rows);
    finishFilterRun();
}

void FlyData::finishFilterRun()
{
    // A pass of an earlier run may report after the run it belonged to was finished; its
    // rows still count, but it must not end a later run early.
    if (m_filterRun && !m_distancePending && !m_photoPending) {
        m_filterRun = false;
        emit filtersFinished();
    }
}

int FlyData::split()
{
    const int count = m_photos->rowCount();
    if (count != m_timemarks->rowCount()) {
        emit notification(tr("Count photos and timemarks must be equal"));
        return 0;
    }
    const QList<int> cuts =
        TimeSplit::cuts(m_photos->dates(0, count - 1),
                        quint16(qBound(0, Keys::SecondsToSlice.read(m_settings), 65535)));
    if (cuts.isEmpty()) {
        emit notification(tr("No data to split on blocks"));
        return 0;
    }
    emit notification(tr("Block sliced to %n blocks", nullptr, cuts.size()));
    for (const auto &piece : TimeSplit::pieces(cuts, count)) {
        emit slicedBlock(
            m_timemarks->rows(piece.first, piece.second),
            m_photos->entries(piece.first, piece.second), m_photos->adjs(piece.first, piece.second),
            m_photos->dates(piece.first, piece.second), m_columns.date, m_columns.sdN,
            m_columns.sdE, m_columns.sdH, m_photos->captureTimes(piece.first, piece.second));
    }
    m_timemarks->removeRowsEnd(cuts.first());
    m_photos->removeFrom(cuts.first());
    changed(true, true);
    return cuts.size();
}

BlockSnapshot FlyData::snapshot() const
{
    BlockSnapshot s;
    s.entries = m_photos->entries();
    s.quarantined = m_photos->quarantineFlags();
    s.sizes = m_photos->fileSizes();
    s.rows = m_timemarks->rows();
    s.hasDateColumn = !m_timemarks->noDateColumn();
    s.delimiter = m_delimiter;
    return s;
}

PairingResult FlyData::checkPairing()
{
    m_pairing = PairingCheck::check(m_photos->captureTimes(), m_timemarks->rows());
    m_pairingRevision = m_revision;
    m_pairingKept = true;
    emit pairingChanged();
    return m_pairing;
}

bool FlyData::hasPairingTimes() const
{
    if (m_timemarks->noDateColumn() || m_timemarks->rowCount() == 0)
        return false;
    const QList<CaptureTime> captures = m_photos->captureTimes();
    if (std::none_of(captures.cbegin(), captures.cend(),
                     [](const CaptureTime &c) { return c.isValid(); }))
        return false;
    const QList<Line> rows = m_timemarks->rows();
    return std::any_of(rows.cbegin(), rows.cend(), &PairingCheck::hasDate);
}

const PairingResult &FlyData::currentPairing()
{
    if (!isPairingCurrent())
        checkPairing();
    return m_pairing;
}

bool FlyData::isPairingCurrent() const
{
    return m_pairingKept && m_pairingRevision == m_revision;
}

bool FlyData::removeUnmatched()
{
    if (!isPairingCurrent() || !m_pairing.isClear() ||
        (m_pairing.photosWithoutRow.isEmpty() && m_pairing.rowsWithoutPhoto.isEmpty()))
        return false;
    m_takenPairing = m_pairing;
    m_takenPhotos = m_photos->takeRows(m_pairing.unmatchedPhotoIndexes());
    m_takenRows = m_timemarks->takeRows(m_pairing.unmatchedRowIndexes());
    changed(true, true);
    // Whatever the change itself set off (the quarantine marks dropped) has run by now.
    m_takenRevision = m_revision;
    m_canRestore = true;
    emit pairingChanged();
    return true;
}

bool FlyData::canRestoreUnmatched() const
{
    return m_canRestore && m_takenRevision == m_revision;
}

bool FlyData::restoreUnmatched()
{
    if (!canRestoreUnmatched())
        return false;
    m_photos->restoreRows(m_takenPhotos);
    m_timemarks->restoreRows(m_takenRows);
    m_takenPhotos.clear();
    m_takenRows.clear();
    m_canRestore = false;
    changed(true, true);
    // The lists are again those the check that named the items saw, so its removal may be
    // asked for again; a check made meanwhile saw the lists without them.
    m_pairing = m_takenPairing;
    m_pairingKept = true;
    m_pairingRevision = m_revision;
    emit pairingChanged();
    return true;
}
