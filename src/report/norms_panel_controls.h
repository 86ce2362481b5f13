#pragma once

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class NormSpinBox;

// The controls of the norms panel beside the diagrams, as the panel's builder made them; the
// norms panel drives them.
struct NormsPanelControls {
    QListWidget *categories = nullptr;       // ListBox1: vehicle category
    QListWidget *variants = nullptr;         // ListBox2: after-treatment
    QListWidget *speedModes = nullptr;       // ListBox3: speed mode
    QPushButton *categoriesButton = nullptr; // BitBtn10 "Категории"
    QPushButton *editButton = nullptr;       // BitBtn8 "Изменить"
    QLineEdit *speedIndicator = nullptr;     // Edit7: the limits in force
    QLabel *comma = nullptr;                 // Label5
    NormSpinBox *single = nullptr;           // SpinEdit1
    NormSpinBox *integer = nullptr;          // SpinEdit2
    NormSpinBox *fraction = nullptr;         // SpinEdit3
};
