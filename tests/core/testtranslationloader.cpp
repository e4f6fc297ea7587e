#include "app/translationloader.h"
#include "settings/settingskeys.h"
#include "testenv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestTranslationLoader : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void nameRule_data();
    void nameRule();
    void loadsCataloguesFromTheFolder_data();
    void loadsCataloguesFromTheFolder();

private:
    QTemporaryDir m_tempDir;
};

void TestTranslationLoader::initTestCase()
{
    QVERIFY(m_tempDir.isValid());
    TestEnv::isolate(m_tempDir);
}

void TestTranslationLoader::nameRule_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid = never written
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("catalogues");
    const QStringList byLocale{"qt_de_AT", "qtbase_de_AT", "de_AT"};
    QTest::newRow("absent") << QVariant() << "de_AT" << byLocale;
    QTest::newRow("empty") << QVariant(QString()) << "de_AT" << byLocale;
    QTest::newRow("sys") << QVariant(QStringLiteral("sys")) << "de_AT" << byLocale;
    QTest::newRow("code") << QVariant(QStringLiteral("ru")) << "ru"
                          << QStringList{"qt_ru", "qtbase_ru", "ru"};
}

void TestTranslationLoader::nameRule()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, name);
    QFETCH(QStringList, catalogues);
    QSettings settings;
    settings.remove(Keys::Translation.name());
    if (stored.isValid())
        Keys::Translation.write(settings, stored.toString());
    const QString result =
        TranslationLoader::translationName(Keys::Translation.read(settings), "de_AT");
    QCOMPARE(result, name);
    QCOMPARE(TranslationLoader::catalogueNames(result), catalogues);
}

void TestTranslationLoader::loadsCataloguesFromTheFolder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("loaded");
    QTest::addColumn<QString>("ownLog");
    QTest::addColumn<bool>("qtFolder"); // a system folder holding qt_de.qm and qtbase_de.qm
    QTest::newRow("code") << "de"
                          << "fr_FR" << QStringList{"de"} << "ok" << false;
    // The standard search cuts "_AT" and finds de.qm for the locale name.
    QTest::newRow("system locale") << "sys"
                                   << "de_AT" << QStringList{"de_AT"} << "ok" << false;
    // The English plural forms stand in for a catalogue that is missing.
    QTest::newRow("missing catalogue") << "xx"
                                       << "de_AT" << QStringList{"en"} << "failed" << true;
    QTest::newRow("Qt catalogues from the system folder")
        << "de"
        << "fr_FR" << QStringList{"qt_de", "qtbase_de", "de"} << "ok" << true;
}

void TestTranslationLoader::loadsCataloguesFromTheFolder()
{
    QFETCH(QString, stored);
    QFETCH(QString, locale);
    QFETCH(QStringList, loaded);
    QFETCH(QString, ownLog);
    QFETCH(bool, qtFolder);
    const QString built = QStringLiteral(KESTRIX_TRANSLATIONS_BUILD_DIR) + "/de.qm";
    if (!QFile::exists(built))
        QSKIP("the German catalogue has not been compiled");
    QTemporaryDir folder;
    QVERIFY(QFile::copy(built, folder.filePath("de.qm")));
    QVERIFY(QFile::copy(QStringLiteral(KESTRIX_TRANSLATIONS_BUILD_DIR) + "/en.qm",
                        folder.filePath("en.qm")));
    QTemporaryDir system;
    for (const char *name : {"qt_de.qm", "qtbase_de.qm"})
        QVERIFY(QFile::copy(built, system.filePath(name)));
    QSettings settings;
    Keys::Translation.write(settings, stored);

    QTest::ignoreMessage(
        QtDebugMsg,
        qPrintable(QStringLiteral("Locale \"%1\", translation \"%2\"").arg(locale, stored)));
    const QByteArray qtLog = loaded.contains("qt_de") ? "ok" : "failed";
    QTest::ignoreMessage(QtDebugMsg, ("Loading Qt translation: " + qtLog).constData());
    QTest::ignoreMessage(QtDebugMsg, ("Loading Qt Base translation: " + qtLog).constData());
    QTest::ignoreMessage(QtDebugMsg, qPrintable("Loading translation: " + ownLog));
    {
        TranslationLoader loader;
        loader.install(folder.path(), locale, qtFolder ? system.path() : QString());
        QCOMPARE(loader.loaded(), loaded);
        QCOMPARE(QCoreApplication::translate("MainWindow", "File"),
                 loaded.contains("de") || loaded.contains("de_AT") ? QStringLiteral("Datei")
                                                                   : QStringLiteral("File"));
        if (loaded == QStringList{"en"})
            QCOMPARE(
                QCoreApplication::translate("FlyData", "Block sliced to %n blocks", nullptr, 1),
                QStringLiteral("Block sliced to 1 block"));
    }
    // The catalogues leave with the loader.
    QCOMPARE(QCoreApplication::translate("MainWindow", "File"), QStringLiteral("File"));
}

QTEST_GUILESS_MAIN(TestTranslationLoader)
#include "testtranslationloader.moc"
