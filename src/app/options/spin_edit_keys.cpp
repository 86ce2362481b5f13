#include "spin_edit_keys.h"

#include <QKeyEvent>
#include <QSpinBox>

namespace SpinEditKeys {

namespace {

class Filter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *spin = qobject_cast<QSpinBox *>(watched);
        if (!spin || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (event->type() == QEvent::KeyRelease && resetsToMinimum(key->key())) {
            spin->setValue(spin->minimum());
            return true;
        }
        if (event->type() == QEvent::KeyPress &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            spin->interpretText();
            emit spin->editingFinished();
            return true;
        }
        return false;
    }
};

} // namespace

bool resetsToMinimum(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Backspace:
    case Qt::Key_Space:
    case Qt::Key_Delete:
    case Qt::Key_Plus:
    case Qt::Key_Minus:
    case Qt::Key_Equal:
    case Qt::Key_Underscore:
        return true;
    default:
        return false;
    }
}

void watch(QSpinBox *spin) {
    spin->installEventFilter(new Filter(spin));
}

} // namespace SpinEditKeys
