// The Qt window in each language the program carries: every page shows its whole text, drawn
// without boxes, with access keys that do not clash; the log's menu speaks the language; and a
// right-to-left language mirrors the window as drawn. Which language a user gets is the check's
// (tests/check).

#include "WindowRun.h"

#include "LogMenu.h"
#include "Texts.h"

#include <QGlyphRun>
#include <QMenu>
#include <QRawFont>
#include <QRegularExpression>
#include <QTextLayout>
#include <QtTest>

using norvil::Ctl;

namespace {

// Each glyph that text gets in font exists: no box for a letter the face lacks.
QString Boxes(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        if (run.glyphIndexes().contains(0))
            return QStringLiteral("boxes in \"%1\" (%2)").arg(text, run.rawFont().familyName());
    }
    return {};
}

// Every letter of text is in the face the font resolves to, not borrowed from another. (Format
// characters, such as the isolates around a filled-in name, are never drawn.)
QString Missing(const QString& text, const QFont& font)
{
    const QRawFont face = QRawFont::fromFont(font);
    for (const char32_t c : text.toUcs4()) {
        if (!face.supportsCharacter(c) && QChar::category(c) != QChar::Other_Format)
            return QStringLiteral("%1 has no U+%2 of \"%3\"").arg(face.familyName()).arg(quint32(c), 4, 16, QLatin1Char('0')).arg(text);
    }
    return {};
}

// A control's text without an access key, or with one that another control on its page has.
QString KeyFault(const QString& text, QList<QKeySequence>& keys)
{
    const QKeySequence key = QKeySequence::mnemonic(text);
    const bool fault = key.isEmpty() || keys.contains(key);
    keys << key;
    return fault ? QStringLiteral("\"%1\" has no access key of its own").arg(text) : QString();
}

// What is wrong with the page as shown: a text cut off or drawn with boxes, a button without its
// access key, two buttons with one key.
QString PageFaults(const FormWindow& window)
{
    QStringList faults;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window))
            continue;
        if (QFontMetrics(label->font()).horizontalAdvance(label->text()) > label->width())
            faults << QStringLiteral("\"%1\" is wider than its %2 pixels").arg(label->text()).arg(label->width());
        faults << Boxes(label->text(), label->font());
        if (label != window.Label(Ctl::Label1) && label != window.Label(Ctl::lblProg)) // the letters of the pages' own face
            faults << Missing(label->text(), label->font());
    }
    QList<QKeySequence> keys;
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(&window))
            continue;
        if (button->sizeHint().width() > button->width())
            faults << QStringLiteral("button \"%1\" needs %2 pixels, has %3").arg(button->text()).arg(button->sizeHint().width()).arg(button->width());
        faults << Boxes(QString(button->text()).remove(QLatin1Char('&')), button->font()) << KeyFault(button->text(), keys);
    }
    faults.removeAll(QString());
    return faults.join(QStringLiteral("; "));
}

} // namespace

class tst_Languages : public QObject {
    Q_OBJECT

private slots:
    void languages_data();
    void languages();
    void rightToLeft();
};

void tst_Languages::languages_data()
{
    QTest::addColumn<QString>("language");
    // Every translation the program carries, and Japanese.
    std::vector<std::u16string> languages = norvil::AvailableTranslations();
    languages.insert(languages.begin(), u"ja");
    for (const std::u16string& name : languages)
        QTest::newRow(qPrintable(QString::fromStdU16String(name))) << QString::fromStdU16String(name);
}

void tst_Languages::languages()
{
    QFETCH(QString, language);

    // The words put the log on screen too.
    WindowRun run(QStringLiteral("App 1.0 u1 u2 /d"), language);
    QCOMPARE(QString::fromStdU16String(run.form->Language()), language);
    QStringList faults;
    for (const auto& [page, show] : EveryPage(*run.form)) {
        show();
        if (const QString found = PageFaults(run.window); !found.isEmpty())
            faults << QStringLiteral("%1 page: %2").arg(QLatin1String(page), found);
    }

    // The log's menu: every entry in the window's language, each with an access key of its own.
    const std::unique_ptr<QMenu> menu(run.window.Log()->CreateContextMenu());
    const std::unique_ptr<QMenu> qts(run.window.Log()->createStandardContextMenu());
    QList<QKeySequence> keys;
    for (qsizetype i = 0; i < menu->actions().size(); ++i) {
        const QString text = menu->actions().at(i)->text();
        if (menu->actions().at(i)->isSeparator())
            continue;
        if (language != QLatin1String("en") && text == qts->actions().at(i)->text())
            faults << QStringLiteral("menu entry \"%1\" is Qt's English").arg(text);
        faults << KeyFault(text, keys) << Boxes(text.section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')), menu->font());
    }
    faults.removeAll(QString());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));

    // The log, with the failures' reasons and the browser's, in the log's own face.
    for (const int result : {2, 3, 31}) {
        run.platform.Result = result;
        run.form->cmdOK_Click();
    }
    QCOMPARE(Missing(run.window.LogText().remove(QRegularExpression(QStringLiteral("[\t\r\n]"))), run.window.Log()->font()), QString());
}

void tst_Languages::rightToLeft()
{
    WindowRun leftToRight(QStringLiteral("App 1.0 u1 u2 /d"), QStringLiteral("en"));
    WindowRun run(QStringLiteral("App 1.0 u1 u2 /d"), QStringLiteral("ar"));
    FormWindow& window = run.window;
    QVERIFY(window.isRightToLeft());

    // Every control in the mirror image of its place in a left-to-right window.
    for (Ctl control : {Ctl::fraPage0, Ctl::fraPage1, Ctl::lblMsg1, Ctl::lblProg, Ctl::lblMsg2, Ctl::lblMsg3, Ctl::cmdOK, Ctl::cmdClose,
                        Ctl::Label1, Ctl::txtLog}) {
        const QWidget* mirrored = window.Widget(control);
        const QRect designed = leftToRight.window.Widget(control)->geometry();
        QCOMPARE(mirrored->geometry(),
                 QRect(mirrored->parentWidget()->width() - designed.right() - 1, designed.y(), designed.width(), designed.height()));
    }

    // Texts end at the right edge of their labels.
    run.form->ShowUpdatePage(VersionOf(u"2.10.3"));
    for (QLabel* label : {window.Label(Ctl::lblMsg2), window.Label(Ctl::lblMsg3)}) {
        const QImage drawn = label->grab().toImage();
        int inkRight = 0;
        for (int x = 0; x < drawn.width(); ++x)
            for (int y = 0; y < drawn.height(); ++y)
                if (qGray(drawn.pixel(x, y)) < 128)
                    inkRight = x;
        QVERIFY2(inkRight >= drawn.width() - 4, qPrintable(label->text()));
    }

    // The log reads left to right; its menu goes the window's way.
    QCOMPARE(window.Log()->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(std::unique_ptr<QMenu>(window.Log()->CreateContextMenu())->layoutDirection(), Qt::RightToLeft);
}

QTEST_MAIN(tst_Languages)
#include "tst_Languages.moc"
