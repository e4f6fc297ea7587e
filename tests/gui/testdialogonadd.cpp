#include "blocks/dialogonadd.h"
#include "scriptedprompts.h"
#include "testenv.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestDialogOnAdd : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void choice_data();
    void choice();

private:
    QTemporaryDir m_dir;
};

void TestDialogOnAdd::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
}

void TestDialogOnAdd::choice_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("stores");
    QTest::addColumn<int>("onAdd");
    QTest::newRow("add once") << 0 << int(QDialogButtonBox::Yes) << int(QDialog::Accepted) << false
                              << 1;
    QTest::newRow("replace from now on")
        << 1 << int(QDialogButtonBox::YesToAll) << int(QDialog::Accepted) << true << 2;
    QTest::newRow("add from now on")
        << 0 << int(QDialogButtonBox::YesToAll) << int(QDialog::Accepted) << true << 1;
    QTest::newRow("cancel") << 1 << int(QDialogButtonBox::Cancel) << int(QDialog::Rejected) << false
                            << 2;
}

void TestDialogOnAdd::choice()
{
    QFETCH(int, index);
    QFETCH(int, button);
    QFETCH(int, result);
    QFETCH(bool, stores);
    QFETCH(int, onAdd);
    struct Answer : ScriptedPrompts
    {
        int index = 0;
        int button = 0;
        int exec(QDialog &dialog) override
        {
            dialog.findChild<QComboBox *>(QStringLiteral("comboBox"))->setCurrentIndex(index);
            dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
                ->button(QDialogButtonBox::StandardButton(button))
                ->click();
            return dialog.result();
        }
    };
    auto *answer = new Answer;
    answer->index = index;
    answer->button = button;
    UserPrompts::setInstance(answer);
    DialogOnAdd dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Add timemarks"));
    QCOMPARE(dialog.exec(), result);
    QCOMPARE(int(dialog.choice()), index);
    QCOMPARE(dialog.storesChoice(), stores);
    QCOMPARE(dialog.onAddValue(), onAdd);
    UserPrompts::setInstance(nullptr);
}

QTEST_MAIN(TestDialogOnAdd)
#include "testdialogonadd.moc"
