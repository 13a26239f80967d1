#include "shell/pictures.h"

#include <QImage>
#include <QSet>
#include <QtTest>

namespace {

// Pictures are painted off screen; no display is needed to check them.
const bool kHeadless = [] {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}();

QImage imageOf(int number)
{
    return pictures::picture(number).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool fullyOpaque(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 255)
                return false;
    return true;
}

int differingPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                ++count;
    return count;
}

int luminance(QRgb pixel)
{
    return qGray(pixel);
}

void addIconRows()
{
    for (int number = pictures::FirstToolButton; number <= pictures::LastToolButton; ++number)
        QTest::addRow("icon %d", number) << number;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void geometry_data();
    void geometry();
    void unknownNumberIsNull_data();
    void unknownNumberIsNull();
    void iconIsDrawn_data();
    void iconIsDrawn();
    void iconDiffersFromTheOthers_data();
    void iconDiffersFromTheOthers();
    void tileLooksRaised();
    void preparingAgainKeepsThePictures();
};

void TestPictures::initTestCase()
{
    Q_UNUSED(kHeadless);
    pictures::preparePictures();
}

void TestPictures::geometry_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QSize>("size");
    // Opaque pictures are shown or printed as they are; icons sit on the toolbar's own colour.
    QTest::addColumn<bool>("opaque");

    QTest::newRow("login banner") << int(pictures::Login) << QSize(653, 255) << true;
    QTest::newRow("main window") << int(pictures::Main) << QSize(1171, 608) << true;
    QTest::newRow("document header") << int(pictures::DocumentHeader) << QSize(997, 194) << true;
    for (int number = pictures::FirstToolButton; number <= pictures::LastToolButton; ++number)
        QTest::addRow("icon %d", number) << number << QSize(32, 32) << false;
    QTest::newRow("tile") << int(pictures::Tile) << QSize(32, 32) << true;
}

void TestPictures::geometry()
{
    QFETCH(int, number);
    QFETCH(QSize, size);
    QFETCH(bool, opaque);

    const QPixmap &pixmap = pictures::picture(number);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.size(), size);

    const QImage image = imageOf(number);
    if (opaque) {
        QVERIFY(fullyOpaque(image));
    } else {
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
    }
}

void TestPictures::unknownNumberIsNull_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("between main and header") << 2;
    QTest::newRow("just before header") << 98;
    QTest::newRow("just after tile") << 120;
    QTest::newRow("negative") << -1;
}

void TestPictures::unknownNumberIsNull()
{
    QFETCH(int, number);
    QVERIFY(pictures::picture(number).isNull());
}

void TestPictures::iconIsDrawn_data()
{
    QTest::addColumn<int>("number");
    addIconRows();
}

void TestPictures::iconIsDrawn()
{
    QFETCH(int, number);
    const QImage image = imageOf(number);

    QSet<QRgb> colours;
    int covered = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 255) {
                colours.insert(pixel);
                ++covered;
            }
        }
    }
    // An outline plus at least a couple of fills, spread over a fair part of the button.
    QVERIFY2(colours.size() >= 4, qPrintable(QStringLiteral("%1 colours").arg(colours.size())));
    const int area = image.width() * image.height();
    QVERIFY2(covered > area / 5, qPrintable(QStringLiteral("%1 opaque pixels").arg(covered)));
    QVERIFY2(covered < area * 9 / 10, qPrintable(QStringLiteral("%1 opaque pixels").arg(covered)));
}

void TestPictures::iconDiffersFromTheOthers_data()
{
    QTest::addColumn<int>("number");
    addIconRows();
}

void TestPictures::iconDiffersFromTheOthers()
{
    QFETCH(int, number);
    const QImage image = imageOf(number);
    // Buttons must be told apart at a glance, not by a few stray pixels.
    const int enough = image.width() * image.height() / 10;
    for (int other = pictures::FirstToolButton; other <= pictures::LastToolButton; ++other) {
        if (other == number)
            continue;
        const int differing = differingPixels(image, imageOf(other));
        QVERIFY2(differing >= enough,
            qPrintable(QStringLiteral("only %1 pixels differ from icon %2").arg(differing).arg(other)));
    }
}

void TestPictures::tileLooksRaised()
{
    const QImage tile = imageOf(pictures::Tile);
    const int last = tile.width() - 1;
    const int middle = tile.width() / 2;
    const QRgb face = tile.pixel(middle, middle);

    QCOMPARE(qRed(face), qGreen(face));
    QCOMPARE(qGreen(face), qBlue(face));
    QVERIFY(luminance(tile.pixel(middle, 0)) > luminance(face));
    QVERIFY(luminance(tile.pixel(0, middle)) > luminance(face));
    QVERIFY(luminance(tile.pixel(middle, last)) < luminance(face));
    QVERIFY(luminance(tile.pixel(last, middle)) < luminance(face));
}

void TestPictures::preparingAgainKeepsThePictures()
{
    QList<qint64> before;
    for (int number : {int(pictures::Login), int(pictures::Main), int(pictures::DocumentHeader)})
        before << pictures::picture(number).cacheKey();
    for (int number = pictures::FirstToolButton; number <= pictures::Tile; ++number)
        before << pictures::picture(number).cacheKey();

    pictures::preparePictures();

    QList<qint64> after;
    for (int number : {int(pictures::Login), int(pictures::Main), int(pictures::DocumentHeader)})
        after << pictures::picture(number).cacheKey();
    for (int number = pictures::FirstToolButton; number <= pictures::Tile; ++number)
        after << pictures::picture(number).cacheKey();
    QCOMPARE(after, before);
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
