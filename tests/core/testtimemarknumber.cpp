#include "timemarks/timemarknumber.h"

#include <QtTest>

class TestTimemarkNumber : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
};

void TestTimemarkNumber::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("degrees");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    auto row = [](const char *tag, const QString &text, bool degrees, bool ok, double value) {
        QTest::newRow(tag) << text << degrees << ok << value;
    };
    row("plain", "6000000.030", false, true, 6000000.03);
    row("blank grouping and decimal comma", "1 234,5", false, true, 1234.5);
    row("comma grouping is not a number", "1,234.5", false, false, 0.0);
    row("decimal comma", "12,5", false, true, 12.5);
    row("groups of three", "-1 234 567.25", false, true, -1234567.25);
    row("no-break space grouping", QStringLiteral("6\u00a0000\u202f000,5"), false, true, 6000000.5);
    row("blanks that are no grouping", "12 5", false, false, 0.0);
    row("surrounding blanks", "  42 ", false, true, 42.0);
    row("plus sign", "+30.30", false, true, 30.3);
    row("exponent", "1.5e3", false, true, 1500.0);
    row("empty", "", false, false, 0.0);
    row("word", "corrupt", false, false, 0.0);
    row("unit", "5.0 m", false, false, 0.0);
    row("two points", "1.5.2", false, false, 0.0);
    row("not finite", "nan", false, false, 0.0);
    row("infinite", "inf", false, false, 0.0);
    row("hexadecimal", "0x10", false, false, 0.0);
    row("full-width digits", QStringLiteral("\uff11\uff12"), false, false, 0.0);
    row("double sign", "+-5", false, false, 0.0);
    row("dms as metres is no number", "29 59 59.97974", false, false, 0.0);
    row("dms", "29 59 59.97974", true, true, 29.0 + 59.0 / 60.0 + 59.97974 / 3600.0);
    row("dms joined with trailing blank", "94 59 59.97412 ", true, true,
        94.0 + 59.0 / 60.0 + 59.97412 / 3600.0);
    row("dms west", "-105 08 50.09", true, true, -(105.0 + 8.0 / 60.0 + 50.09 / 3600.0));
    row("dms minutes out of range", "29 60 00", true, false, 0.0);
    row("dms seconds out of range", "29 59 60.5", true, false, 0.0);
    row("grouping still read among degrees", "1 234 567", true, true, 1234567.0);
    row("plain degrees", "-105.147247371", true, true, -105.147247371);
}

void TestTimemarkNumber::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, degrees);
    QFETCH(bool, ok);
    QFETCH(double, value);
    bool read = !ok;
    const double result = TimemarkNumber::parse(text, &read, degrees);
    QCOMPARE(read, ok);
    QCOMPARE(result, value);
}

QTEST_GUILESS_MAIN(TestTimemarkNumber)
#include "testtimemarknumber.moc"
