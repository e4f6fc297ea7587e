#include "geo/geocalc.h"

#include "app/logcategories.h"
#include "settings/settingskeys.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QThread>
#include <QtDebug>

#include <proj.h>

#include <array>
#include <atomic>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <shared_mutex>

namespace {

constexpr int ZoneCount = 60;
constexpr double DegToRad = 0.017453292519943295;

// The two places a PROJ database is looked for before PROJ's own search, relative to the
// working directory: beside a build tree and beside the executable.
const char *const RelativeDatabases[] = {"..//proj.db", "proj.db"};

// PROJ writes its complaints ("utm: Invalid latitude") to the terminal unless told otherwise;
// they belong in the log, next to what the program made of them.
extern "C" void logProjMessage(void *, int level, const char *message)
{
    if (level <= PJ_LOG_ERROR)
        qCDebug(lcWarning).noquote() << QStringLiteral("PROJ: %1").arg(QString::fromUtf8(message));
    else
        qCDebug(lcInfo).noquote() << QStringLiteral("PROJ: %1").arg(QString::fromUtf8(message));
}

PJ_CONTEXT *createContext()
{
    PJ_CONTEXT *context = proj_context_create();
    if (context)
        proj_log_func(context, nullptr, logProjMessage);
    return context;
}

/**
 * One PROJ context with the transformations built in it. A context and everything made in it
 * must only ever be used by one thread at a time, so every thread gets a set of its own.
 */
struct ProjSet
{
    PJ_CONTEXT *context = nullptr;
    std::array<PJ *, ZoneCount> north{};
    std::array<PJ *, ZoneCount> south{};
    // The bare zone projections, for the grid convergence: proj_factors needs a projection
    // taking radians, and the derivatives of a CRS-to-CRS pipeline with its axis swap and
    // degree units mean nothing.
    std::array<PJ *, ZoneCount> northProjection{};
    std::array<PJ *, ZoneCount> southProjection{};

    ProjSet() = default;
    ProjSet(const ProjSet &) = delete;
    ProjSet &operator=(const ProjSet &) = delete;
    ~ProjSet()
    {
        for (PJ *pj : north)
            proj_destroy(pj);
        for (PJ *pj : south)
            proj_destroy(pj);
        for (PJ *pj : northProjection)
            proj_destroy(pj);
        for (PJ *pj : southProjection)
            proj_destroy(pj);
        if (context)
            proj_context_destroy(context);
    }

    /// Opens the database at @p path, or through PROJ's default search when it is empty.
    bool open(const QByteArray &path)
    {
        context = createContext();
        if (!context)
            return false;
        return proj_context_set_database_path(context, path.isEmpty() ? nullptr : path.constData(),
                                              nullptr, nullptr);
    }

    enum class BuildResult
    {
        Ok,
        NotCreated,
        NotNormalized
    };

    /// Builds the normalised transformation of zone @p zone (1..60) in one hemisphere.
    BuildResult build(int zone, bool southern)
    {
        PJ *&slot = southern ? south[zone - 1] : north[zone - 1];
        if (slot)
            return BuildResult::Ok;
        const QByteArray target = QByteArray(southern ? "EPSG:327" : "EPSG:326") +
                                  QByteArray::number(zone).rightJustified(2, '0');
        PJ *raw = proj_create_crs_to_crs(context, "EPSG:4326", target.constData(), nullptr);
        if (!raw)
            return BuildResult::NotCreated;
        PJ *normalized = proj_normalize_for_visualization(context, raw);
        proj_destroy(raw);
        if (!normalized)
            return BuildResult::NotNormalized;
        slot = normalized;
        return BuildResult::Ok;
    }

    /// The projection of zone @p zone (1..60) alone, built on first use; null on failure.
    PJ *projection(int zone, bool southern)
    {
        PJ *&slot = southern ? southProjection[zone - 1] : northProjection[zone - 1];
        if (!slot) {
            // The same definition as EPSG:326zz / 327zz, and it needs no database.
            const QByteArray definition = "+proj=utm +zone=" + QByteArray::number(zone) +
                                          (southern ? " +south" : "") + " +ellps=WGS84";
            slot = proj_create(context, definition.constData());
        }
        return slot;
    }
};

bool isFinite(const PJ_COORD &c)
{
    return std::isfinite(c.xy.x) && std::isfinite(c.xy.y);
}

bool isZone(int zone)
{
    return zone != 0 && zone >= -ZoneCount && zone <= ZoneCount;
}

/// A lever arm turned into the local frame, metres.
struct LocalOffset
{
    double north = 0.0;
    double east = 0.0;
    double down = 0.0;
};

/**
 * The body vector (forward, right, down) turned by R = Rz(yaw) * Ry(pitch) * Rx(roll): the
 * attitude a DJI drone records is the ZYX rotation from its body to north-east-down, with yaw
 * clockwise from true north, pitch nose up and roll right wing down. Real flights agree: the
 * direction of travel follows the yaw read clockwise.
 */
LocalOffset aircraftOffset(double forward, double right, double down, double pitch, double yaw,
                           double roll)
{
    const double sr = std::sin(roll * DegToRad), cr = std::cos(roll * DegToRad);
    const double sp = std::sin(pitch * DegToRad), cp = std::cos(pitch * DegToRad);
    const double sy = std::sin(yaw * DegToRad), cy = std::cos(yaw * DegToRad);
    const double right1 = right * cr - down * sr;
    const double down1 = right * sr + down * cr;
    const double forward2 = forward * cp + down1 * sp;
    const double down2 = down1 * cp - forward * sp;
    return {forward2 * cy - right1 * sy, forward2 * sy + right1 * cy, down2};
}

/**
 * The formula of earlier versions, kept only so their results can be reproduced: it turns yaw
 * and roll the other way round and applies pitch before roll, so a drone heading east gets
 * its camera put west of the antenna.
 */
LocalOffset designOffset(double ox, double oy, double oz, double pitch, double yaw, double roll)
{
    const double a = -pitch * DegToRad;
    const double b = -yaw * DegToRad;
    const double c = -roll * DegToRad;
    const double u = ox * std::cos(a) + oz * std::sin(a);
    const double w = oz * std::cos(a) - ox * std::sin(a);
    const double v = oy * std::cos(c) + w * std::sin(c);
    const double dz = w * std::cos(c) - oy * std::sin(c);
    return {u * std::cos(b) - v * std::sin(b), u * std::sin(b) + v * std::cos(b), -dz};
}

} // namespace

struct GeoCalc::Private
{
    // Held for writing while the PROJ objects are built or destroyed, for reading by every
    // conversion, so a re-initialisation never pulls objects away from a running conversion.
    mutable std::shared_mutex lifeLock;
    bool ready = false;
    QString errorText;
    // The database that initialize() found, absolute; empty means PROJ's default search.
    QByteArray databasePath;

    // Guards only the map itself; each set in it is touched by its own thread alone.
    mutable std::mutex setsMutex;
    mutable std::map<QThread *, std::unique_ptr<ProjSet>> sets;
    mutable QSet<QThread *> watchedThreads;

    std::atomic<double> offsetX{0.0};
    std::atomic<double> offsetY{0.0};
    std::atomic<double> offsetZ{0.0};
    std::atomic<bool> designFormula{false};
    // The zone that rows read in metric form are in, for those that carry none; 0 unknown.
    std::atomic<int> fallbackZone{0};

    QSettings m_settings;

    /// Hands @p set to @p thread and forgets it again when that thread's QThread goes.
    void adoptSet(const GeoCalc *owner, QThread *thread, std::unique_ptr<ProjSet> set);
    /// The PROJ objects of the calling thread, made on its first use; null on failure.
    /// The caller holds lifeLock for reading and has checked that the object is ready.
    ProjSet *setFor(const GeoCalc *owner);
    /// The transformation of a zone for the calling thread, built on first use there.
    /// The caller holds lifeLock for reading and has checked that the object is ready.
    PJ *transformFor(const GeoCalc *owner, int zone, bool southern);
    /// Grid convergence at @p position in radians, 0 where the zone is unknown.
    /// The caller holds lifeLock for reading and has checked that the object is ready.
    double convergence(const GeoCalc *owner, const UtmPoint &position);

    void dropAllSets()
    {
        std::map<QThread *, std::unique_ptr<ProjSet>> doomed;
        {
            std::lock_guard lock(setsMutex);
            doomed.swap(sets);
        }
    }

    void dropSetOf(QThread *thread)
    {
        std::unique_ptr<ProjSet> doomed;
        std::lock_guard lock(setsMutex);
        watchedThreads.remove(thread);
        const auto it = sets.find(thread);
        if (it != sets.end()) {
            doomed = std::move(it->second);
            sets.erase(it);
        }
    }
};

GeoCalc::GeoCalc(bool deferInit, QObject *parent) : QObject(parent), d(new Private)
{
    if (!deferInit)
        initialize();
}

GeoCalc::~GeoCalc()
{
    release();
    delete d;
}

bool GeoCalc::initialize()
{
    QString failure;
    {
        std::unique_lock lock(d->lifeLock);
        d->ready = false;
        d->dropAllSets();
        d->databasePath.clear();

        auto set = std::make_unique<ProjSet>();
        bool found = false;
        for (const char *candidate : RelativeDatabases) {
            const QFileInfo info(QFile::decodeName(candidate));
            // Checked first only to keep PROJ from logging a failed open on every start.
            if (!info.isFile())
                continue;
            const QByteArray path = QFile::encodeName(QDir::cleanPath(info.absoluteFilePath()));
            if (set->context || (set->context = createContext())) {
                if (proj_context_set_database_path(set->context, path.constData(), nullptr,
                                                   nullptr)) {
                    d->databasePath = path;
                    found = true;
                    break;
                }
            }
        }
        if (!found) {
            // An installed program finds the database of the system's PROJ data package.
            if (set->context)
                found = proj_context_set_database_path(set->context, nullptr, nullptr, nullptr);
            else
                found = set->open(QByteArray());
        }

        if (!found) {
            failure = tr("Cannot find proj DB");
        } else {
            // One zone per hemisphere proves that the database can build them; the others are
            // built on first use, which spares a start-up 120 database searches when a flight
            // only ever touches one or two zones.
            for (bool southern : {false, true}) {
                const ProjSet::BuildResult result = set->build(1, southern);
                if (result == ProjSet::BuildResult::NotCreated) {
                    failure = tr("PJ object not initialized");
                    break;
                }
                if (result == ProjSet::BuildResult::NotNormalized) {
                    failure = tr("PJ object for GIS not initialized");
                    break;
                }
            }
        }

        // The initialising thread keeps the set it built; on failure it waits for release().
        d->adoptSet(this, QThread::currentThread(), std::move(set));
        if (failure.isEmpty()) {
            d->errorText.clear();
            d->ready = true;
        } else {
            d->errorText = failure;
        }
    }
    if (!failure.isEmpty()) {
        qWarning().noquote() << "GeoCalc:" << failure;
        emit PJ_Init_Error(failure);
        return false;
    }
    return true;
}

void GeoCalc::release()
{
    std::unique_lock lock(d->lifeLock);
    d->ready = false;
    d->dropAllSets();
}

bool GeoCalc::isReady() const
{
    std::shared_lock lock(d->lifeLock);
    return d->ready;
}

QString GeoCalc::errorText() const
{
    std::shared_lock lock(d->lifeLock);
    return d->errorText;
}

int GeoCalc::zoneOrFallback(int rowZone, int configuredZone)
{
    if (isZone(rowZone))
        return rowZone;
    return isZone(configuredZone) ? configuredZone : 0;
}

int GeoCalc::zoneOf(double lon)
{
    // Anything this far out is no longitude; keeps the integer conversion defined.
    if (!std::isfinite(lon) || std::abs(lon) > 1.0e6)
        return 0;
    // 180 degrees east is the meridian of 180 west, which zone 60 ends at.
    if (lon == 180.0)
        return ZoneCount;
    return static_cast<int>(std::floor((lon + 180.0) / 6.0)) + 1;
}

UtmPoint GeoCalc::geoToUtm(double lon, double lat, double h) const
{
    UtmPoint result;
    const int zone = zoneOf(lon);
    if (zone < 1 || zone > ZoneCount || !std::isfinite(lat))
        return result;
    std::shared_lock lock(d->lifeLock);
    if (!d->ready)
        return result;
    PJ *pj = d->transformFor(this, zone, false);
    if (!pj)
        return result;
    const PJ_COORD out = proj_trans(pj, PJ_FWD, proj_coord(lon, lat, 0, 0));
    // PROJ answers a point it cannot project with HUGE_VAL; that is no position.
    if (!isFinite(out))
        return result;
    result.x = out.xy.x;
    result.y = out.xy.y;
    result.z = h;
    result.zone = zone;
    return result;
}

GeoPoint GeoCalc::utmToGeo(double x, double y, int zone, double h) const
{
    GeoPoint result;
    // Zone 0 means the zone is unknown: any degrees made from it would be invented.
    if (zone == 0 || zone < -ZoneCount || zone > ZoneCount || !std::isfinite(x) ||
        !std::isfinite(y))
        return result;
    std::shared_lock lock(d->lifeLock);
    if (!d->ready)
        return result;
    PJ *pj = d->transformFor(this, std::abs(zone), zone < 0);
    if (!pj)
        return result;
    const PJ_COORD out = proj_trans(pj, PJ_INV, proj_coord(x, y, 0, 0));
    if (!isFinite(out))
        return result;
    result.lon = out.xy.x;
    result.lat = out.xy.y;
    result.h = h;
    return result;
}

GeoPoint GeoCalc::utmToGeo(const UtmPoint &point) const
{
    return utmToGeo(point.x, point.y, point.zone, point.z);
}

double GeoCalc::gridConvergence(const UtmPoint &position) const
{
    std::shared_lock lock(d->lifeLock);
    if (!d->ready)
        return 0.0;
    return d->convergence(this, position) / DegToRad;
}

UtmPoint GeoCalc::applyAntennaOffset(const UtmPoint &position, double pitch, double yaw,
                                     double roll) const
{
    UtmPoint result;
    std::shared_lock lock(d->lifeLock);
    if (!d->ready)
        return result;
    const double ox = d->offsetX;
    const double oy = d->offsetY;
    const double oz = d->offsetZ;
    double dEast = 0.0;
    double dNorth = 0.0;
    double dDown = 0.0;
    if (d->designFormula) {
        const LocalOffset o = designOffset(ox, oy, oz, pitch, yaw, roll);
        dEast = o.east;
        dNorth = o.north;
        dDown = o.down;
    } else {
        const LocalOffset o = aircraftOffset(ox, oy, -oz, pitch, yaw, roll);
        // The yaw is reckoned from true north, the position in the grid, whose north is
        // turned from true north by the convergence (clockwise east of the central meridian
        // in the north).
        const double gamma = d->convergence(this, position);
        const double sg = std::sin(gamma), cg = std::cos(gamma);
        dEast = o.east * cg - o.north * sg;
        dNorth = o.north * cg + o.east * sg;
        dDown = o.down;
    }
    result.x = position.x + dEast;
    result.y = position.y + dNorth;
    result.z = position.z - dDown;
    result.zone = position.zone;
    return result;
}

double GeoCalc::offsetX() const
{
    return d->offsetX;
}
double GeoCalc::offsetY() const
{
    return d->offsetY;
}
double GeoCalc::offsetZ() const
{
    return d->offsetZ;
}

void GeoCalc::updateSettings()
{
    d->m_settings.sync();
    d->offsetX = Keys::OffsetX.read(d->m_settings) / 1000.0;
    d->offsetY = Keys::OffsetY.read(d->m_settings) / 1000.0;
    d->offsetZ = Keys::OffsetZ.read(d->m_settings) / 1000.0;
    d->designFormula = Keys::LeverArmDesign.read(d->m_settings);
    const int zone = Keys::CoordinateUtmZone.read(d->m_settings);
    d->fallbackZone = zoneOrFallback(zone, 0);
}

void GeoCalc::Private::adoptSet(const GeoCalc *owner, QThread *thread, std::unique_ptr<ProjSet> set)
{
    bool watch = false;
    {
        std::lock_guard lock(setsMutex);
        sets[thread] = std::move(set);
        if (!watchedThreads.contains(thread)) {
            watchedThreads.insert(thread);
            watch = true;
        }
    }
    if (watch) {
        // Qt deletes a QThread only after its thread has ended, so the objects of that thread
        // are never freed while still in use.
        QObject::connect(
            thread, &QObject::destroyed, const_cast<GeoCalc *>(owner),
            [this, thread] { dropSetOf(thread); }, Qt::DirectConnection);
    }
}

ProjSet *GeoCalc::Private::setFor(const GeoCalc *owner)
{
    QThread *thread = QThread::currentThread();
    {
        std::lock_guard lock(setsMutex);
        const auto it = sets.find(thread);
        if (it != sets.end())
            return it->second.get();
    }
    // First use in this thread: a context of its own on the database initialize() found.
    auto fresh = std::make_unique<ProjSet>();
    if (!fresh->open(databasePath)) {
        qWarning() << "GeoCalc: cannot open the PROJ database in a second thread";
        return nullptr;
    }
    ProjSet *set = fresh.get();
    adoptSet(owner, thread, std::move(fresh));
    return set;
}

PJ *GeoCalc::Private::transformFor(const GeoCalc *owner, int zone, bool southern)
{
    ProjSet *set = setFor(owner);
    if (!set)
        return nullptr;
    if (set->build(zone, southern) != ProjSet::BuildResult::Ok) {
        qWarning() << "GeoCalc: cannot build the transformation of zone"
                   << (southern ? -zone : zone);
        return nullptr;
    }
    return southern ? set->south[zone - 1] : set->north[zone - 1];
}

double GeoCalc::Private::convergence(const GeoCalc *owner, const UtmPoint &position)
{
    // A metric row without a zone of its own is taken to lie in the configured zone, as its
    // geotag is. Without one the grid's north is unknown and taken to be true north: at most
    // the convergence times the horizontal arm (a 3 cm arm, 2.5 degrees: 1.3 mm).
    const int zone = GeoCalc::zoneOrFallback(position.zone, fallbackZone.load());
    if (zone == 0 || !std::isfinite(position.x) || !std::isfinite(position.y))
        return 0.0;
    ProjSet *set = setFor(owner);
    PJ *pj = set ? set->projection(std::abs(zone), zone < 0) : nullptr;
    if (!pj) {
        qWarning() << "GeoCalc: cannot build the projection of zone" << zone;
        return 0.0;
    }
    const PJ_COORD geo = proj_trans(pj, PJ_INV, proj_coord(position.x, position.y, 0, 0));
    if (!isFinite(geo))
        return 0.0;
    const double gamma = proj_factors(pj, geo).meridian_convergence;
    return std::isfinite(gamma) ? gamma : 0.0;
}
