#pragma once

#include "geo/geopoint.h"
#include "geo/utmpoint.h"

#include <QObject>
#include <QString>

/**
 * Converts between WGS 84 and UTM through PROJ and corrects antenna positions for the
 * lever arm to the camera. One instance is shared by the whole program.
 *
 * While not ready every operation returns an all-zero record.
 * Safe to use from several threads at once: each thread converts through a PROJ context of
 * its own, made on its first conversion and freed when its QThread goes. A zone's
 * transformation is built in a thread when that thread first needs it.
 */
class GeoCalc : public QObject
{
    Q_OBJECT
public:
    explicit GeoCalc(bool deferInit = false, QObject *parent = nullptr);
    ~GeoCalc() override;

    bool initialize();
    void release();
    bool isReady() const;
    QString errorText() const;

    /// Zone of a longitude: floor((lon + 180) / 6) + 1; 180 itself, the meridian of -180, is 60.
    static int zoneOf(double lon);
    /**
     * The zone of a metric row: its own when known, else the configured one
     * (coordinate/utmZone); 0 when neither is a zone (1..60 north, -1..-60 south).
     */
    static int zoneOrFallback(int rowZone, int configuredZone);

    /// Always through the northern zone list: southern points get negative northings.
    /// A point PROJ cannot project (say, a latitude past the pole) gives all zeros.
    UtmPoint geoToUtm(double lon, double lat, double h) const;
    /// Zones 1..60 are northern, -1..-60 southern; zone 0 (unknown) and anything beyond
    /// ±60 give all zeros rather than invented degrees.
    GeoPoint utmToGeo(double x, double y, int zone, double h) const;
    GeoPoint utmToGeo(const UtmPoint &point) const;
    /**
     * The antenna position @p position moved to the camera. The offset (A forward, B right,
     * Z up, camera relative to antenna) is turned by the aircraft's attitude in degrees, roll
     * first, then pitch, then yaw (clockwise from true north), and its horizontal part from
     * true north into the grid by the convergence. With the setting main/leverArmDesign the
     * earlier formula is used instead, without the convergence.
     */
    UtmPoint applyAntennaOffset(const UtmPoint &position, double pitch, double yaw,
                                double roll) const;
    /**
     * Angle from true north to grid north at @p position, degrees, clockwise: positive east of
     * the central meridian in the north. A position without a zone is taken in the zone of
     * coordinate/utmZone; without that, or while not ready, it is 0.
     */
    double gridConvergence(const UtmPoint &position) const;

    double offsetX() const;
    double offsetY() const;
    double offsetZ() const;

public slots:
    /// Re-reads the antenna offsets (millimetres in the store, metres here), the formula and
    /// the zone of metric rows.
    void updateSettings();

signals:
    void PJ_Init_Error(QString errorText);

private:
    struct Private;
    Private *d;
};
