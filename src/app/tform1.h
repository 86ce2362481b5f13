#pragma once

#include <QMainWindow>

// The main window: the composition root of the program. It owns the shared state of
// the run and wires the subsystems together; their behaviour lives in their own classes.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;
};
