#include "timemarks/timemarkfile.h"

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

    explicit LineSource(const QString &path) : m_file(path) {}

    // Binary mode on purpose: dropping CR bytes is only right for 8-bit text, it would tear
    // UTF-16 apart. The stream removes the CR of a CR LF after decoding instead.
    bool open()
    {
        const QFileInfo info(m_file.fileName());
        if (info.isDir())
            return false;
        // Only a regular file has a size to judge by; anything else is bounded line by line.
        if (info.isFile() && info.size() > TimemarkFile::MaxFileSize) {
            m_tooLarge = true;
            return false;
        }
        if (!m_file.open(QIODevice::ReadOnly))
            return false;
        m_stream.setDevice(&m_file);
        m_stream.setCodec(QTextCodec::codecForLocale());
        m_stream.setAutoDetectUnicode(true);
        return true;
    }
    /// open() failed because the file is larger than a timemark file can be.
    bool isTooLarge() const { return m_tooLarge; }
    QString errorString() const
    {
        if (QFileInfo(m_file.fileName()).isDir())
            return QCoreApplication::translate("TimemarkFile", "it is a folder");
        return m_file.errorString();
    }
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
        m_errorText =
            source.isTooLarge()
                ? tooLargeText(path)
                : tr("Cannot open the timemark file %1: %2").arg(path, source.errorString());
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
            m_errorText = tr("%1 holds a line longer than %2 characters; it is not a timemark "
                             "file")
                              .arg(path)
                              .arg(MaxLineLength);
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
        m_errorText =
            source.isTooLarge()
                ? tooLargeText(m_fileName)
                : tr("Cannot open the timemark file %1: %2").arg(m_fileName, source.errorString());
        return false;
    }
    const Splitter splitter(separatorPattern());
    std::vector<RawRow> rows;
    QString line;
    int lastCellCount = 0;
    for (;;) {
        const LineSource::Result result = source.next(&line);
        if (result == LineSource::End)
            break;
        if (result == LineSource::TooLong) {
            m_errorText = tr("%1 holds a line longer than %2 characters; it is not a timemark "
                             "file")
                              .arg(m_fileName)
                              .arg(MaxLineLength);
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
        if (line.size() < MinLineLength)
            continue;
        RawRow cells = splitter.split(line);
        if (cells.size() < 3)
            continue;
        if (int(rows.size()) >= MaxRows) {
            m_errorText = tr("%1 holds more than %2 rows; a timemark file has one row per photo")
                              .arg(m_fileName)
                              .arg(MaxRows);
            return false;
        }
        lastCellCount = cells.size();
        rows.push_back(std::move(cells));
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
