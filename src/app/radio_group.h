#pragma once

#include <QGroupBox>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;

// A captioned group of radio buttons with one item index, laid out in columns. The
// options dialog binds each group to one settings field.
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString &objectName, const QString &caption, const QStringList &items,
               int columns = 1, QWidget *parent = nullptr);

    int itemIndex() const;
    // Selects an item without emitting itemClicked; an index out of range selects none.
    void setItemIndex(int index);
    int count() const;
    // The radio button of an item; null for an index out of range.
    QAbstractButton *item(int index) const;

signals:
    // The user clicked an item.
    void itemClicked(int index);

private:
    QButtonGroup *buttons_;
};
