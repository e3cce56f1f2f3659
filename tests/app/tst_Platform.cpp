// The Linux platform services: the code page and the browser opener's codes;
// and the Windows executable's icon file, which must stay the icon the window draws.

#include "Appearance.h"
#include "DesktopBrowserOpener.h"
#include "LocaleCodePage.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#include <clocale>

class tst_Platform : public QObject {
    Q_OBJECT

private slots:
    void codePage_data();
    void codePage();
    void plainLocaleCountsAsUtf8();
    void missingLocalDocuments_data();
    void missingLocalDocuments();
    void windowsIconIsTheWindowIcon();
};

void tst_Platform::codePage_data()
{
    QTest::addColumn<QByteArray>("charset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("UTF-8 Japanese") << QByteArray("UTF-8") << QByteArray("アプリ=1.0>") << QStringLiteral("アプリ=1.0>");
    QTest::newRow("UTF-8 invalid byte") << QByteArray("UTF-8") << QByteArray("a\xFF" "b") << QStringLiteral("a\uFFFDb");
    QTest::newRow("UTF-8 encoded surrogate") << QByteArray("UTF-8") << QByteArray("\xED\xA0\x80z")
                                             << QStringLiteral("\uFFFD\uFFFD\uFFFDz");
    QTest::newRow("UTF-8 cut off at the end") << QByteArray("UTF-8") << QByteArray("x\xE3\x81") << QStringLiteral("x\uFFFD");
    QTest::newRow("UTF-8 NUL kept") << QByteArray("UTF-8") << QByteArray("a\0b", 3) << QString::fromUtf16(u"a\0b", 3);
    QTest::newRow("UTF-8 beyond the BMP") << QByteArray("UTF-8") << QByteArray("\xF0\x9F\x98\x80") << QString::fromUtf16(u"\U0001F600");
    QTest::newRow("EUC-JP") << QByteArray("EUC-JP") << QByteArray("\xA5\xA2\xA5\xD7\xA5\xEA=2") << QStringLiteral("アプリ=2");
    QTest::newRow("Shift_JIS") << QByteArray("SHIFT_JIS") << QByteArray("\x83\x41\x83\x76\x83\x8A") << QStringLiteral("アプリ");
    QTest::newRow("Latin-1 every byte decodes") << QByteArray("ISO-8859-1") << QByteArray("caf\xE9") << QStringLiteral("café");
    QTest::newRow("empty") << QByteArray("UTF-8") << QByteArray() << QString();
}

void tst_Platform::codePage()
{
    QFETCH(QByteArray, charset);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    const norvil::LocaleCodePage codePage(charset.toStdString());
    const std::u16string got = codePage.ToText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    QCOMPARE(QString::fromStdU16String(got), text);
}

void tst_Platform::plainLocaleCountsAsUtf8()
{
    const std::string saved = std::setlocale(LC_CTYPE, nullptr);
    std::setlocale(LC_CTYPE, "C");
    const norvil::LocaleCodePage codePage;
    std::setlocale(LC_CTYPE, saved.c_str());
    QCOMPARE(QByteArray::fromStdString(codePage.Charset()), QByteArray("UTF-8"));
    QCOMPARE(QString::fromStdU16String(codePage.ToText("\xE6\x97\xA5")), QStringLiteral("日"));
}

void tst_Platform::missingLocalDocuments_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("asFileUrl");
    QTest::addColumn<int>("code");
    QTest::newRow("missing file") << "missing.html" << false << 2;
    QTest::newRow("missing folder") << "nofolder/missing.html" << false << 3;
    QTest::newRow("file URL, missing file") << "missing.html" << true << 2;
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
