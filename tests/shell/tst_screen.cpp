#include "common/screenfonts.h"
#include "shell/loginwindow.h"
#include "shell/parameterswindow.h"
#include "shell/startup.h"
#include "testsupport.h"

#include <QApplication>
#include <QFontInfo>
#include <QTest>

class TestScreen : public QObject {
    Q_OBJECT
private slots:
    void screenFonts_data();
    void screenFonts();
    void standardButtonsReadInFrench();
    void everyFieldHasACaption();
};

void TestScreen::screenFonts_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("bold");
    QTest::newRow("0") << 0 << "arial" << 8 << false;
    QTest::newRow("6") << 6 << "arial" << 14 << false;
    QTest::newRow("7") << 7 << "ms trebuchet" << 8 << false;
    QTest::newRow("13") << 13 << "ms trebuchet" << 14 << false;
    QTest::newRow("14") << 14 << "ms trebuchet" << 8 << true;
    QTest::newRow("17, titles") << 17 << "ms trebuchet" << 11 << true;
    QTest::newRow("20") << 20 << "ms trebuchet" << 14 << true;
    QTest::newRow("21") << 21 << "verdana" << 10 << true;
}

void TestScreen::screenFonts()
{
    QFETCH(int, number);
    QFETCH(QString, face);
    QFETCH(int, points);
    QFETCH(bool, bold);
    loadScreenFonts();
    const QFont &font = screenFont(number);
    QCOMPARE(font.families().first(), face);
    QCOMPARE(font.pointSize(), points);
    QCOMPARE(font.bold(), bold);
}

void TestScreen::standardButtonsReadInFrench()
{
    installFrenchTranslations(*qApp);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Oui"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&Non"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
}

void TestScreen::everyFieldHasACaption()
{
    TestDatabase db;
    LoginWindow login;
    QCOMPARE(unlabelledFields(&login), QStringList());
    ParametersWindow parameters;
    QCOMPARE(unlabelledFields(&parameters), QStringList());
}

QTEST_MAIN(TestScreen)
#include "tst_screen.moc"
