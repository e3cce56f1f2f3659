// The window's controls as created, the log and the progress marquee.

#include "frmMain.h"

#include "Accessibility.h"
#include "Appearance.h"
#include "Inet.h"
#include "Language.h"
#include "LogTextBox.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace {

// Positions and sizes are designed in twips, 15 to a pixel.
constexpr int Twips(int twips)
{
    return twips / 15;
}

// Places a control at its designed place, measured from its container's top left; a window
// that reads right to left gets the mirror image, measured from the top right. (Qt mirrors what
// a layout places, never a fixed position.)
void Place(QWidget* control, QRect twips)
{
    const QRect designed(Twips(twips.x()), Twips(twips.y()), Twips(twips.width()), Twips(twips.height()));
    control->setGeometry(QStyle::visualRect(control->layoutDirection(), control->parentWidget()->rect(), designed));
}

QLabel* MakeLabel(QWidget* parent, const QString& text, QRect twips, const QFont& font)
{
    auto* label = new QLabel(text, parent);
    Place(label, twips);
    label->setFont(font);
    // Names and versions come from outside: never let them be read as rich text.
    label->setTextFormat(Qt::PlainText);
    // Texts start where the window's language starts a line, whatever letters they begin with.
    label->setAlignment((label->isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& text, QRect twips)
{
    auto* button = new QPushButton(text, parent);
    Place(button, twips);
    button->setAutoDefault(false);
    return button;
}

const QChar kWhiteSquare(0x25A1);
const QChar kBlackSquare(0x25A0);
constexpr int kTrackCells = 18;

} // namespace

frmMain::frmMain(const norvil::Platform& platform, QWidget* parent, int requestTimeoutSeconds)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_platform(platform)
    , m_language(norvil::UseUserLanguage())
{
    // The direction the translation gave the application, taken before any control is placed.
    setLayoutDirection(QGuiApplication::layoutDirection());
    norvil::ExposeWindowAsDialog();
    // Lets a Wayland compositor match the window to the installed norvil.desktop: its icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("norvil"));
    setWindowTitle(tr("最新バージョンの確認"));
    setWindowIcon(norvil::RingIcon());
    setFixedSize(kClientWidth, Twips(5760));
    CreateControls(requestTimeoutSeconds);
}

frmMain::~frmMain() = default;

void frmMain::CreateControls(int requestTimeoutSeconds)
{
    const QFont f1 = norvil::PageFont(m_language);
    const QFont f2 = norvil::LogFont(m_language);

    for (QFrame*& page : fraPage) {
        page = new QFrame(this);
        Place(page, {60, 60, 6735, 1755});
        page->setFrameStyle(QFrame::Box | QFrame::Sunken);
    }
    lblMsg1 = MakeLabel(fraPage[0], tr("最新バージョンの有無を確認しています．．．"),
                        {180, 300, 4155, 225}, f1);
    lblProg = MakeLabel(fraPage[0], QStringLiteral("■■■■■■"), {345, 900, 5745, 225}, f1);
    lblProg->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette orange = lblProg->palette();
    orange.setColor(QPalette::WindowText, QColor(255, 128, 0));
    lblProg->setPalette(orange);
    lblProg->setProperty("Tag", QStringLiteral("0"));

    lblMsg2 = MakeLabel(fraPage[1], tr("最新バージョンが公開されています。"),
                        {180, 300, 6510, 225}, f1);
    lblMsg3 = MakeLabel(fraPage[1], tr("ダウンロードページを表示しますか？"),
                        {180, 660, 6510, 225}, f1);
    cmdOK = MakeButton(fraPage[1], tr("ダウンロードページを表示(&O)"), {1620, 1260, 2715, 375});
    cmdClose = MakeButton(fraPage[1], tr("今は何もしない(&C)"), {4440, 1260, 2055, 375});

    Label1 = MakeLabel(this, tr("－－－－－デバッグ情報－－－－－"), {180, 2040, 2820, 180}, font());
    txtLog = new LogTextBox(this);
    Place(txtLog, {60, 2400, 6735, 3315});
    // Its lines are addresses and fixed English words, in every language.
    txtLog->setLayoutDirection(Qt::LeftToRight);
    txtLog->setFont(f2);
    txtLog->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtLog->setTabChangesFocus(true);
    // Screen readers name the log after its header.
    Label1->setBuddy(txtLog);

    // Keyboard focus moves cmdOK, cmdClose, txtLog among those visible.
    setTabOrder(cmdOK, cmdClose);
    setTabOrder(cmdClose, txtLog);
    for (QWidget* w : {static_cast<QWidget*>(cmdOK), static_cast<QWidget*>(cmdClose),
                       static_cast<QWidget*>(txtLog)})
        w->installEventFilter(this);

    cTimer1 = new QTimer(this);
    cTimer1->setInterval(1000);
    // The request leaves one second after load, not whenever Qt would group the wake-up (a
    // coarse timer may fire 50 ms early or late). The marquee's step and the transfer's time-out
    // keep Qt's coarse timers: neither needs the millisecond.
    cTimer1->setTimerType(Qt::PreciseTimer);
    connect(cTimer1, &QTimer::timeout, this, &frmMain::cTimer1_Timer);

    cTimer2 = new QTimer(this);
    cTimer2->setInterval(500);
    connect(cTimer2, &QTimer::timeout, this, &frmMain::cTimer2_Timer);
    cTimer2->start();

    cInet = new Inet(this, requestTimeoutSeconds);
    connect(cInet, &Inet::StateChanged, this, &frmMain::cInet_StateChanged);
    connect(cmdOK, &QPushButton::clicked, this, &frmMain::cmdOK_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmMain::cmdClose_Click);
}

void frmMain::SetClientHeight(int height)
{
    setFixedSize(kClientWidth, height);
}

void frmMain::AddLog(const QString& line)
{
    txtLog->AppendLine(line);
}

QString frmMain::LogText() const
{
    return txtLog->Text();
}

QString frmMain::EmptyMarqueeTrack()
{
    return QString(kTrackCells, kWhiteSquare);
}

void frmMain::cTimer2_Timer()
{
    int p = lblProg->property("Tag").toString().toShort();
    QString track = QString(p, kWhiteSquare) + kBlackSquare + QString(kTrackCells - 1 - p, kWhiteSquare);
    if (isRightToLeft()) // the square runs the way the window's language reads
        std::reverse(track.begin(), track.end());
    lblProg->setText(track);
    p += 1;
    if (p == kTrackCells)
        p = 0;
    lblProg->setProperty("Tag", QString::number(p));
}

void frmMain::FitLogHeader()
{
    // Measured only when the header is seen: laying out text costs.
    QRect designed = QStyle::visualRect(layoutDirection(), rect(), Label1->geometry());
    designed.setWidth(std::max(designed.width(), Label1->sizeHint().width()));
    Label1->setGeometry(QStyle::visualRect(layoutDirection(), rect(), designed));
}

QString frmMain::FillIn(const QString& sentence, const QString& value) const
{
    // A name or version in Latin letters must not pull a right-to-left sentence's punctuation
    // about: it is isolated. Left-to-right windows show the words exactly as given.
    if (!isRightToLeft())
        return sentence.arg(value);
    return sentence.arg(QChar(0x2068) + value + QChar(0x2069)); // FIRST STRONG ISOLATE ... POP
}

void frmMain::ShowWindow()
{
    if (!m_placed) {
        m_placed = true;
        const QRect screenArea = screen()->availableGeometry();
        const QSize outer = frameGeometry().size();
        move(screenArea.center() - QPoint(outer.width() / 2, outer.height() / 2));
    }
    show();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    Unload();
    event->accept();
}
