// The window in each language: which translation the user's environment gets; that every page
// of every translation the program carries shows its whole text, drawn without boxes, with
// access keys that do not clash; and that a right-to-left language mirrors the window. The
// system locale is read once per process, so each row runs again in a child process started
// with the row's environment.

#include "Language.h"
#include "LogTextBox.h"
#include "WindowRun.h"

#include <QGlyphRun>
#include <QMenu>
#include <QProcess>
#include <QRawFont>
#include <QTextLayout>
#include <QtTest>

#include <functional>

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
QString PageFaults(const frmMain& form)
{
    QStringList faults;
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&form))
            continue;
        if (QFontMetrics(label->font()).horizontalAdvance(label->text()) > label->width())
            faults << QStringLiteral("\"%1\" is wider than its %2 pixels").arg(label->text()).arg(label->width());
        faults << Boxes(label->text(), label->font());
        if (label != form.Label1 && label != form.lblProg) // the letters of the pages' own face
            faults << Missing(label->text(), label->font());
    }
    QList<QKeySequence> keys;
    for (const QPushButton* button : form.findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(&form))
            continue;
        if (button->sizeHint().width() > button->width())
            faults << QStringLiteral("button \"%1\" needs %2 pixels, has %3").arg(button->text()).arg(button->sizeHint().width()).arg(button->width());
        faults << Boxes(QString(button->text()).remove(QLatin1Char('&')), button->font()) << KeyFault(button->text(), keys);
    }
    faults.removeAll(QString());
    return faults.join(QStringLiteral("; "));
}

// In the parent: runs the current row again in a child with this environment (assignments
// separated by blanks), in place of the caller's language variables.
void RunInChild(const QString& environment)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(QString::fromLatin1(name));
    for (const QString& assignment : environment.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        env.insert(assignment.section(QLatin1Char('='), 0, 0), assignment.section(QLatin1Char('='), 1));
    env.insert(QStringLiteral("NORVIL_LANGUAGE_ROW"), QStringLiteral("1"));
    QString test = QString::fromLatin1(QTest::currentTestFunction());
    if (QTest::currentDataTag())
        test += QLatin1Char(':') + QLatin1String(QTest::currentDataTag());
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {test});
    QVERIFY(child.waitForFinished(60000));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, child.readAll().constData());
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
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QString>("language"); // "ja" (the source texts) or the translation's name

    // The choice. LANG alone: the user's own languages as Linux gives them.
    QTest::newRow("LANG=C.UTF-8") << "LANG=C.UTF-8" << "ja";
    QTest::newRow("no language set") << "" << "ja";
    QTest::newRow("LANG=fr_FR.UTF-8") << "LANG=fr_FR.UTF-8" << "fr";
    // LANGUAGE, on every platform: the calling application's choice.
    QTest::newRow("LANGUAGE=de:fr") << "LANG=fr_FR.UTF-8 LANGUAGE=de:fr" << "de";
    QTest::newRow("LANGUAGE=sw:ja, no Swahili") << "LANGUAGE=sw:ja" << "ja";
    QTest::newRow("LANGUAGE=sw, no Swahili") << "LANGUAGE=sw" << "en";
    QTest::newRow("LANGUAGE=es_MX, another country") << "LANGUAGE=es_MX" << "es";
    QTest::newRow("LANGUAGE=pt_PT, its own country first") << "LANGUAGE=pt_PT" << "pt_PT";
    QTest::newRow("LANGUAGE=zh_HK, the same script") << "LANGUAGE=zh_HK" << "zh_TW";
    QTest::newRow("LANGUAGE=sr@latin") << "LANGUAGE=sr@latin" << "sr_Latn";
    // Every translation the program carries, and Japanese, each chosen by its own name.
    for (const QString& name : QStringList{QStringLiteral("ja")} + norvil::AvailableTranslations())
        QTest::newRow(qPrintable(name)) << QStringLiteral("LANGUAGE=") + name << name;
}

void tst_Languages::languages()
{
    QFETCH(QString, environment);
    QFETCH(QString, language);
    if (!qEnvironmentVariableIsSet("NORVIL_LANGUAGE_ROW")) {
#ifdef Q_OS_WIN
        if (!environment.contains(QLatin1String("LANGUAGE=")))
            QSKIP("Windows takes the user's own languages from its settings, not from LANG");
#endif
        RunInChild(environment);
        return;
    }

    // The words put the log on screen too.
    WindowRun run(QStringLiteral("App 1.0 u1 u2 /d"));
    frmMain& form = *run.form;
    QCOMPARE(form.Language(), language);
    const clsVersion version = [] { clsVersion v; v.Import(u"2.10.3"); return v; }();
    const std::vector<std::pair<const char*, std::function<void()>>> pages = {
        {"progress", [] {}},
        {"update", [&] { form.ShowUpdatePage(version); }},
        {"latest", [&] { form.ShowLatestPage(); }},
        {"transfer failure", [&] { form.OnRequestError(); }},
        {"version unreadable", [&] { form.ParseCurrentVersion(QStringLiteral("99999999999")); }},
        {"version not found", [&] { form.FindServerVersion(QString(), QStringLiteral("App")); }},
    };
    QStringList faults;
    for (const auto& [page, show] : pages) {
        show();
        if (const QString found = PageFaults(form); !found.isEmpty())
            faults << QStringLiteral("%1 page: %2").arg(QLatin1String(page), found);
    }

    // The log's menu: every entry in the window's language, each with an access key of its own.
    const std::unique_ptr<QMenu> menu(form.txtLog->CreateContextMenu());
    const std::unique_ptr<QMenu> qts(form.txtLog->createStandardContextMenu());
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
        form.cmdOK_Click();
    }
    QCOMPARE(Missing(form.LogText().remove(QRegularExpression(QStringLiteral("[\t\r\n]"))), form.txtLog->font()), QString());
}

void tst_Languages::rightToLeft()
{
    if (!qEnvironmentVariableIsSet("NORVIL_LANGUAGE_ROW")) {
        RunInChild(QStringLiteral("LANGUAGE=ar"));
        return;
    }
    WindowRun run(QStringLiteral("App 1.0 u1 u2 /d"));
    frmMain& form = *run.form;
    form.cTimer2->stop(); // the test ticks the marquee itself
    QVERIFY(form.isRightToLeft()); // the translation says so

    // Every control in the mirror image of its place in a left-to-right window.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    WindowRun leftToRight(QStringLiteral("App 1.0 u1 u2 /d"));
    auto controls = [](const frmMain& f) {
        return QList<const QWidget*>{f.fraPage[0], f.fraPage[1], f.lblMsg1, f.lblProg, f.lblMsg2,
                                     f.lblMsg3, f.cmdOK, f.cmdClose, f.Label1, f.txtLog};
    };
    for (qsizetype i = 0; i < controls(form).size(); ++i) {
        const QWidget* mirrored = controls(form).at(i);
        const QRect designed = controls(*leftToRight.form).at(i)->geometry();
        QCOMPARE(mirrored->geometry(),
                 QRect(mirrored->parentWidget()->width() - designed.right() - 1, designed.y(), designed.width(), designed.height()));
    }

    // Texts end at the right edge of their labels; a filled-in name or version is isolated.
    form.ShowUpdatePage([] { clsVersion v; v.Import(u"2.10.3"); return v; }());
    for (QLabel* label : {form.lblMsg2, form.lblMsg3}) {
        const QImage drawn = label->grab().toImage();
        int inkRight = 0;
        for (int x = 0; x < drawn.width(); ++x)
            for (int y = 0; y < drawn.height(); ++y)
                if (qGray(drawn.pixel(x, y)) < 128)
                    inkRight = x;
        QVERIFY2(inkRight >= drawn.width() - 4, qPrintable(label->text()));
    }
    QVERIFY(form.lblMsg2->text().contains(QStringLiteral("\u2068Ver 2.10.3\u2069")));
    QVERIFY(form.windowTitle().contains(QStringLiteral("\u2068App\u2069")));

    // The marquee starts at the right; the log reads left to right, its menu the window's way.
    form.cTimer2_Timer();
    QCOMPARE(form.lblProg->text(), QString(17, QChar(0x25A1)) + QChar(0x25A0));
    QCOMPARE(form.txtLog->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(std::unique_ptr<QMenu>(form.txtLog->CreateContextMenu())->layoutDirection(), Qt::RightToLeft);
}

QTEST_MAIN(tst_Languages)
#include "tst_Languages.moc"
