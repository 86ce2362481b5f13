#include "status_line.h"

#include "status_texts.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace {

QLineEdit *field(QWidget *parent, const QString &name) {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setCursor(Qt::PointingHandCursor);
    return edit;
}

} // namespace

StatusLine::StatusLine(QWidget *parent)
    : QObject(parent), pump_(field(parent, "Edit14")), link_(field(parent, "Edit16")),
      fuel_(field(parent, "Edit15")), progress_(new QProgressBar(parent)),
      archive_(new QLabel(fuel_)) {
    progress_->setObjectName("ProgressBar1");
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->hide();
    link_->setText(LinkStatus::NotConnected.toString());
    link_->setToolTip(QStringLiteral("Связь"));
    pump_->setToolTip(QStringLiteral("Насос"));
    fuel_->setCursor(Qt::ArrowCursor);
    pump_->installEventFilter(this);
    link_->installEventFilter(this);
    archive_->setObjectName("ArchiveStatus");
    archive_->setAutoFillBackground(true);
    archive_->setStyleSheet(QStringLiteral("color: red; background: white;"));
    archive_->hide();
    fuel_->installEventFilter(this);
}

void StatusLine::showArchiveStatus(const QString &text) {
    archive_->setText(text);
    archive_->setGeometry(fuel_->rect());
    archive_->setVisible(!text.isEmpty());
}

// The receive tick hands the pump and fuel indicators over a hundred times a second, nearly
// always unchanged; a new palette costs a resolve of the whole palette and a repaint, so only
// what differs is set.
void StatusLine::setText(QLineEdit *field, const QString &text, const QColor &color) {
    if (field->palette().color(QPalette::Text) != color) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Text, color);
        field->setPalette(palette);
    }
    if (field->text() != text)
        field->setText(text);
}

bool StatusLine::eventFilter(QObject *watched, QEvent *event) {
    if (watched == fuel_ && event->type() == QEvent::Resize)
        archive_->setGeometry(fuel_->rect());
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == link_)
            emit linkFieldClicked();
        else if (watched == pump_)
            emit pumpFieldClicked();
    }
    return QObject::eventFilter(watched, event);
}

QList<QWidget *> StatusLine::fields() const {
    return {pump_, link_, fuel_, progress_};
}
