#include "tform1.h"

TForm1::TForm1(QWidget *parent) : QMainWindow(parent) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("ВЕЛАНТАР-ГРАФИЧЕСКИЙ"));
    setMinimumSize(320, 240);
    resize(600, 450);
}

TForm1::~TForm1() = default;
