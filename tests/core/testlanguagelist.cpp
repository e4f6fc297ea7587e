#include "app/languagelist.h"
#include "testenv.h"
#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestLanguageList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void onlyLanguagesWithCatalogue_data();
    void onlyLanguagesWithCatalogue();

private:
    QTemporaryDir m_tempDir;
};

void TestLanguageList::initTestCase()
{
    QVERIFY(m_tempDir.isValid());
    TestEnv::isolate(m_tempDir);
}

void TestLanguageList::onlyLanguagesWithCatalogue_data()
{
    QTest::addColumn<QByteArray>("conf");      // null: no translations.conf at all
    QTest::addColumn<QStringList>("expected"); // "name=code" of each entry, in order
    QTest::newRow("no file") << QByteArray() << QStringList();
    QTest::newRow("comment, no '=', no catalogue")
        << QByteArray("# Deutsch=de\nDeutsch de\nFrançais=fr\nDeutsch=de\n")
        << QStringList{"Deutsch=de"};
    QTest::newRow("Windows line ends, UTF-8 names")
        << QByteArray("Русский=ru\r\nDeutsch=de\r\n")
        << QStringList{QStringLiteral("Русский=ru"), "Deutsch=de"};
    QTest::newRow("two '=', short code, empty name")
        << QByteArray("Deutsch=de=x\nDeutsch=d\n=de\nD=d\r\n") << QStringList();
}

void TestLanguageList::onlyLanguagesWithCatalogue()
{
    QFETCH(QByteArray, conf);
    QFETCH(QStringList, expected);
    const QString built = QStringLiteral(KESTRIX_TRANSLATIONS_BUILD_DIR) + "/de.qm";
    if (!QFile::exists(built))
        QSKIP("the German catalogue has not been compiled");
    QTemporaryDir folder;
    for (const char *name : {"de.qm", "ru.qm"})
        QVERIFY(QFile::copy(built, folder.filePath(name)));
    if (!conf.isNull())
        QVERIFY(TestFiles::write(folder.filePath("translations.conf"), conf));
    QStringList found;
    for (const LanguageList::Language &language : LanguageList::read(folder.path())) {
        found << language.name + '=' + language.code;
        QCOMPARE(language.iconPath, folder.filePath(language.code + ".png"));
    }
    QCOMPARE(found, expected);
}

QTEST_GUILESS_MAIN(TestLanguageList)
#include "testlanguagelist.moc"
