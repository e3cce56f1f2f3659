// The platform services that make decisions of their own: the code page (what becomes of bytes
// that do not decode) and the Linux browser opener's codes; and the Windows executable's icon
// file, which must stay the icon the window draws.

#include "Appearance.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_WIN
#include "WindowsCodePage.h"
using PlatformCodePage = norvil::WindowsCodePage;
#else
#include "DesktopBrowserOpener.h"
#include "LocaleCodePage.h"
#include <clocale>
using PlatformCodePage = norvil::LocaleCodePage;
#endif

class tst_Platform : public QObject {
    Q_OBJECT

private slots:
    void codePage_data();
    void codePage();
    void defaultCodePage();
    void missingLocalDocuments_data();
    void missingLocalDocuments();
    void windowsIconIsTheWindowIcon();
};

void tst_Platform::codePage_data()
{
    // Bytes that do not decode, each row in a code page named twice: as iconv knows it and by
    // its Windows number.
    QTest::addColumn<QByteArray>("charset");
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    auto row = [](const char* tag, const char* charset, int codePage, const QByteArray& bytes, const QString& text) {
        QTest::newRow(tag) << QByteArray(charset) << codePage << bytes << text;
    };
    row("UTF-8 invalid byte", "UTF-8", 65001, "a\xFF" "b", "a\uFFFDb");
    row("UTF-8 cut off at the end", "UTF-8", 65001, "x\xE3\x81", "x\uFFFD");
    row("Shift_JIS undecodable byte", "SHIFT_JIS", 932, "a\xFF" "b", "a\uFFFDb");
    row("Shift_JIS lead byte cut off at the end", "SHIFT_JIS", 932, "x\x82", "x\uFFFD");
    row("Shift_JIS lead byte before a line feed", "SHIFT_JIS", 932, "x\x82\ny", "x\uFFFD\ny");

    // Large bodies: one bad byte among many lines is replaced alone, and so is one at the end of
    // a long line without a line feed.
    QByteArray lines;
    QString linesText;
    for (int i = 0; i < 50000; ++i) {
        const bool bad = i == 25000;
        lines += bad ? "MyApp=\xFF>\n" : "\x83\x41\x83\x76=1.0>\n";
        linesText += bad ? QStringLiteral("MyApp=\uFFFD>\n") : QStringLiteral("アプ=1.0>\n");
    }
    row("one bad byte among 50000 lines", "SHIFT_JIS", 932, lines, linesText);
    row("300000 bytes on one line, then a bad byte", "SHIFT_JIS", 932, QByteArray(300000, 'z') + "\xFF", QString(300000, u'z') + QChar(0xFFFD));
}

void tst_Platform::codePage()
{
    QFETCH(QByteArray, charset);
    QFETCH(int, codePage);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

#ifdef Q_OS_WIN
    const PlatformCodePage converter(static_cast<unsigned>(codePage));
#else
    Q_UNUSED(codePage);
    const PlatformCodePage converter(charset.toStdString());
#endif
    const std::u16string got = converter.ToText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    QCOMPARE(QString::fromStdU16String(got), text);
}

void tst_Platform::defaultCodePage()
{
#ifdef Q_OS_WIN
    QSKIP("Windows names its ANSI code page itself");
#else
    // The locale's character set; the plain C/POSIX locale counts as UTF-8.
    const std::string saved = std::setlocale(LC_CTYPE, nullptr);
    std::setlocale(LC_CTYPE, "C");
    const PlatformCodePage codePage;
    std::setlocale(LC_CTYPE, saved.c_str());
    QCOMPARE(QByteArray::fromStdString(codePage.Charset()), QByteArray("UTF-8"));
#endif
}

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
#ifdef Q_OS_WIN
    QSKIP("On Windows the shell itself gives these codes; the program only passes them on");
#else
    QFETCH(QString, relative);
    QFETCH(bool, asFileUrl);
    QFETCH(int, code);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(relative);
    const QString text = asFileUrl ? QUrl::fromLocalFile(path).toString() : path;
    norvil::DesktopBrowserOpener opener;
    QCOMPARE(opener.Open(text.toStdU16String()), code);
#endif
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
