#pragma once

#include "settings/settingkey.h"

#include <QByteArray>
#include <QDir>
#include <QRect>
#include <QVariantList>

/**
 * The complete list of persistent settings, each with its type and default.
 *
 * Components open their own QSettings handle (default constructed, after the application
 * identity is set) and read or write only through these keys.
 */
namespace Keys {

// main
inline const SettingKey<bool> UseDesktopOpenGL{"main/useDesktopOpenGL", true};
inline const SettingKey<bool> UseHiDpiScale{"main/useHiDpiScale", true};
inline const SettingKey<QString> Translation{"main/translation", QString()};
inline const SettingKey<int> Logging{"main/logging", 1};
inline const SettingKey<int> OffsetX{"main/offsetX", 30};
inline const SettingKey<int> OffsetY{"main/offsetY", 0};
inline const SettingKey<int> OffsetZ{"main/offsetZ", -169};
inline const SettingKey<bool> LeverArmDesign{"main/leverArmDesign", false};
inline const SettingKey<int> SecondsToSlice{"main/secundsToSlice", 60};
inline const SettingKey<QString> PhotoPrefix{"main/photoPrefix", QStringLiteral("KES")};
/// Empty when never written: it then follows output/dir; read it through SettingsStore::lastDir.
inline const SettingKey<QString> LastDir{"main/lastDir", QString()};

// output
inline const SettingKey<QString> OutputDir{"output/dir", [] { return QDir::homePath(); }};
inline const SettingKey<bool> OutputSaveDir{"output/savedir", true};
inline const SettingKey<bool> OutputAutoCreate{"output/autoCreate", true};
inline const SettingKey<bool> OutputOpenDir{"output/openDir", true};
inline const SettingKey<bool> OutputClearFly{"output/clearFly", false};
inline const SettingKey<bool> OutputSplitFoldersBlock{"output/splitFoldersBlock", false};
inline const SettingKey<bool> OutputAutoOutAsInp{"output/autoOutAsInp", true};
inline const SettingKey<bool> OutputPix4dLabel{"output/pix4dLabel", false};
inline const SettingKey<int> OutputLabel{"output/label", 0};

// meta (timemark files and tables)
inline const SettingKey<int> MetaSeparator{"meta/separator", 0};
inline const SettingKey<int> MetaOutSeparator{"meta/outSeparator", 2};
inline const SettingKey<int> MetaPosX{"meta/posx", 3};
inline const SettingKey<int> MetaPosY{"meta/posy", 4};
inline const SettingKey<int> MetaPosZ{"meta/posz", 5};
inline const SettingKey<int> MetaPosFirst{"meta/posfirst", 2};
inline const SettingKey<int> MetaPosDate{"meta/posdate", 1};
inline const SettingKey<int> MetaPosSx{"meta/possx", 0};
inline const SettingKey<int> MetaPosSy{"meta/possy", 0};
inline const SettingKey<int> MetaPosSz{"meta/possz", 0};
inline const SettingKey<bool> MetaAutosave{"meta/autosave", true};
inline const SettingKey<int> MetaOnAdd{"meta/onadd", 0};
inline const SettingKey<int> MetaNumberFormat{"meta/numberformat", 0};
inline const SettingKey<int> MetaPrecision{"meta/precission", 3};
inline const SettingKey<bool> MetaColumnAutoResize{"meta/columnAutoResize", false};
inline const SettingKey<bool> MetaPrecisionIndividual{"meta/precission/individual", false};
inline const SettingKey<int> MetaPrecisionX{"meta/precission/x", 0};
inline const SettingKey<int> MetaPrecisionY{"meta/precission/y", 0};
inline const SettingKey<int> MetaPrecisionZ{"meta/precission/z", 0};
inline const SettingKey<int> MetaPrecisionSx{"meta/precission/sx", 0};
inline const SettingKey<int> MetaPrecisionSy{"meta/precission/sy", 0};
inline const SettingKey<int> MetaPrecisionSz{"meta/precission/sz", 0};

/// Output column id shown at position @p position of the coordinate file.
SettingKey<int> metaHeader(int position);
/// Whether the output column at @p position is written.
SettingKey<bool> metaHeaderEnabled(int position);

// coordinates, filters, graph
inline const SettingKey<int> CoordinateType{"coordinate/type", 0};
/// UTM zone for rows read in metric form: 0 unknown, 1..60 north, -1..-60 south.
inline const SettingKey<int> CoordinateUtmZone{"coordinate/utmZone", 0};
inline const SettingKey<int> FiltersValue{"filters/value", 30};
inline const SettingKey<int> FiltersValue2{"filters/value2", -90};
inline const SettingKey<int> GraphMultisampling{"graph/multisampling", 6};
inline const SettingKey<int> FlyviewLegendPos{"flyview/legendPos", 34};
inline const SettingKey<QVariantList> ChartColorChart{"chart/color/chart",
                                                      QVariantList{0x20, 0x9f, 0xdf, 255}};
inline const SettingKey<QVariantList> ChartColorQuarantine{"chart/color/quarantine",
                                                           QVariantList{0x68, 0x68, 0x6a, 255}};
inline const SettingKey<QVariantList> ChartColorSelected{"chart/color/selected",
                                                         QVariantList{255, 0, 0, 255}};
inline const SettingKey<int> ChartSizeChart{"chart/size/chart", 2};
inline const SettingKey<int> ChartSizeQuarantine{"chart/size/quarantine", 2};
inline const SettingKey<int> ChartSizeSelected{"chart/size/selected", 2};
inline const SettingKey<bool> FlyOutputPreview{"fly/outputPreview", false};

// window geometry; readers other than the main window pass the widget's own state
inline const SettingKey<int> WindowState{"window/state", 0};
inline const SettingKey<QRect> WindowGeometry{"window/geometry", QRect(0, 0, 1200, 700)};
inline const QString FlyTablePhotosGeometry = QStringLiteral("fly/tablePhotos/geometry");
inline const QString FlyTableMetaGeometry = QStringLiteral("fly/tableMeta/geometry");
inline const QString FlyTablePreviewGeometry = QStringLiteral("fly/tablePreview/geometry");
inline const QString FlySplitter = QStringLiteral("fly/splitter");
inline const QString DialogGeometry = QStringLiteral("OpenTimeMarkDialog/geometry");
inline const QString DialogTreeGeometry = QStringLiteral("OpenTimeMarkDialog/treeView/geometry");
inline const QString DialogTableGeometry = QStringLiteral("OpenTimeMarkDialog/tableMeta/geometry");
inline const QString DialogTextGeometry = QStringLiteral("OpenTimeMarkDialog/textBrowser/geometry");
inline const QString DialogSplitter = QStringLiteral("OpenTimeMarkDialog/splitter");

/// Number of output column positions stored under meta/header.
constexpr int OutputColumnCount = 8;
/// coordinate/type value of the WGS 84 degree system.
constexpr int CoordinateTypeWgs84 = 2;

} // namespace Keys
