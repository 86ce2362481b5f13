#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QCustomPlot;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// Small builders for the controls of the views: each gives the control its control name
// (objectName) and the look the views share. Controls start hidden unless said otherwise;
// the view switch shows the top-level ones.
namespace PanelWidgets {

template <typename Widget> Widget *named(Widget *widget, const QString &name) {
    widget->setObjectName(name);
    widget->hide();
    return widget;
}

// A framed panel that fills its background, shown.
QFrame *panel(QWidget *parent, const QString &name);
QPushButton *button(QWidget *parent, const QString &name, const QString &caption,
                    const QString &hint = {});
QLabel *label(QWidget *parent, const QString &name, const QString &text);
QPlainTextEdit *memo(QWidget *parent, const QString &name, const QStringList &lines = {},
                     bool readOnly = true);
// A read-only value box that takes no focus.
QLineEdit *valueBox(QWidget *parent, const QString &name, const QString &text = {});
// A string grid without headers whose first column holds fixed titles. The selection
// lies outside the visible cells so that no cell shows as selected.
QTableWidget *grid(QWidget *parent, const QString &name, int rows, int columns,
                   const QString &hint);
void setColumn(QTableWidget *g, int column, const QStringList &texts);
void setRow(QTableWidget *g, int row, const QStringList &texts);
QListWidget *list(QWidget *parent, const QString &name, const QStringList &items);
QCustomPlot *chart(QWidget *parent, const QString &name);

} // namespace PanelWidgets
