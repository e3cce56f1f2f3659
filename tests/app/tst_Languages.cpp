// The window in each language: which translation the user's environment gets, and that every
// page then shows its whole text, drawn without boxes. The system locale is read once per
// process, so each row runs again in a child process started with the row's environment.

#include "LogTextBox.h"
#include "WindowRun.h"

#include <QGlyphRun>
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

// Every letter of text is in the face the font resolves to, not borrowed from another.
QString Missing(const QString& text, const QFont& font)
{
    const QRawFont face = QRawFont::fromFont(font);
    for (const char32_t c : text.toUcs4()) {
        if (!face.supportsCharacter(c))
            return QStringLiteral("%1 has no U+%2 of \"%3\"").arg(face.familyName()).arg(quint32(c), 4, 16, QLatin1Char('0')).arg(text);
    }
    return {};
}

// What is wrong with the page as shown: a text cut off, or drawn with boxes.
QString PageFaults(const frmMain& form)
{
    QStringList faults;
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&form))
            continue;
        if (QFontMetrics(label->font()).horizontalAdvance(label->text()) > label->width())
            faults << QStringLiteral("\"%1\" is wider than its %2 pixels").arg(label->text()).arg(label->width());
        faults << Boxes(label->text(), label->font());
        if (label != form.Label1) // the pages' own face
            faults << Missing(label->text(), label->font());
    }
    for (const QPushButton* button : form.findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(&form))
            continue;
        if (button->sizeHint().width() > button->width())
            faults << QStringLiteral("button \"%1\" needs %2 pixels, has %3").arg(button->text()).arg(button->sizeHint().width()).arg(button->width());
        faults << Boxes(QString(button->text()).remove(QLatin1Char('&')), button->font());
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
};

void tst_Languages::languages_data()
{
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QString>("language"); // "ja" (the source texts) or the translation's name
    QTest::addColumn<QString>("latest");   // the latest page's headline

    const QString ja = QStringLiteral("最新バージョンはありません。");
    QTest::newRow("LANG=ja_JP.UTF-8") << "LANG=ja_JP.UTF-8" << "ja" << ja;
    QTest::newRow("LANG=C.UTF-8") << "LANG=C.UTF-8" << "ja" << ja;
    QTest::newRow("no language set") << "" << "ja" << ja;
    QTest::newRow("LANG=fr_FR.UTF-8") << "LANG=fr_FR.UTF-8" << "fr" << "Aucune nouvelle version.";
    QTest::newRow("LANGUAGE=de:fr") << "LANG=fr_FR.UTF-8 LANGUAGE=de:fr" << "de" << "Es gibt keine neuere Version.";
    QTest::newRow("LANGUAGE=sv:ja, no Swedish") << "LANG=sv_SE.UTF-8 LANGUAGE=sv:ja" << "ja" << ja;
    QTest::newRow("LANG=sv_SE.UTF-8, no Swedish") << "LANG=sv_SE.UTF-8" << "en" << "No newer version is available.";
    QTest::newRow("LANG=en_US.UTF-8") << "LANG=en_US.UTF-8" << "en" << "No newer version is available.";
    QTest::newRow("LANG=es_MX.UTF-8") << "LANG=es_MX.UTF-8" << "es" << "No hay ninguna versión más reciente.";
    QTest::newRow("LANG=it_IT.UTF-8") << "LANG=it_IT.UTF-8" << "it" << "Non ci sono versioni più recenti.";
    QTest::newRow("LANG=pt_BR.UTF-8") << "LANG=pt_BR.UTF-8" << "pt_BR" << "Não há versão mais recente.";
    QTest::newRow("LANG=pt_PT.UTF-8, Brazilian") << "LANG=pt_PT.UTF-8" << "pt_BR" << "Não há versão mais recente.";
    QTest::newRow("LANG=ru_RU.UTF-8") << "LANG=ru_RU.UTF-8" << "ru" << "Более новой версии нет.";
    QTest::newRow("LANG=zh_CN.UTF-8") << "LANG=zh_CN.UTF-8" << "zh_CN" << "没有更新的版本。";
    QTest::newRow("LANG=zh_TW.UTF-8, no traditional Chinese") << "LANG=zh_TW.UTF-8" << "en" << "No newer version is available.";
    QTest::newRow("LC_MESSAGES=ko_KR.UTF-8") << "LANG=en_US.UTF-8 LC_MESSAGES=ko_KR.UTF-8" << "ko" << "새 버전이 없습니다.";
}

void tst_Languages::languages()
{
    QFETCH(QString, environment);
    QFETCH(QString, language);
    QFETCH(QString, latest);

    if (!qEnvironmentVariableIsSet("NORVIL_LANGUAGE_ROW")) {
#ifdef Q_OS_WIN
        QSKIP("Windows takes the language from the user's display language, not from these variables");
#endif
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            env.remove(QString::fromLatin1(name));
        for (const QString& assignment : environment.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            env.insert(assignment.section(QLatin1Char('='), 0, 0), assignment.section(QLatin1Char('='), 1));
        env.insert(QStringLiteral("NORVIL_LANGUAGE_ROW"), QStringLiteral("1"));
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("languages:") + QLatin1String(QTest::currentDataTag())});
        QVERIFY(child.waitForFinished(60000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, child.readAll().constData());
        return;
    }

    // In the child, with the row's environment. The words put the log on screen too.
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
        if (QLatin1String(page) == QLatin1String("latest"))
            QCOMPARE(form.lblMsg2->text(), latest);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));

    // The log, with the failures' reasons and the browser's, in the log's own face.
    for (const int result : {2, 3, 31}) {
        run.platform.Result = result;
        form.cmdOK_Click();
    }
    for (QString line : run.LogLines()) {
        const QString missing = Missing(line.remove(QLatin1Char('\t')), form.txtLog->font());
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
    }
}

QTEST_MAIN(tst_Languages)
#include "tst_Languages.moc"
