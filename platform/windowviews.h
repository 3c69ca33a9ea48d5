#pragma once
#include "platform/messages.h"

#include <QPoint>
#include <QWidget>

#include <map>

// The top-level widget of a window: draws the frame and caption band of a framed window with its
// minimise and close boxes, moves the window when the caption band is dragged, and turns closing
// into the close message.
class frameview : public QWidget {
public:
    frameview(winhandle object, bool framed);

    winhandle object;
    bool framed;

protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect closebox() const;
    QRect minimisebox() const;

    bool dragging = false;
    QPoint dragstart;        // global mouse position at the press
    QPoint windowstart;      // window position at the press
};

// The client area: paint, mouse and timer events become the window procedure's messages, and
// mouse moves over the controls become set-cursor messages as they do over the client itself.
class clientview : public QWidget {
public:
    explicit clientview(winhandle object);

    winhandle object;
    std::map<const QObject*, winhandle> controls;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
