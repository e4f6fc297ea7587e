#include "timemarks/timemarkfile.h"

#include "app/regularfile.h"
#include "app/sharedconstants.h"
#include "settings/settingskeys.h"
#include "timemarks/openttimemarktablemodel.h"
#include "timemarks/rawrow.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTextCodec>
#include <QTextStream>

#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const QLoggingCategory &infoLog()
{
    static const QLoggingCategory category("Info");
    return category;
}

int separatorCount()
{
    return separatorList.value(1).size();
}

// The ASCII characters "\s" matches; wider lines go through the regular expression itself.
bool isAsciiSpace(ushort c)
{
    return c == ' ' || (c >= 9 && c <= 13);
}

/// Splits lines by one pattern: a literal string, or a regular expression when it holds a
/// backslash. "\s+" on plain ASCII, by far the common case, is split by hand with the same
/// result as the expression (which matches ASCII whitespace only).
class Splitter
{
public:
    explicit Splitter(const QString &pattern)
        : m_pattern(pattern), m_isRegex(pattern.contains(QLatin1Char('\\'))),
          m_isWhitespace(pattern == QLatin1String("\\s+"))
    {
        if (m_isRegex)
            m_regex.setPattern(pattern);
    }

    RawRow split(const QString &line) const
    {
        if (m_isWhitespace && isAscii(line))
            return splitWhitespace(line);
        if (m_isRegex)
            return RawRow(line.split(m_regex, Qt::KeepEmptyParts).toVector());
        return splitLiteral(line);
    }

private:
    static bool isAscii(const QString &line)
    {
        for (const QChar ch : line) {
            if (ch.unicode() >= 0x80)
                return false;
        }
        return true;
    }

    RawRow splitLiteral(const QString &line) const
    {
        RawRow row;
        const QStringView text(line);
        if (m_pattern.isEmpty()) {
            row.append(text);
            return row;
        }
        int parts = 1;
        for (int at = line.indexOf(m_pattern); at >= 0;
             at = line.indexOf(m_pattern, at + m_pattern.size()))
            ++parts;
        row.reserve(parts, line.size() - (parts - 1) * m_pattern.size());
        int start = 0;
        for (int at = line.indexOf(m_pattern); at >= 0; at = line.indexOf(m_pattern, start)) {
            row.append(text.mid(start, at - start));
            start = at + m_pattern.size();
        }
        row.append(text.mid(start));
        return row;
    }

    static RawRow splitWhitespace(const QString &line)
    {
        const QChar *data = line.constData();
        const int size = line.size();
        int parts = 1;
        int blanks = 0;
        for (int i = 0; i < size; ++i) {
            if (isAsciiSpace(data[i].unicode())) {
                ++blanks;
                if (i == 0 || !isAsciiSpace(data[i - 1].unicode()))
                    ++parts;
            }
        }
        RawRow row;
        row.reserve(parts, size - blanks);
        const QStringView text(line);
        int start = 0;
        for (int i = 0; i < size;) {
            if (isAsciiSpace(data[i].unicode())) {
                row.append(text.mid(start, i - start));
                while (i < size && isAsciiSpace(data[i].unicode()))
                    ++i;
                start = i;
            } else {
                ++i;
            }
        }
        row.append(text.mid(start));
        return row;
    }

    QString m_pattern;
    QRegularExpression m_regex;
    bool m_isRegex;
    bool m_isWhitespace;
};

/// Streams the decoded lines of a file without their line ends, one bounded line at a time.
class LineSource
{
public:
    enum Result
    {
        GotLine,
        End,
        TooLong,
        NotText,
        ReadError
    };

    explicit LineSource(const QString &path) : m_path(path) {}

    // Binary mode on purpose: dropping CR bytes is only right for 8-bit text, it would tear
    // UTF-16 apart. The stream removes the CR of a CR LF after decoding instead.
    bool open()
    {
        RegularFile::Descriptor fd(RegularFile::openForReading(m_path, &m_problem));
        if (fd.get() < 0)
            return false;
        struct stat st;
        if (::fstat(fd.get(), &st) == 0 && st.st_size > TimemarkFile::MaxFileSize) {
            m_tooLarge = true;
            return false;
        }
        if (!m_file.open(fd.get(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            m_problem = QCoreApplication::translate("RegularFile", "cannot be opened (%1)")
                            .arg(m_file.errorString());
            return false;
        }
        fd.release();
        m_stream.setDevice(&m_file);
        m_stream.setCodec(QTextCodec::codecForLocale());
        m_stream.setAutoDetectUnicode(true);
        return true;
    }
    /// open() failed because the file is larger than a timemark file can be.
    bool isTooLarge() const { return m_tooLarge; }
    /// Why open() failed, a phrase that follows the file's name ("is a folder").
    QString problem() const { return m_problem; }
    QString errorString() const { return m_file.errorString(); }
    /// Number (from 1) of the line next() returned last.
    int lineNumber() const { return m_lineNumber; }

    Result next(QString *line)
    {
        if (!m_stream.readLineInto(line, qint64(TimemarkFile::MaxLineLength) + 1))
            return m_file.error() == QFileDevice::NoError ? End : ReadError;
        ++m_lineNumber;
        // Decoded text never holds U+0000, whatever its encoding: the bytes are not text.
        if (line->contains(QChar(0)))
            return NotText;
        if (line->size() > TimemarkFile::MaxLineLength)
            return TooLong;
        // The stream picks the codec from a byte-order mark but hands the mark on.
        if (m_first) {
            m_first = false;
            if (line->startsWith(QChar(QChar::ByteOrderMark)))
                line->remove(0, 1);
        }
        // A CR at the very end of a file that lacks the final LF.
        while (line->endsWith(QLatin1Char('\r')))
            line->chop(1);
        return GotLine;
    }

private:
    QString m_path;
    QString m_problem;
    QFile m_file;
    QTextStream m_stream;
    int m_lineNumber = 0;
    bool m_first = true;
    bool m_tooLarge = false;
};

QString tooLargeText(const QString &path)
{
    return QCoreApplication::translate("TimemarkFile",
                                       "%1 is larger than %2 MB; it is not a timemark file")
        .arg(path)
        .arg(TimemarkFile::MaxFileSize >> 20);
}

QString notTextText(const QString &path, int line)
{
    return QCoreApplication::translate("TimemarkFile",
                                       "%1 holds NUL bytes (line %2); it is not a text file")
        .arg(path)
        .arg(line);
}

bool isCommentStart(QChar ch)
{
    return ch == QLatin1Char('#') || ch == QLatin1Char('@') || ch == QLatin1Char('%');
}

/**
 * What the "%" header of an RTKLIB solution says about its columns. Its column line names the
 * solution form: only the latitude/longitude form holds positions this program can use, and
 * with degrees, minutes and seconds each coordinate is written as three blank-separated
 * tokens ("29 59 59.97974"), which are joined into one cell so that columns number as in a
 * decimal-degree file.
 */
class RtklibHeader
{
public:
    /// Takes one "%" line.
    void read(const QString &line)
    {
        if (line.contains(QLatin1String("x-ecef")))
            m_form = QStringLiteral("ECEF (x-ecef, y-ecef, z-ecef)");
        else if (line.contains(QLatin1String("e-baseline")))
            m_form = QStringLiteral("baseline (e-baseline, n-baseline, u-baseline)");
        if (!line.contains(QLatin1String("latitude(d'\"")))
            return;
        // The time label ("GPST", "UTC") stands for two tokens of a data line (date and time,
        // or week and seconds), each DMS label for three, every other label for one.
        const QStringList labels =
            line.mid(1).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        int token = 0;
        for (int i = 0; i < labels.size(); ++i) {
            const bool latitude = labels.at(i).startsWith(QLatin1String("latitude(d'"));
            const bool longitude = labels.at(i).startsWith(QLatin1String("longitude(d'"));
            if (latitude)
                m_latitude = token;
            if (longitude)
                m_longitude = token;
            token += i == 0 ? 2 : (latitude || longitude) ? 3 : 1;
        }
    }
    /// The form of a solution that holds no usable position, empty for the usable one.
    QString unusableForm() const { return m_form; }
    bool hasDms() const { return m_latitude >= 0 || m_longitude >= 0; }

    /// Joins the degree, minute and second tokens of a data row split at blanks.
    RawRow joinDms(const RawRow &row) const
    {
        QVector<QString> cells = row.cells();
        // A line that begins with blanks splits into an empty first cell.
        const int lead = !cells.isEmpty() && cells.first().isEmpty() ? 1 : 0;
        int joined = 0;
        for (int column : {m_latitude, m_longitude}) {
            if (column < 0)
                continue;
            const int at = column + lead - 2 * joined;
            if (at + 2 >= cells.size())
                break;
            cells[at] = cells.at(at) + QLatin1Char(' ') + cells.at(at + 1) + QLatin1Char(' ') +
                        cells.at(at + 2);
            cells.remove(at + 1, 2);
            ++joined;
        }
        RawRow result(cells);
        result.setLineNumber(row.lineNumber());
        return result;
    }

private:
    QString m_form;
    int m_latitude = -1; // index of the degrees token in a data line, -1 when not in DMS
    int m_longitude = -1;
};

} // namespace

TimemarkFile::TimemarkFile(OpentTimeMarkTableModel *model, QObject *parent)
    : QObject(parent), m_model(model)
{
    const int stored = Keys::MetaSeparator.read(m_settings);
    m_separatorIndex = stored >= 0 && stored < separatorCount() ? stored : 0;
}

QString TimemarkFile::separatorPattern() const
{
    return separatorList.value(1).value(m_separatorIndex);
}

void TimemarkFile::setSeparatorIndex(int index)
{
    if (index < 0 || index >= separatorCount() || index == m_separatorIndex)
        return;
    m_separatorIndex = index;
    emit separatorIndexChanged(index);
}

QVector<QString> TimemarkFile::splitLine(const QString &line, const QString &pattern)
{
    return Splitter(pattern).split(line).cells();
}

bool TimemarkFile::detectSeparator(const QString &path)
{
    if (path.isNull())
        return false;
    m_fileName = path;
    m_errorText.clear();
    if (m_remembersChoices) {
        const QString dir = QFileInfo(path).absolutePath();
        Keys::LastDir.write(m_settings, dir);
        if (Keys::OutputAutoOutAsInp.read(m_settings))
            Keys::OutputDir.write(m_settings, dir);
        m_settings.sync();
    }
    qCDebug(infoLog, "Timemark file was selected");

    LineSource source(path);
    if (!source.open()) {
        m_errorText = source.isTooLarge()
                          ? tooLargeText(path)
                          : tr("The timemark file %1 %2").arg(path, source.problem());
        return false;
    }
    const QStringList patterns = separatorList.value(1);
    std::vector<Splitter> splitters;
    for (const QString &pattern : patterns)
        splitters.emplace_back(pattern);

    QString line;
    for (;;) {
        switch (source.next(&line)) {
        case LineSource::GotLine:
            break;
        case LineSource::End:
            m_errorText = tr("No line of %1 splits into three or more columns; it is not a "
                             "timemark file")
                              .arg(path);
            return false;
        case LineSource::TooLong:
            m_errorText = tr("%1 holds a line longer than %n characters; it is not a timemark "
                             "file",
                             nullptr, MaxLineLength)
                              .arg(path);
            return false;
        case LineSource::NotText:
            m_errorText = notTextText(path, source.lineNumber());
            return false;
        case LineSource::ReadError:
            m_errorText =
                tr("Reading the timemark file %1 failed: %2").arg(path, source.errorString());
            return false;
        }
        if (line.size() < MinLineLength || isCommentStart(line.at(0)))
            continue;
        for (int i = 0; i < int(splitters.size()); ++i) {
            if (splitters[size_t(i)].split(line).size() >= 3) {
                setSeparatorIndex(i);
                if (m_remembersChoices && Keys::MetaAutosave.read(m_settings))
                    Keys::MetaSeparator.write(m_settings, i);
                return true;
            }
        }
    }
}

bool TimemarkFile::loadTable()
{
    m_errorText.clear();
    if (m_fileName.isEmpty()) {
        m_errorText = tr("No timemark file is chosen");
        return false;
    }
    LineSource source(m_fileName);
    if (!source.open()) {
        m_errorText = source.isTooLarge()
                          ? tooLargeText(m_fileName)
                          : tr("The timemark file %1 %2").arg(m_fileName, source.problem());
        return false;
    }
    const Splitter splitter(separatorPattern());
    const bool whitespace = separatorPattern() == QLatin1String("\\s+");
    RtklibHeader rtklib;
    std::vector<RawRow> rows;
    QString line;
    int lastCellCount = 0;
    for (;;) {
        const LineSource::Result result = source.next(&line);
        if (result == LineSource::End)
            break;
        if (result == LineSource::TooLong) {
            m_errorText = tr("%1 holds a line longer than %n characters; it is not a timemark "
                             "file",
                             nullptr, MaxLineLength)
                              .arg(m_fileName);
            return false;
        }
        if (result == LineSource::NotText) {
            m_errorText = notTextText(m_fileName, source.lineNumber());
            return false;
        }
        if (result == LineSource::ReadError) {
            m_errorText =
                tr("Reading the timemark file %1 failed: %2").arg(m_fileName, source.errorString());
            return false;
        }
        const bool header = line.startsWith(QLatin1Char('%'));
        if (header)
            rtklib.read(line);
        if (line.size() < MinLineLength)
            continue;
        RawRow cells = splitter.split(line);
        if (cells.size() < 3)
            continue;
        cells.setLineNumber(source.lineNumber());
        if (!header && whitespace && rtklib.hasDms())
            cells = rtklib.joinDms(cells);
        if (int(rows.size()) >= MaxRows) {
            m_errorText = tr("%1 holds more than %n rows; a timemark file has one row per photo",
                             nullptr, MaxRows)
                              .arg(m_fileName);
            return false;
        }
        lastCellCount = cells.size();
        rows.push_back(std::move(cells));
    }

    if (!rtklib.unusableForm().isEmpty()) {
        m_errorText = tr("%1 is an RTKLIB solution in %2 form, which holds no latitude, longitude "
                         "or UTM position: export the solution as latitude/longitude/height")
                          .arg(m_fileName, rtklib.unusableForm());
        return false;
    }
    m_model->clearRows();
    m_model->appendRows(std::move(rows));
    m_loadedFileName = m_fileName;
    m_lastCellCount = lastCellCount;
    if (m_model->rowCount() == 0) {
        m_errorText = tr("No line of %1 splits into three or more columns with the delimiter "
                         "\"%2\"")
                          .arg(m_fileName, separatorList.value(0).value(m_separatorIndex));
        return false;
    }
    return true;
}

void TimemarkFile::applyStoredColumns()
{
    using namespace Keys;
    m_model->setColX(MetaPosX.read(m_settings));
    m_model->setColY(MetaPosY.read(m_settings));
    m_model->setColZ(MetaPosZ.read(m_settings));
    m_model->setColDate(MetaPosDate.read(m_settings));
    // The sx/sy keys belong to the dialog's sdN/sdE boxes, which feed AccN/AccE.
    m_model->setAccN(MetaPosSx.read(m_settings));
    m_model->setAccE(MetaPosSy.read(m_settings));
    m_model->setAccZ(MetaPosSz.read(m_settings));
    m_model->setFirstRow(MetaPosFirst.read(m_settings));
}
