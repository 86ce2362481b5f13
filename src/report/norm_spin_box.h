#pragma once

#include <QLineEdit>
#include <QSpinBox>

// A norms editor's spin box: its own text field is reachable, since the norms panel filters the
// field's keys and limits its length.
class NormSpinBox : public QSpinBox {
public:
    using QAbstractSpinBox::lineEdit;
    using QSpinBox::QSpinBox;
};
