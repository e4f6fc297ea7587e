#pragma once

#include <QObject>
#include <QSettings>
#include <QString>
#include <QVector>

class OpentTimeMarkTableModel;

/**
 * Reads a timemark file into an OpentTimeMarkTableModel: recognises the file and its
 * delimiter (detectSeparator), then splits every line into cells (loadTable). Holds the
 * chosen file, the current delimiter (an index into separatorList) and the file loaded last.
 *
 * The file is read line by line, never held whole. What it may cost is bounded: a file larger
 * than MaxFileSize is not read, a line longer than MaxLineLength characters or one holding a
 * NUL character (a binary file, or the zeroed tail a card leaves after a power loss) ends the
 * read, and so does a table growing past MaxRows rows. Text is
 * decoded in the locale's encoding unless a byte-order mark names UTF-8, UTF-16 or UTF-32;
 * CR LF and LF line ends are both accepted, in every encoding.
 *
 * The import dialog adds its widget effects around these calls; the command line uses them
 * as they are. Runs in the thread that owns the model.
 */
class TimemarkFile : public QObject
{
    Q_OBJECT
public:
    /// Longest line, in characters, that a timemark file may hold.
    static constexpr int MaxLineLength = 1 << 20;
    /// Lines shorter than this are never timemarks.
    static constexpr int MinLineLength = 10;
    /// Largest file, in bytes, that is read at all: a run takes at most 9999 photos, one row
    /// each, so a real timemark file is a few megabytes at most.
    static constexpr qint64 MaxFileSize = qint64(64) << 20;
    /// Most rows a loaded table may hold, header and comment rows included.
    static constexpr int MaxRows = 100000;

    explicit TimemarkFile(OpentTimeMarkTableModel *model, QObject *parent = nullptr);

    OpentTimeMarkTableModel *model() const { return m_model; }
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &path) { m_fileName = path; }
    /// The file whose rows the model holds, empty before the first load.
    QString loadedFileName() const { return m_loadedFileName; }
    int separatorIndex() const { return m_separatorIndex; }
    /// The split pattern of the current delimiter.
    QString separatorPattern() const;
    /// Cell count of the last line the latest load accepted (0 when none).
    int lastCellCount() const { return m_lastCellCount; }
    /// Why the latest detection or load failed; empty after a success.
    QString errorText() const { return m_errorText; }

    /// When false, detection leaves the stored folders and delimiter alone (command line).
    void setRemembersChoices(bool remember) { m_remembersChoices = remember; }
    bool remembersChoices() const { return m_remembersChoices; }

    /**
     * Makes @p path the current file and scans it for the first line that names a
     * delimiter. True, with that delimiter made current, when the file is a timemark file.
     * Stores the file's folder as the last and (when wanted) the output folder first.
     */
    bool detectSeparator(const QString &path);
    /**
     * Replaces the model's rows with the current file split by the current delimiter. True
     * when the model then has rows; on a read failure the model keeps its rows. Column
     * roles and the first row stay as they are: the caller sets them (the dialog from its
     * spin boxes, the command line through applyStoredColumns() or its options).
     */
    bool loadTable();
    /// Gives the model the column roles and first row kept in the settings.
    void applyStoredColumns();

    /// One line split as the loader splits it, empty parts kept.
    static QVector<QString> splitLine(const QString &line, const QString &pattern);

public slots:
    /// Selects a delimiter (0 Tab, 1 ";", 2 ",", 3 rtklib); others are ignored.
    void setSeparatorIndex(int index);

signals:
    void separatorIndexChanged(int index);

private:
    OpentTimeMarkTableModel *m_model;
    QSettings m_settings;
    QString m_fileName;
    QString m_loadedFileName;
    QString m_errorText;
    int m_separatorIndex = 0;
    int m_lastCellCount = 0;
    bool m_remembersChoices = true;
};
