#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <mutex>

/**
 * Collects every log message as "<category>: <text>" while it exists, from every thread,
 * and restores the previous message handler afterwards. One at a time.
 */
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    QStringList lines() const;
    /// Lines that start with "<category>: ".
    QStringList lines(const QString &category) const;
    bool contains(const QString &line) const;
    void clear();

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text);

    mutable std::mutex m_mutex; // visible to the thread sanitizer, unlike a Qt mutex
    QStringList m_lines;
    QtMessageHandler m_previous = nullptr;
};
