#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

/// One block of a command-line run: a timemark file and the photos after it.
struct CliBlock
{
    QString timemarks;
    QStringList photos; //!< files or folders, as given
};

/**
 * The command line of kestrix-cli, parsed. Options override the stored settings for one run
 * and are written nowhere.
 */
struct CliOptions
{
    Q_DECLARE_TR_FUNCTIONS(CliOptions)

public:
    enum class Command
    {
        Process,
        Check, //!< the pairing check by time, nothing written
        Version,
        Help
    };

    Command command = Command::Help;
    QString outDir;
    QList<CliBlock> blocks;
    std::optional<bool> subdir;
    std::optional<QString> prefix;
    std::optional<int> workType;       //!< 0 full, 1 timemarks, 2 photos
    std::optional<int> coordinateType; //!< 0 UTM, 2 WGS 84
    std::optional<int> utmZone;
    std::optional<int> delimiter;      //!< index into separatorList; unset: detect
    std::optional<QList<int>> columns; //!< date, north, east, height[, sdN, sdE, sdH]
    std::optional<int> firstRow;       //!< line number in the file of the first data row
    bool firstRowAuto = false;         //!< the first data line, found in the file
    std::optional<QList<int>> offset;  //!< A, B, Z in millimetres
    bool splitFolders = false;
    bool pix4d = false;
    std::optional<int> outDelimiter; //!< meta/outSeparator value
    std::optional<int> splitGap;     //!< seconds
    bool filterDistance = false;
    std::optional<int> distance;
    bool filterGimbal = false;
    std::optional<int> gimbal;
    bool filterExposure = false;
    bool noCheck = false;
    bool dropUnmatched = false; //!< leave out what the pairing check finds without a partner
    std::optional<bool> leverArmDesign; //!< the earlier lever-arm formula

    /// Parses the arguments after the program name. On a usage error returns nullopt and
    /// puts the reason into @p error.
    static std::optional<CliOptions> parse(const QStringList &arguments, QString *error);
    static QString usage();
};
