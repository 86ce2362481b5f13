#pragma once

#include <QGroupBox>

class QLineEdit;
class QPushButton;
class QTableWidget;

// The on-screen keyboard of the vehicle data dialog (GroupBox1): the key grid StringGrid1
// (11 x 7 large keys), the input line Edit4, the case indicator Edit5 (lime for capitals,
// black for small letters) with BitBtn4 "Caps Lock", BitBtn5 "Backspace", BitBtn6 "ОК" and
// BitBtn7 "Отмена". A key click appends its character while the input line is shorter than
// the field's limit; the input line can also be typed into directly. The case choice lasts
// as long as the keyboard does, which is the whole run.
class ScreenKeyboard : public QGroupBox {
    Q_OBJECT

public:
    explicit ScreenKeyboard(QWidget *parent = nullptr);

    // Starts typing over `text` for a field of at most `limit` characters.
    void begin(const QString &text, int limit);
    QString text() const;
    bool capitalLetters() const { return capitalLetters_; }
    // The input line Edit4.
    QLineEdit *input() const { return input_; }

    // A click on the key in `row`, `column` of the grid.
    void pressKey(int row, int column);
    // "Backspace": the last character goes.
    void backspace();
    // "Caps Lock": capitals and small letters change places.
    void toggleCase();

signals:
    // "ОК": the typed text for the field.
    void accepted(const QString &text);
    // "Отмена": the field keeps its text.
    void cancelled();

private:
    void showCase();

    QTableWidget *keys_;
    QLineEdit *input_;     // Edit4
    QLineEdit *indicator_; // Edit5
    int limit_ = 0;
    bool capitalLetters_ = true;
};
