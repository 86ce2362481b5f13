#pragma once

#include <QList>
#include <QObject>

class QLabel;
class QLineEdit;
class QProgressBar;
class QWidget;

// The status line under the views: pump state (Edit14), link state (Edit16), fuel
// (Edit15) and, in the fuel field's place while searching, the search progress
// (ProgressBar1). A click on the link field starts the link, a click on the pump field
// switches the pump.
class StatusLine : public QObject {
    Q_OBJECT

public:
    explicit StatusLine(QWidget *parent);

    QLineEdit *pumpField() const { return pump_; }
    QLineEdit *linkField() const { return link_; }
    QLineEdit *fuelField() const { return fuel_; }
    QProgressBar *progressBar() const { return progress_; }
    // The four, for the layout that places them.
    QList<QWidget *> fields() const;

    void setText(QLineEdit *field, const QString &text, const QColor &color);
    // The test archive's trouble (e.g. "Архив: нет связи с сервером"), shown over the fuel
    // field while there is any; an empty text uncovers the field.
    void showArchiveStatus(const QString &text);
    QLabel *archiveStatus() const { return archive_; }

signals:
    void linkFieldClicked();
    void pumpFieldClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *pump_;
    QLineEdit *link_;
    QLineEdit *fuel_;
    QProgressBar *progress_;
    QLabel *archive_;
};
