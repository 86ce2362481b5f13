#pragma once

#include "modal_run.h"

#include <QDialog>

#include <array>
#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class ScreenKeyboard;
struct RunState;

// The vehicle data dialog "Оформление данных": the number line, the detail line and the
// service station line of the test documents, typed in the fields Edit1..Edit3 or on the
// on-screen keyboard. The station line can be changed only after "Изменить", which also
// marks it for the station file at exit. Only "ОК" stores the fields, each cut to its limit.
//
// The dialog lives for the whole run; the keyboard's case choice lasts with it.
class TForm2 : public QDialog {
    Q_OBJECT

public:
    explicit TForm2(RunState &state, QWidget *parent = nullptr);

    // How the dialog is run modally; tests replace it to press buttons instead of waiting.
    ModalRun runModal = runModally;
    // After every closing, with whether "ОК" stored the fields (the graph takes today's date
    // and refreshes its captions only then).
    std::function<void(bool okPressed)> vehicleDataClosed;

    // Shows the vehicle texts, runs the dialog and returns whether "ОК" closed it.
    bool execute();

    ScreenKeyboard *keyboard() const { return keyboard_; }

protected:
    // Esc while the keyboard is shown closes only the keyboard, as its "Отмена" does;
    // otherwise it closes the dialog as "Отмена". (reject() itself always closes the dialog,
    // so the program can end it from outside.)
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum Field { NumberField, DetailField, StationField, FieldCount };

    void prepare();
    void store();
    void unlockStation();
    void openKeyboard(Field field);
    void closeKeyboard();

    RunState &state_;
    QFrame *fields_; // Panel1
    QLabel *numberLabel_;
    QLabel *detailLabel_;
    std::array<QLineEdit *, FieldCount> edits_{};
    std::array<QPushButton *, FieldCount> keyboardButtons_{};
    QPushButton *okButton_; // Button2
    ScreenKeyboard *keyboard_;
    Field target_ = NumberField;
};
