#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString SourceDir = QStringLiteral(KESTRIX_SOURCE_DIR "/src/gui");

QStringList files(const QString &pattern)
{
    QStringList found;
    QDirIterator it(SourceDir, {pattern}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    std::sort(found.begin(), found.end());
    return found;
}

/// Index just past the literal or parenthesis group that starts at @p i.
int skipLiteral(const QString &code, int i)
{
    const QChar quote = code.at(i);
    for (++i; i < code.size() && code.at(i) != quote; ++i) {
        if (code.at(i) == QLatin1Char('\\'))
            ++i;
    }
    return i + 1;
}

int closingParenthesis(const QString &code, int open)
{
    int depth = 0;
    for (int i = open; i < code.size();) {
        const QChar c = code.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            i = skipLiteral(code, i);
            continue;
        }
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')') && --depth == 0)
            return i;
        ++i;
    }
    return code.size() - 1;
}

/// The code with comments blanked out, string literals and line breaks kept.
QString withoutComments(const QString &code)
{
    QString out = code;
    for (int i = 0; i < out.size();) {
        const QChar c = out.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            i = skipLiteral(out, i);
        } else if (out.midRef(i, 2) == QLatin1String("//")) {
            for (; i < out.size() && out.at(i) != QLatin1Char('\n'); ++i)
                out[i] = QLatin1Char(' ');
        } else if (out.midRef(i, 2) == QLatin1String("/*")) {
            const int end = out.indexOf(QLatin1String("*/"), i + 2);
            for (const int stop = end < 0 ? out.size() : end + 2; i < stop; ++i) {
                if (out.at(i) != QLatin1Char('\n'))
                    out[i] = QLatin1Char(' ');
            }
        } else {
            ++i;
        }
    }
    return out;
}

/**
 * Whether a literal handed to a text setter is no text: no letters, a resource path, a
 * style sheet, an object name, or markup around placeholders ("<a href=\"%1\">%1</a>").
 */
bool isNoText(const QString &literal)
{
    static const QRegularExpression markup(QStringLiteral("<[^>]*>|&[a-z#0-9]+;|%L?\\d+|\\\\."));
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    static const QRegularExpression objectName(QStringLiteral("^[a-z]+_[A-Za-z0-9_]+$"));
    QString text = literal;
    text.remove(markup);
    return !text.contains(letter) || literal.startsWith(QLatin1Char(':')) ||
           literal.contains(QLatin1Char('{')) || objectName.match(literal).hasMatch() ||
           // the program's name is the same in every language
           literal.trimmed() == QLatin1String("Kestrix");
}

} // namespace

/**
 * Every text a window shows passes through tr(): string literals handed to the setters of
 * visible texts in the window code, and the strings of the forms.
 */
class TestTranslatableTexts : public QObject
{
    Q_OBJECT
private slots:
    void windowCodeTranslatesItsTexts_data();
    void windowCodeTranslatesItsTexts();
    void formsTranslateTextsAndNothingElse_data();
    void formsTranslateTextsAndNothingElse();
};

void TestTranslatableTexts::windowCodeTranslatesItsTexts_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &path : files(QStringLiteral("*.cpp")))
        QTest::newRow(qPrintable(path.mid(SourceDir.size() + 1))) << path;
}

void TestTranslatableTexts::windowCodeTranslatesItsTexts()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString code = withoutComments(QString::fromUtf8(file.readAll()));

    // Calls whose arguments are shown to the user, the program's own seams included.
    static const QRegularExpression call(QStringLiteral(
        "\\b(?:set(?:Text|WindowTitle|ToolTip|StatusTip|WhatsThis|PlaceholderText|Title|"
        "LabelText|TabText|TabToolTip|ItemText|HeaderLabels|HorizontalHeaderLabels|"
        "VerticalHeaderLabels|Suffix|Prefix|SpecialValueText|Name|Label|AccessibleName|"
        "AccessibleDescription|ButtonText|NameFilters?|Errors|PopupText|Curve)|"
        "add(?:Tab|Action|Menu|Item|Items)|insert(?:Tab|Item|Items)|showMessage|information|"
        "warning|critical|question|about|ask|notify|toSetMetaLable|title|button|"
        "get(?:OpenFileNames?|SaveFileName|ExistingDirectory)|existingDirectory|"
        "new\\s+(?:QLabel|QPushButton|QToolButton|QCheckBox|QRadioButton|QGroupBox|QAction|"
        "QMenu|QTableWidgetItem|QListWidgetItem|QStandardItem|QCPTextElement|PopUp)|"
        "QMessageBox\\s+\\w+|QFileDialog\\s+\\w+)\\s*\\("));
    static const QRegularExpression translated(
        QStringLiteral("\\b(?:tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP|qtTrId)\\s*\\("));
    static const QRegularExpression literal(QStringLiteral("\"(?:[^\"\\\\]|\\\\.)*\""));

    QStringList faults;
    auto it = call.globalMatch(code);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const int open = m.capturedEnd() - 1;
        QString args = code.mid(open, closingParenthesis(code, open) - open + 1);
        // Translated texts are fine, whatever they hold.
        for (QRegularExpressionMatch t = translated.match(args); t.hasMatch();
             t = translated.match(args)) {
            const int from = t.capturedStart();
            const int close = closingParenthesis(args, t.capturedEnd() - 1);
            args.replace(from, close - from + 1, QStringLiteral("_"));
        }
        // Adjacent literals are one text.
        QStringList texts;
        int end = -1;
        auto lit = literal.globalMatch(args);
        while (lit.hasNext()) {
            const QRegularExpressionMatch l = lit.next();
            const QString text = l.captured().mid(1).chopped(1);
            if (end >= 0 && args.midRef(end, l.capturedStart() - end).trimmed().isEmpty())
                texts.last() += text;
            else
                texts << text;
            end = l.capturedEnd();
        }
        for (const QString &text : qAsConst(texts)) {
            if (!isNoText(text))
                faults << QStringLiteral("line %1: %2(... \"%3\" ...)")
                              .arg(code.leftRef(open).count(QLatin1Char('\n')) + 1)
                              .arg(m.captured().chopped(1), text);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestTranslatableTexts::formsTranslateTextsAndNothingElse_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &path : files(QStringLiteral("*.ui")))
        QTest::newRow(qPrintable(path.mid(SourceDir.size() + 1))) << path;
}

void TestTranslatableTexts::formsTranslateTextsAndNothingElse()
{
    QFETCH(QString, path);
    static const QStringList visible{"text",
                                     "title",
                                     "windowTitle",
                                     "toolTip",
                                     "statusTip",
                                     "whatsThis",
                                     "placeholderText",
                                     "suffix",
                                     "prefix",
                                     "specialValueText",
                                     "label",
                                     "accessibleName",
                                     "accessibleDescription",
                                     "windowIconText"};
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString property;
    QStringList faults;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("property") || xml.name() == QLatin1String("attribute")) {
            property = xml.attributes().value(QLatin1String("name")).toString();
        } else if (xml.name() == QLatin1String("string")) {
            const bool notr = xml.attributes().value(QLatin1String("notr")) == "true";
            const QString text = xml.readElementText();
            const int line = int(xml.lineNumber());
            // Style sheets and symbols handed to translators only clutter the catalogues.
            const bool isText = visible.contains(property) && !isNoText(text);
            if (isText && notr)
                faults << QStringLiteral("line %1: %2 \"%3\" is not translatable")
                              .arg(line)
                              .arg(property, text);
            else if (!isText && !notr && !text.isEmpty())
                faults << QStringLiteral("line %1: %2 \"%3\" is no text: mark it notr")
                              .arg(line)
                              .arg(property, text);
        }
    }
    QVERIFY(!xml.hasError());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslatableTexts)
#include "testtranslatabletexts.moc"
