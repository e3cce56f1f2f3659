#include "FormWindow.h"

#include "Accessibility.h"
#include "Appearance.h"
#include "LogTextBox.h"
#include "frmMain.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

using norvil::Ctl;

namespace {

// Twips at 96 dots per inch; Qt scales its pixels to the screen itself.
constexpr int Pixels(int twips)
{
    return twips / 15;
}

QRect PixelsOf(const norvil::Twips& place)
{
    return {Pixels(place.Left), Pixels(place.Top), Pixels(place.Width), Pixels(place.Height)};
}

QString Q(const std::u16string& text)
{
    return QString::fromStdU16String(text);
}

// Qt reads "[*]" in a title as the place of its "modified" mark and drops it; doubled, it shows
// as written. So the title shows whatever the name holds.
QString LiteralTitle(QString title)
{
    return title.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
}

} // namespace

FormWindow::FormWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    norvil::ExposeWindowAsDialog();
    // Lets a Wayland compositor match the window to the installed norvil.desktop: its icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("norvil"));
}

FormWindow::~FormWindow() = default;

void FormWindow::Create(const norvil::FormDesign& design, frmMain& form)
{
    m_form = &form;
    // The direction the language is written in, taken before any control is placed. (Qt would
    // mirror only what a layout places, never a fixed position: the design has done that.)
    const Qt::LayoutDirection direction = design.RightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
    QGuiApplication::setLayoutDirection(direction);
    setLayoutDirection(direction);
    setWindowTitle(LiteralTitle(Q(design.Caption)));
    setWindowIcon(norvil::RingIcon());
    setFixedSize(kClientWidth, Pixels(5760));

    for (const norvil::ControlDesign& control : design.Controls)
        m_widgets.at(static_cast<std::size_t>(control.Id)) = Make(control, design);
    m_widgets.at(static_cast<std::size_t>(Ctl::frmMain)) = this;

    // Screen readers name the log after its header.
    Label(Ctl::Label1)->setBuddy(m_log);
    // Keyboard focus moves in the designed order among the visible buttons and the log.
    std::vector<const norvil::ControlDesign*> focusable;
    for (const norvil::ControlDesign& control : design.Controls) {
        if (control.Kind == norvil::ControlKind::CommandButton || control.Kind == norvil::ControlKind::TextBox)
            focusable.push_back(&control);
    }
    std::sort(focusable.begin(), focusable.end(), [](auto* a, auto* b) { return a->TabIndex < b->TabIndex; });
    for (std::size_t i = 0; i < focusable.size(); ++i) {
        QWidget* widget = Widget(focusable[i]->Id);
        widget->installEventFilter(this);
        if (i > 0)
            setTabOrder(Widget(focusable[i - 1]->Id), widget);
    }

    // The request leaves one second after load, not whenever Qt would group the wake-up (a
    // coarse timer may fire 50 ms early or late). The marquee's step keeps Qt's coarse timer.
    Timer(norvil::TimerId::cTimer1).setTimerType(Qt::PreciseTimer);
    connect(&Timer(norvil::TimerId::cTimer1), &QTimer::timeout, this, [this] { m_form->cTimer1_Timer(); });
    connect(&Timer(norvil::TimerId::cTimer2), &QTimer::timeout, this, [this] { m_form->cTimer2_Timer(); });
    connect(Button(Ctl::cmdOK), &QPushButton::clicked, this, [this] { m_form->cmdOK_Click(); });
    connect(Button(Ctl::cmdClose), &QPushButton::clicked, this, [this] { m_form->cmdClose_Click(); });
}

QWidget* FormWindow::Make(const norvil::ControlDesign& control, const norvil::FormDesign& design)
{
    QWidget* parent = control.Container == Ctl::frmMain ? this : Widget(control.Container);
    QWidget* widget = nullptr;
    switch (control.Kind) {
    case norvil::ControlKind::Frame: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        widget = frame;
        break;
    }
    case norvil::ControlKind::Label: {
        auto* label = new QLabel(Q(control.Caption), parent);
        // Names and versions come from outside: never let them be read as rich text.
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(control.Alignment == norvil::Align::Center ? Qt::AlignHCenter | Qt::AlignTop
                            : control.Alignment == norvil::Align::Right ? Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter
                                                                        : Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
        label->setAutoFillBackground(true);
        if (control.Id == Ctl::lblProg) {
            QPalette colored = label->palette();
            colored.setColor(QPalette::WindowText, QColor::fromRgb(design.ProgressColor));
            label->setPalette(colored);
        }
        widget = label;
        break;
    }
    case norvil::ControlKind::CommandButton: {
        auto* button = new QPushButton(Q(control.Caption), parent);
        button->setAutoDefault(false);
        widget = button;
        break;
    }
    case norvil::ControlKind::TextBox:
        m_log = new LogTextBox(parent);
        m_log->setLineWrapMode(QPlainTextEdit::NoWrap);
        m_log->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_log->setTabChangesFocus(true);
        widget = m_log;
        break;
    }
    widget->setGeometry(PixelsOf(control.Place));
    if (control.Font != norvil::FontRole::Default)
        widget->setFont(norvil::ToQFont(control.Font == norvil::FontRole::F1 ? design.F1 : design.F2));
    widget->setLayoutDirection(control.RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    return widget;
}

QLabel* FormWindow::Label(Ctl control) const
{
    return qobject_cast<QLabel*>(Widget(control));
}

QPushButton* FormWindow::Button(Ctl control) const
{
    return qobject_cast<QPushButton*>(Widget(control));
}

QString FormWindow::LogText() const
{
    return m_log->Text();
}

void FormWindow::SetCaption(Ctl control, const std::u16string& text)
{
    if (control == Ctl::frmMain)
        setWindowTitle(LiteralTitle(Q(text)));
    else if (QLabel* label = Label(control))
        label->setText(Q(text));
    else if (QPushButton* button = Button(control))
        button->setText(Q(text));
}

void FormWindow::SetVisible(Ctl control, bool visible)
{
    if (control != Ctl::frmMain)
        Widget(control)->setVisible(visible);
    else if (visible)
        ShowWindow();
    else
        hide();
}

void FormWindow::SetFontSize(Ctl control, int twips)
{
    QFont font = Widget(control)->font();
    font.setPixelSize(Pixels(twips));
    Widget(control)->setFont(font);
}

void FormWindow::SetDefault(Ctl button)
{
    m_defaultButton = Button(button);
    for (Ctl each : {Ctl::cmdOK, Ctl::cmdClose})
        Button(each)->setDefault(each == button);
}

void FormWindow::SetCancel(Ctl button)
{
    m_cancelButton = button == Ctl::None ? nullptr : Button(button);
}

void FormWindow::SetFocus(Ctl control)
{
    Widget(control)->setFocus();
}

void FormWindow::SetDescription(Ctl control, const std::u16string& text)
{
    Widget(control)->setAccessibleDescription(Q(text));
}

void FormWindow::SetHeight(int twips)
{
    const int client = Pixels(twips - norvil::kFrameHeight);
    setFixedSize(kClientWidth, client);
    // The log's header, once in sight, in the desktop's own face, which may be wider than
    // Windows' was: the whole text shows. Measured only then: laying out text costs.
    if (Label(Ctl::Label1)->geometry().bottom() < client)
        FitLogHeader();
}

void FormWindow::FitLogHeader()
{
    QLabel* header = Label(Ctl::Label1);
    QRect designed = QStyle::visualRect(layoutDirection(), rect(), header->geometry());
    designed.setWidth(std::max(designed.width(), header->sizeHint().width()));
    header->setGeometry(QStyle::visualRect(layoutDirection(), rect(), designed));
}

void FormWindow::AppendToLog(norvil::LogLine line)
{
    m_log->AppendLine(std::move(line));
}

void FormWindow::SetTimer(norvil::TimerId timer, bool enabled, int intervalMs)
{
    QTimer& t = Timer(timer);
    t.setInterval(intervalMs);
    if (!enabled)
        t.stop();
    else if (!t.isActive())
        t.start();
}

void FormWindow::BringToTop()
{
    raise();
    activateWindow();
}

void FormWindow::Unload()
{
    for (QTimer& timer : m_timers)
        timer.stop();
    hide();
    emit Unloaded();
}

void FormWindow::ShowWindow()
{
    if (!m_placed) {
        m_placed = true;
        const QRect screenArea = screen()->availableGeometry();
        const QSize outer = frameGeometry().size();
        move(screenArea.center() - QPoint(outer.width() / 2, outer.height() / 2));
    }
    show();
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    m_form->Unload();
    event->accept();
}

bool FormWindow::HandleDialogKey(const QKeyEvent& event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // The pages give the buttons their roles: the progress page gives none.
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // A focused button answers Enter itself; otherwise the page's default button does.
        QPushButton* button = qobject_cast<QPushButton*>(focusWidget());
        if (button == nullptr || !button->isVisible())
            button = m_defaultButton;
        if (button == nullptr || !button->isVisible())
            return false;
        button->click();
        return true;
    }
    case Qt::Key_Escape:
        // Escape presses the cancel button where there is one, and never closes the window.
        if (m_cancelButton && m_cancelButton->isVisible())
            m_cancelButton->click();
        return true;
    default:
        return false;
    }
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    if (!HandleDialogKey(*event))
        QWidget::keyPressEvent(event);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && HandleDialogKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}
