// Linux's browser opener, which gives the shell's codes for a missing local document itself; and
// the Windows program's icon file, which must stay the icon the window draws.

#include "Appearance.h"
#include "DesktopBrowserOpener.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

class tst_Platform : public QObject {
    Q_OBJECT

private slots:
    void missingLocalDocuments_data();
    void missingLocalDocuments();
    void windowsIconIsTheWindowIcon();
};

void tst_Platform::missingLocalDocuments_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("asFileUrl");
    QTest::addColumn<int>("code");
    QTest::newRow("missing file") << "missing.html" << false << 2;
    QTest::newRow("file URL, missing folder") << "nofolder/missing.html" << true << 3;
}

void tst_Platform::missingLocalDocuments()
{
    QFETCH(QString, relative);
    QFETCH(bool, asFileUrl);
    QFETCH(int, code);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(relative);
    const QString text = asFileUrl ? QUrl::fromLocalFile(path).toString() : path;
    norvil::DesktopBrowserOpener opener;
    QCOMPARE(opener.Open(text.toStdU16String()), code);
}

void tst_Platform::windowsIconIsTheWindowIcon()
{
    const QImage ring = norvil::RingIcon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    QImageReader reader(QStringLiteral(NORVIL_ICON_FILE));
    QCOMPARE(reader.imageCount(), 3);
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage frame = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!frame.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(frame, ring.scaled(frame.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
}

QTEST_MAIN(tst_Platform)
#include "tst_Platform.moc"
