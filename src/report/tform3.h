#pragma once

#include <QDialog>

class QListWidget;

// The categories dialog "Категории автомобилей ": a read-only description of the vehicle
// classes and a list of six of them. "ОК" leads to one of the two fixed categories (M1 and N1
// to "M1,N1", the others to "M2,M3,N2,N3"); "Отмена" changes nothing. Created once with the
// main window; the norms panel opens it modally.
class TForm3 : public QDialog {
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);

    // Before showing: the row M1 for the categories 0 and 2, otherwise M2.
    void prepare(int vehicleCategory);

    // The selected row of the list (ListBox1), -1 for none.
    int selectedRow() const;
    void selectRow(int row);

    // The category "ОК" leads to, from the selected row.
    int chosenCategory() const;

    QListWidget *rows() const { return rows_; }

private:
    QListWidget *rows_;
};
