// The yardstick: a plain Qt window with the same controls, fonts and sizes as the program's
// window and none of its logic. Prints when its page is first painted, then quits.
//   bare_window [URL [DELAY_MS]]
// With a URL it fetches it with one GET instead, DELAY_MS after it is shown (a plain
// QTimer::singleShot), decodes the body once, shows the result page and prints "result <ns>"
// before quitting: the measure of start to result, and of memory at large bodies.

#include "Appearance.h"
#include "PaintStopwatch.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("App 最新バージョンの確認"));
    window.setWindowIcon(norvil::RingIcon());
    window.setFixedSize(460, 128);

    QFrame* pages[2];
    for (QFrame*& page : pages) {
        page = new QFrame(&window);
        page->setGeometry(4, 4, 449, 117);
        page->setFrameStyle(QFrame::Box | QFrame::Sunken);
    }
    const QFont f1 = norvil::ToQFont(norvil::PageFont(u"ja"));
    auto label = [&](QWidget* parent, const QString& text, QRect r, const QFont& font) {
        auto* l = new QLabel(text, parent);
        l->setGeometry(r);
        l->setFont(font);
        return l;
    };
    label(pages[0], QStringLiteral("最新バージョンの有無を確認しています．．．"), {12, 20, 277, 15}, f1);
    label(pages[0], QString(18, QChar(0x25A1)), {23, 60, 383, 15}, f1);
    label(pages[1], QStringLiteral("最新バージョンが公開されています。"), {12, 20, 434, 15}, f1);
    label(pages[1], QStringLiteral("ダウンロードページを表示しますか？"), {12, 44, 434, 15}, f1);
    (new QPushButton(QStringLiteral("ダウンロードページを表示(&O)"), pages[1]))->setGeometry(108, 84, 181, 25);
    (new QPushButton(QStringLiteral("今は何もしない(&C)"), pages[1]))->setGeometry(296, 84, 137, 25);
    label(&window, QStringLiteral("－－－－－デバッグ情報－－－－－"), {12, 136, 188, 12}, window.font());
    auto* log = new QPlainTextEdit(&window);
    log->setGeometry(4, 160, 449, 221);
    log->setFont(norvil::ToQFont(norvil::LogFont(u"ja")));
    pages[1]->hide();

    const bool fetch = argc > 1;
    PaintStopwatch painted(pages[0], "progress", !fetch);
    PaintStopwatch result(pages[1], "result", true);
    QNetworkAccessManager manager;
    if (fetch) {
        QTimer::singleShot(argc > 2 ? std::atoi(argv[2]) : 0, &window, [&] {
            QNetworkReply* reply = manager.get(QNetworkRequest(QUrl(QString::fromLocal8Bit(argv[1]))));
            QObject::connect(reply, &QNetworkReply::finished, &window, [&, reply] {
                const QString text = QString::fromUtf8(reply->readAll());
                log->setPlaceholderText(QString::number(text.size()));
                pages[0]->hide();
                pages[1]->show();
            });
        });
    }
    window.show();
    return app.exec();
}
