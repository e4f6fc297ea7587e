#include "app/logwindow.h"

#include "app/logcategories.h"
#include "app/sharedconstants.h"
#include "photos/nativephotopath.h"
#include "ui_logwindow.h"

LogWindow::LogWindow(QWidget *parent) : QDialog(parent), m_ui(new Ui::LogWindow)
{
    m_ui->setupUi(this);
    setStyleSheet(styleSheet() + QLatin1Char(' ') + toolTipStyleSheet);
}

LogWindow::~LogWindow() = default;

void LogWindow::setErrors(const QString &text)
{
    qCDebug(lcWarning) << text;
    setWindowTitle(tr("Error"));
    // Escaped: an error may quote a path, and a path is not markup.
    m_lists.clear();
    m_ui->textEdit->setHtml(QStringLiteral("<html>") + tr("<p>The following errors occurred:</p>") +
                            text.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>")));
    setModal(true);
    show();
}

void LogWindow::setNoTagPhotos(const QStringList &files)
{
    setList(tr("There are missing files"),
            tr("<p>The following files haven't been added because they don't contain Xmp "
               "tags.drone-dj.Flight***Degree:</p>"),
            files);
}

void LogWindow::setRefusedPhotos(const QStringList &entries, const QStringList &reasons)
{
    QStringList lines;
    for (int i = 0; i < entries.size(); ++i) {
        // The path as the file manager shows it, not the URL a drop may have brought.
        lines << QStringLiteral("<b>%1</b> %2")
                     .arg(nativePhotoPath(entries.at(i)).toHtmlEscaped(),
                          reasons.value(i).toHtmlEscaped());
    }
    setHtmlList(tr("Photos not added"),
                tr("<p>The following photos haven't been added to the block:</p>"), lines);
}

void LogWindow::setRemovedPhotos(const QStringList &files)
{
    setList(tr("There are removed files"),
            tr("<p>The following files has removed from list because they don't exist:</p>"),
            files);
}

void LogWindow::setRunProblems(const QStringList &lines)
{
    setList(tr("Processing report"),
            tr("<p>Not every photo came out as planned. The output folder holds the others; "
               "these need attention:</p>"),
            lines);
}

QString LogWindow::html() const
{
    return m_ui->textEdit->toHtml();
}

void LogWindow::setList(const QString &title, const QString &heading, const QStringList &files)
{
    // A file name may hold "<" or "&"; it is shown as written, never read as markup.
    QStringList lines;
    for (const QString &file : files)
        lines << file.toHtmlEscaped();
    setHtmlList(title, heading, lines);
}

void LogWindow::setHtmlList(const QString &title, const QString &heading, const QStringList &lines)
{
    // While the operator still has the window open, a new list goes below the one shown: a
    // photo found gone from disk after a run must not hide what the run reported.
    if (!isVisible() || m_lists.isEmpty()) {
        m_lists.clear();
        setWindowTitle(title);
    } else {
        m_lists += QStringLiteral("<hr>");
    }
    m_lists += heading;
    for (const QString &line : lines)
        m_lists += line + QStringLiteral("<br>");
    m_ui->textEdit->setHtml(QStringLiteral("<html>") + m_lists);
}
