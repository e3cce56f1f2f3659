#pragma once

#include "Face.h"

#include <QPlainTextEdit>
#include <QString>

#include <vector>

class QMenu;

// The log text box. Lines always land at the end, whatever the user has selected.
//
// Laying out text is what costs in a text box (a few megabytes take seconds), and the log is
// only ever seen in debug mode. So until the box is first painted or typed into, its lines wait
// in a plain string; then they move into the document in one go. (At the normal height the box
// still takes the focus, out of sight, as the only control that can have it at start.)
class LogTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LogTextBox(QWidget* parent = nullptr);

    // Appends the line and a line break; the caret ends at the end of the text.
    void AppendLine(norvil::LogLine line);
    // The whole text, every line ended by CR LF.
    QString Text() const;
    // The right-click menu: Qt's own, with its entries in the window's language.
    QMenu* CreateContextMenu();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void Materialize();
    void InsertAtEnd(const QString& text);

    QString PendingText() const;

    std::vector<norvil::LogLine> m_pending; // lines not yet in the document, shared as they were given
    bool m_materialized = false;
};
