#pragma once

#include <QWidget>

class QToolButton;

// A horizontal pair of arrow buttons with a position, like a spin box without its text:
// the right arrow (objectName + "Next") moves the position up by one, the left arrow
// (objectName + "Back") down by one, never past the range; after every press the position
// is reported through clicked(), whose handler may move it elsewhere with setPosition().
class TUpDown : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int position READ position WRITE setPosition)

public:
    TUpDown(const QString &name, QWidget *parent = nullptr);

    int position() const { return position_; }
    void setPosition(int position);
    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    QToolButton *backButton() const { return back_; }
    QToolButton *nextButton() const { return next_; }

signals:
    // The position after a press of either arrow.
    void clicked(int position);

private:
    void step(int by);

    QToolButton *back_;
    QToolButton *next_;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};
