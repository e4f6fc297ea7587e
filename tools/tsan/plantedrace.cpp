// A race planted on purpose, built and run only by the ThreadSanitizer build: the test passes
// when the sanitizer reports it. It proves that tools/tsan.supp and tools/tsan/qtsyncmodel.cpp
// leave the sanitizer seeing what matters here: a worker in a QThread that sends its progress
// by queued signals, and a main thread that changes the worker's input list while it runs.

#include <QCoreApplication>
#include <QStringList>
#include <QThread>

#include <atomic>

class PlantedWorker : public QObject
{
    Q_OBJECT
public:
    QStringList paths;
    std::atomic<bool> stop{false};

signals:
    void progress(int step);

public slots:
    void run()
    {
        int total = 0;
        for (int step = 0; !stop && step < 100000; ++step) {
            emit progress(step);
            total += paths.size(); // read without a lock while the main thread writes
            QThread::usleep(100);
        }
        emit progress(total);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    PlantedWorker worker;
    worker.paths = QStringList{QStringLiteral("a.jpg"), QStringLiteral("b.jpg")};
    QThread thread;
    worker.moveToThread(&thread);
    QObject::connect(&thread, &QThread::started, &worker, &PlantedWorker::run);
    int received = 0;
    QObject::connect(&worker, &PlantedWorker::progress, &app, [&](int) {
        if (++received != 20)
            return;
        worker.paths = QStringList{QStringLiteral("c.jpg")}; // the planted race
        QThread::msleep(20);                                 // let the worker read again
        worker.stop = true;
        app.quit();
    });
    thread.start();
    app.exec();
    thread.quit();
    thread.wait();
    return 0;
}

#include "plantedrace.moc"
