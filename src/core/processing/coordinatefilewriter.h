#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>
#include <vector>

class OutputLabelModel;
class QSettings;

/**
 * Writes the coordinate files of one processing run: picks their names, creates them (never
 * over an existing file), writes the header and then one flushed line per photo.
 *
 * Each file is written under a temporary name beside its final one ("fileData.txt.<pid>.partial")
 * and given its final name by close(), when the run ends, whether it ends done, stopped or
 * failed: its lines then match the copies made. A run that is killed leaves only the
 * temporary, so a file under a final name is always a finished one.
 *
 * The columns, their order and their labels are taken from the label model once, at
 * construction; later edits of the model do not change a run under way.
 */
class CoordinateFileWriter
{
    Q_DECLARE_TR_FUNCTIONS(CoordinateFileWriter)
public:
    /// Outcome of the last operation; the negative values double as the job's result codes.
    enum Result
    {
        Ok = 0,           //!< nothing went wrong
        OpenFailed = -1,  //!< a file could not be created
        FileExists = -2,  //!< a coordinate file of that name is already there
        WriteFailed = -3, //!< a line could not be written completely
        NoSuchBlock = -4  //!< writeLine() for a block that has no file
    };

    /// One photo's line; numbers are written in the writer's coordinate type.
    struct Values
    {
        QString name;       //!< new file name of the photo, with extension
        QString date;       //!< date text of the timemark row, as read
        double north = 0.0; //!< northing (m) or latitude (degrees)
        double east = 0.0;  //!< easting (m) or longitude (degrees)
        double height = 0.0;
        double sdN = 0.0; //!< 0 stands for "not given" and is written as 0.020
        double sdE = 0.0;
        double sdH = 0.0;
    };

    /**
     * @param coordinateType value of coordinate/type: 2 writes WGS 84 labels and 9 decimals.
     * @param hasDateColumn whether any block of the run has dates; the Date column needs it.
     * @param separator field separator; resolve it with outputSeparator().
     * @param splitPerBlock one file per block instead of one for the run.
     * @param pix4d the Pix4D file names.
     */
    CoordinateFileWriter(const OutputLabelModel &labels, int coordinateType, bool hasDateColumn,
                         const QString &separator, bool splitPerBlock, bool pix4d);
    ~CoordinateFileWriter();
    CoordinateFileWriter(const CoordinateFileWriter &) = delete;
    CoordinateFileWriter &operator=(const CoordinateFileWriter &) = delete;

    /// "fileData.txt", "fileData_Pix4d.txt", "fileData%1.txt" or "fileData_Pix4d_%1.txt",
    /// %1 the 1-based block number with at least two digits.
    static QString fileName(bool splitPerBlock, bool pix4d, int blockNumber);
    /// The field separator for a meta/outSeparator value: 0 the first block's delimiter, 1
    /// the last block's, 2..5 a fixed entry of separatorList. A pattern (one with a
    /// backslash), an empty choice or an unknown value gives a tab.
    static QString outputSeparator(int setting, const QString &firstBlockDelimiter,
                                   const QString &lastBlockDelimiter);
    /// The same, reading meta/outSeparator from @p settings.
    static QString outputSeparator(const QSettings &settings, const QString &firstBlockDelimiter,
                                   const QString &lastBlockDelimiter);

    /**
     * Creates the file, or one per block when split, in @p outputDir and writes the headers.
     * Fails without touching anything when a file of one of the final names exists; on any
     * failure the files it created are removed again. The reason is in result() and
     * errorText().
     */
    bool open(const QString &outputDir, int blockCount);
    /// Writes and flushes one line; @p blockIndex (0-based) picks the file when split.
    bool writeLine(int blockIndex, const Values &values);
    /**
     * Closes the files and gives each its final name. A file that cannot take it (a file of
     * that name appeared meanwhile, which is never replaced) keeps its temporary name; then
     * the result is false and errorText() says where its lines are.
     */
    bool close();
    /// Coordinate files that a run which did not end left unfinished in @p dir (names).
    static QStringList unfinishedFiles(const QString &dir);

    bool isOpen() const;
    Result result() const;
    /// The translated reason of the last failure; empty while nothing has failed.
    QString errorText() const;
    /// The full paths of the files under their final names, in block order, once opened.
    QStringList filePaths() const;
    /// Where the files are while they are written.
    QStringList temporaryPaths() const;
    /// Whether the lines hold the Date column.
    bool writesDates() const;

    QString headerLine() const;
    QString dataLine(const Values &values) const;

private:
    struct Column
    {
        int id;
        QString label;
    };
    struct OpenFile;

    bool fail(Result result, const QString &text);
    /// Closes and removes every file opened so far.
    void discardFiles();
    static QString partialSuffix();
    QString valueText(int id, const Values &values) const;

    QVector<Column> m_columns;
    QString m_separator;
    bool m_wgs84;
    bool m_split;
    bool m_pix4d;
    std::vector<std::unique_ptr<OpenFile>> m_files;
    Result m_result = Ok;
    QString m_errorText;
};
