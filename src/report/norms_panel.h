#pragma once

#include "modal_run.h"
#include "norm_cell_editor.h"
#include "norm_file.h"
#include "norm_limits.h"
#include "norm_table.h"
#include "norms_panel_controls.h"

#include <QObject>

#include <functional>

class SettingsStore;
struct AppSettings;
struct ChangeFlags;
class QDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class NormSpinBox;
class QSpinBox;
class QTableWidget;
class TForm3;
class UserPrompts;

// The norms panel Panel8 beside the diagrams and the norms grid StringGrid5 under them: the
// category, after-treatment and speed mode lists, the indicator of the limits in force, the
// categories dialog, the grid with its pop-up menu PopupMenu8 and the hand editor of a limit.
// It owns the norms table and the limits in force, and tells the diagrams when they change.
class NormsPanel : public QObject {
    Q_OBJECT

public:
    // The categories dialog is created as a child of `dialogParent`.
    NormsPanel(const NormsPanelControls &controls, QTableWidget *normsGrid, SettingsStore &settings,
               ChangeFlags &flags, UserPrompts &prompts, QWidget *dialogParent,
               QObject *parent = nullptr);

    // Runs a dialog modally and returns its result; tests answer in its place.
    ModalRun runModal = runModally;

    // Start-up, after the settings are read: the built-in limits, then the norms file.
    void LoadNormFile(const QString &path);
    // Start-up, after the settings are applied: the lists show the selection, the limits of
    // the speed mode come into force ("повышенные" only: elevated), the indicator and the grid.
    void startUp();
    // The exit save: the hand-set categories when they were edited in this run.
    NormSaveOutcome SaveNormFile(const QString &path) const;

    // The grid's values and hint for the selected row, then PublishLimits.
    void RefreshNormGrid();
    // The limits in force and the norm marks, announced by limitsPublished.
    void PublishLimits();
    // Edit7: " ПОВ" in yellow while the elevated limits apply, else " МИН" in lime.
    void ShowSpeedIndicator();
    // The diagram's tick in "авто-перекл.": switches the limits in force by the engine speed.
    void AutoSwitchSpeedMode(int rpm);

    // Control handlers.
    void ListBox1Click(int row); // vehicle category
    void ListBox2Click(int row); // after-treatment
    void ListBox3Click(int row); // speed mode
    void BitBtn10Click();        // "Категории"
    void BitBtn8Click(); // "Изменить", and "Изменить ячейку" of the grid's menu
    void StringGrid5Click(int row, int column);

    const NormTable &table() const { return table_; }
    // The row [VehicleCategory][CatalystKind] (0 for an index outside 0..3).
    const NormSet &selectedLimits() const;
    bool elevatedActive() const { return elevatedActive_; }
    bool autoSwitching() const;
    const PublishedLimits &limits() const { return published_; }
    const NormCellEditor &editor() const { return editor_; }
    TForm3 &categoriesDialog() const { return *dialog_; }
    QMenu *gridMenu() const { return gridMenu_; }

signals:
    void limitsPublished(const PublishedLimits &limits);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Editors {
        NormSpinBox *single;   // SpinEdit1
        NormSpinBox *integer;  // SpinEdit2
        NormSpinBox *fraction; // SpinEdit3
        NormSpinBox *of(NormEditor editor) const;
    };

    void connectControls();
    void selectListRows();
    bool editorOf(QObject *watched, NormEditor &editor) const;
    void act(NormEditor editor, EditorAction action);
    void commitEdit();
    void hideEditors();

    SettingsStore &store_;
    const AppSettings &settings_;
    ChangeFlags &flags_;
    UserPrompts &prompts_;
    QListWidget *categories_;
    QListWidget *variants_;
    QListWidget *speedModes_;
    QPushButton *categoriesButton_;
    QPushButton *editButton_;
    QLineEdit *speedIndicator_;
    QLabel *comma_;
    QTableWidget *grid_;
    Editors editors_;
    QMenu *gridMenu_;
    TForm3 *dialog_;

    NormTable table_;
    NormCellEditor editor_;
    bool elevatedActive_ = false;
    PublishedLimits published_;
};
