#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;   //!< tells apart equal sources of one context
    QString type;      //!< "unfinished", "vanished", "obsolete" or empty
    QStringList forms; //!< the translation, or each plural form
    bool numerus = false;

    QString name() const
    {
        return QStringLiteral("[%1] \"%2\"%3")
            .arg(context, source,
                 comment.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(comment));
    }
};

QList<Message> readCatalogue(const QString &path, QString *language)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            messages << message;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const QString tag = xml.name().toString();
        if (tag == QLatin1String("TS")) {
            *language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (tag == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (tag == QLatin1String("message")) {
            message = Message();
            message.context = context;
            message.numerus = xml.attributes().value(QLatin1String("numerus")) == "yes";
        } else if (tag == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (tag == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (tag == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!message.numerus)
                message.forms << xml.readElementText();
        } else if (tag == QLatin1String("numerusform")) {
            message.forms << xml.readElementText();
        }
    }
    return messages;
}

QStringList catalogues()
{
    return QDir(QStringLiteral(KESTRIX_SOURCE_DIR "/translations"))
        .entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name);
}

/// Runs lupdate over the program's sources into @p ts; returns its complaints.
QString runLupdate(const QString &ts, bool pluralsOnly, bool *ok)
{
    QStringList args{QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("src"),
                     QStringLiteral("-ts"), ts};
    if (pluralsOnly)
        args.prepend(QStringLiteral("-pluralonly"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(KESTRIX_SOURCE_DIR));
    lupdate.start(QStringLiteral(KESTRIX_LUPDATE_PATH), args);
    *ok = lupdate.waitForFinished(60000) && lupdate.exitStatus() == QProcess::NormalExit &&
          lupdate.exitCode() == 0;
    return QString::fromUtf8(lupdate.readAllStandardError());
}

/// What a translation must carry over from its source unchanged.
QStringList markers(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(
        "%L?\\d+|%n|</?[a-zA-Z][^>]*>|&(?![a-z#]+;)|"
        // technical tokens: options, tag and file names
        "--[a-z][a-z0-9-]*|\\b(?:Exif|Xmp|Iptc)\\.[\\w.*-]*\\w|[\\w*]+\\.(?:txt|csv|pos|jpe?g|JPG|"
        "qm|conf)\\b"));
    QStringList found;
    auto it = pattern.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    std::sort(found.begin(), found.end());
    return found;
}

QString edges(const QString &text)
{
    static const QRegularExpression lead(QStringLiteral("^\\s*"));
    static const QRegularExpression trail(QStringLiteral("[\\s:]*$"));
    return lead.match(text).captured() + QLatin1Char('|') + trail.match(text).captured();
}

} // namespace

/**
 * The catalogues in translations/ against the sources: every text the program can show is
 * translated, none is left over from texts that are gone, and no translation loses a
 * placeholder, markup or a technical name.
 */
class TestCatalogues : public QObject
{
    Q_OBJECT
private slots:
    void sourcesGiveEveryTextItsContext();
    void catalogueMatchesTheSources_data();
    void catalogueMatchesTheSources();
    void translationsKeepWhatTheProgramFillsIn_data();
    void translationsKeepWhatTheProgramFillsIn();
};

void TestCatalogues::sourcesGiveEveryTextItsContext()
{
    // A text lupdate cannot place (a tr() outside a class that declares it) is missing from
    // the catalogues or filed under another context than the one the program looks up.
    QTemporaryDir dir;
    bool ok = false;
    const QString complaints = runLupdate(dir.filePath(QStringLiteral("all.ts")), false, &ok);
    QVERIFY(ok);
    QVERIFY2(complaints.isEmpty(), qPrintable(complaints));
}

void TestCatalogues::catalogueMatchesTheSources_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : catalogues())
        QTest::newRow(qPrintable(name)) << name;
    QVERIFY(catalogues().contains(QStringLiteral("de.ts")));
    QVERIFY(catalogues().contains(QStringLiteral("ru.ts")));
}

void TestCatalogues::catalogueMatchesTheSources()
{
    QFETCH(QString, name);
    // lupdate over a copy marks new texts unfinished and texts that are gone vanished.
    QTemporaryDir dir;
    const QString copy = dir.filePath(name);
    QVERIFY(QFile::copy(QStringLiteral(KESTRIX_SOURCE_DIR "/translations/") + name, copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QString language;
    readCatalogue(copy, &language);
    bool ok = false;
    runLupdate(copy, language.startsWith(QLatin1String("en")), &ok);
    QVERIFY(ok);

    QStringList faults;
    for (const Message &m : readCatalogue(copy, &language)) {
        if (m.type == QLatin1String("unfinished"))
            faults << m.name() + QStringLiteral(" is not translated (or new)");
        else if (!m.type.isEmpty())
            faults << m.name() + QStringLiteral(" is no longer in the sources");
        else if (m.forms.isEmpty() || m.forms.contains(QString()))
            faults << m.name() + QStringLiteral(" has an empty translation");
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestCatalogues::translationsKeepWhatTheProgramFillsIn_data()
{
    catalogueMatchesTheSources_data();
}

void TestCatalogues::translationsKeepWhatTheProgramFillsIn()
{
    QFETCH(QString, name);
    QString language;
    const QList<Message> messages =
        readCatalogue(QStringLiteral(KESTRIX_SOURCE_DIR "/translations/") + name, &language);
    QVERIFY(!messages.isEmpty());
    QStringList faults;
    for (const Message &m : messages) {
        for (const QString &form : m.forms) {
            if (form.isEmpty())
                continue;
            if (markers(form) != markers(m.source))
                faults << QStringLiteral("%1 -> \"%2\": placeholders, markup or names differ")
                              .arg(m.name(), form);
            if (edges(form) != edges(m.source))
                faults << QStringLiteral("%1 -> \"%2\": leading or trailing spaces or colon differ")
                              .arg(m.name(), form);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestCatalogues)
#include "testcatalogues.moc"
