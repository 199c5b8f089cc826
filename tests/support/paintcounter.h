// Counts the paint events a widget receives, for tests of what is painted at once and what waits for the
// message loop.
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace orupim::ui::test {

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace orupim::ui::test
