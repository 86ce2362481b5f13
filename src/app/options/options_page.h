#pragma once

#include <QList>
#include <QWidget>

#include <functional>
#include <optional>

struct AppSettings;
class SettingsStore;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class RadioGroup;
class UserPrompts;

// When a control's value reaches its settings field.
enum class Applied {
    OnOk,          // read when "OK" is pressed
    AtOnce,        // written the moment the user changes the control
    AtOnceAndOnOk, // both
    ShownOnly,     // shown from its field; the dialog applies it in its own way
};

// One page of the options dialog. A page builds its controls through the builders below,
// each bound to one settings field by its record index; load() gives every control the value
// of its field, applyOk() writes back the fields read on "OK", and a control applied at once
// writes its field as soon as the user changes it (such controls carry the property
// "appliesAtOnce"). Colour buttons ask for a colour through the prompts and apply it at once.
// Every write goes through the settings store.
class OptionsPage : public QWidget {
    Q_OBJECT

public:
    OptionsPage(SettingsStore &settings, UserPrompts &prompts, QWidget *parent = nullptr);

    // The dialog is shown: every control takes the value of its field, every sample box its
    // colours.
    void load();
    // "OK": every field read on OK takes the value of its control.
    void applyOk();

signals:
    // A colour shown by the main window's controls has changed.
    void appearanceChanged();
    // A setting of the graph's drawing has changed at once.
    void graphSettingsChanged();

protected:
    // A spin edit over the field's valid range, read on "OK".
    QSpinBox *spinEdit(const QString &name, int field);
    // inverted: the field is 1 while the box is not ticked.
    QCheckBox *checkBox(const QString &name, const QString &caption, int field, bool inverted,
                        Applied applied);
    // The field holds the item index plus offset; with no item selected the field stays.
    RadioGroup *radioGroup(const QString &name, const QString &caption, const QStringList &items,
                           int field, Applied applied, int columns = 1, int offset = 0);
    // A read-only box showing its text in the colours of two fields (textField -1: the
    // background only).
    QLineEdit *sampleBox(const QString &name, const QString &text, int textField, int backField);
    // A button that opens the colour dialog preset to the field's colour. A confirmed colour
    // goes into the field; then, confirmed or not, the sample boxes are shown again,
    // appearanceChanged is emitted and fieldApplied runs.
    QPushButton *colourButton(const QString &name, const QString &caption, int field);

    // A captioned pair of colour buttons "ШРИФТ" and "ФОН" for a text and a background field,
    // with a sample box showing both.
    struct ColourPair {
        const char *caption;
        const char *fontButton;
        const char *backButton;
        const char *sample;
        const char *sampleText;
        int textField;
        int backField;
    };
    QWidget *colourPair(const ColourPair &pair);

    // After a control applied at once or a colour button has written its field.
    virtual void fieldApplied(int field);
    // At the end of load(): states that follow the loaded values.
    virtual void loaded() {}

    const AppSettings &settings() const;
    SettingsStore &store() const { return store_; }
    UserPrompts &prompts() const { return prompts_; }

private:
    struct Binding {
        int field;
        Applied applied;
        std::function<std::optional<int>()> read;
        std::function<void(int)> show;
    };
    struct Sample {
        QLineEdit *box;
        int textField;
        int backField;
    };

    void bind(QWidget *control, Binding binding);
    void writeAtOnce(const Binding &binding);
    void showSamples();

    SettingsStore &store_;
    UserPrompts &prompts_;
    QList<Binding> bindings_;
    QList<Sample> samples_;
};
