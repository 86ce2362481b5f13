#include "norm_spin_box.h"
#include "panel_builders.h"
#include "panel_widgets.h"
#include "view_panels.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

using namespace PanelWidgets;

// The norms panel beside the diagrams: vehicle category, after-treatment, speed mode, the
// indicator of the limits in force and the editors of the hand-set limits.
void PanelBuilders::categoryPanel(QWidget *parent, ViewPanels &v) {
    v.categoryPanel = named(new QFrame(parent), "Panel8");
    v.categoryPanel->setFrameShape(QFrame::StyledPanel);
    NormsPanelControls &c = v.normsControls;
    label(v.categoryPanel, "Label3", QStringLiteral("Автомобили"));
    c.categories =
        list(v.categoryPanel, "ListBox1", {"M1,N1", "M2,M3,N2,N3", "Настройка1", "Настройка2"});
    c.categories->setToolTip(QStringLiteral("Категории автомобилей по ГОСТ Р"));
    c.categoriesButton = button(v.categoryPanel, "BitBtn10", QStringLiteral("Категории"),
                                QStringLiteral("Расширенное описание категорий"));
    label(v.categoryPanel, "Label4", QStringLiteral("Нейтрализац."));
    c.variants = list(v.categoryPanel, "ListBox2",
                      {"Нет", "2х-компонентная", "3х-компонентная", "вып. до 01.10.86"});
    c.variants->setToolTip(QStringLiteral("Наличие системы нейтрализации"));
    label(v.categoryPanel, "Label2", QStringLiteral("Обороты"));
    c.speedModes = list(v.categoryPanel, "ListBox3", {"минимальные", "повышенные", "авто-перекл."});
    c.speedIndicator = valueBox(v.categoryPanel, "Edit7");
    c.speedIndicator->setToolTip(QStringLiteral("Индикация включенного режима для норм"));
    c.editButton = button(v.categoryPanel, "BitBtn8", QStringLiteral("Изменить"),
                          QStringLiteral("помеченную ячейку в таблице"));
    NormSpinBox *NormsPanelControls::*const editors[] = {
        &NormsPanelControls::single, &NormsPanelControls::integer, &NormsPanelControls::fraction};
    for (int i = 0; i < 3; ++i)
        c.*editors[i] =
            named(new NormSpinBox(v.categoryPanel), QStringLiteral("SpinEdit%1").arg(i + 1));
    c.comma = named(new QLabel(QStringLiteral(","), v.categoryPanel), "Label5");
}
