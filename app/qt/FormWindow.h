#pragma once

#include "Face.h"

#include <QTimer>
#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class LogTextBox;

// frmMain's window in Qt widgets: each control as the check designs it, each property as the
// check sets it, each event handed to the check's handler.
class FormWindow : public QWidget, public norvil::Face {
    Q_OBJECT
public:
    explicit FormWindow(QWidget* parent = nullptr);
    ~FormWindow() override;

    void Create(const norvil::FormDesign& design, frmMain& form) override;
    void SetCaption(norvil::Ctl control, const std::u16string& text) override;
    void SetVisible(norvil::Ctl control, bool visible) override;
    void SetFontSize(norvil::Ctl control, int twips) override;
    void SetDefault(norvil::Ctl button) override;
    void SetCancel(norvil::Ctl button) override;
    void SetFocus(norvil::Ctl control) override;
    void SetDescription(norvil::Ctl control, const std::u16string& text) override;
    void SetHeight(int twips) override;
    void AppendToLog(norvil::LogLine line) override;
    void SetTimer(norvil::TimerId timer, bool enabled, int intervalMs) override;
    void BringToTop() override;
    void Unload() override;

    // The widget that shows a control.
    QWidget* Widget(norvil::Ctl control) const { return m_widgets.at(static_cast<std::size_t>(control)); }
    QLabel* Label(norvil::Ctl control) const;
    QPushButton* Button(norvil::Ctl control) const;
    LogTextBox* Log() const { return m_log; }
    // The log as the user would copy it: every line ended by CR LF.
    QString LogText() const;
    QTimer& Timer(norvil::TimerId timer) { return m_timers.at(static_cast<std::size_t>(timer)); }

    // Client-area width in pixels: 6900 twips.
    static constexpr int kClientWidth = 460;

signals:
    // The window has gone; the program may end.
    void Unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* Make(const norvil::ControlDesign& control, const norvil::FormDesign& design);
    void FitLogHeader();
    void ShowWindow();
    bool HandleDialogKey(const QKeyEvent& event);

    frmMain* m_form = nullptr;
    std::array<QWidget*, static_cast<std::size_t>(norvil::Ctl::None)> m_widgets{};
    LogTextBox* m_log = nullptr;
    std::array<QTimer, 2> m_timers;
    QPushButton* m_defaultButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    bool m_placed = false;
};
