#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class LogWindow;
}

/**
 * The error list window: converter errors, photos refused for lacking the drone's attitude
 * tags and photos that vanished from disk, and what a run could not do with its photos. One
 * instance is reused; each call replaces the title and the content, except that a list given
 * while the window is open goes below the lists it shows.
 */
class LogWindow : public QDialog
{
    Q_OBJECT
public:
    explicit LogWindow(QWidget *parent = nullptr);
    ~LogWindow() override;

    /// Lists photos refused for lacking the attitude tags; the caller shows the window.
    void setNoTagPhotos(const QStringList &files);
    /// Lists the photos of a batch that were not added, each with why (@p reasons: phrases
    /// that follow the photo's name); the caller shows the window.
    void setRefusedPhotos(const QStringList &entries, const QStringList &reasons);
    /// Lists photos dropped because their files are gone; the caller shows the window.
    void setRemovedPhotos(const QStringList &files);
    /// Lists what became of the photos of a run that did not come out as planned, one line
    /// each; the caller shows the window.
    void setRunProblems(const QStringList &lines);
    /// The content as rich text, as the operator sees it.
    QString html() const;

public slots:
    /// Logs @p text, shows it as an error and opens the window modally.
    void setErrors(const QString &text);

private:
    void setList(const QString &title, const QString &heading, const QStringList &files);
    /// As setList(), with lines that are rich text already.
    void setHtmlList(const QString &title, const QString &heading, const QStringList &lines);

    std::unique_ptr<Ui::LogWindow> m_ui;
    QString m_lists; // the lists shown since the window was opened, as rich text
};
