#include "options_popup_menus.h"

#include "tpagesdlg.h"
#include "view_panels.h"

#include <QAbstractScrollArea>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableWidget>

namespace OptionsPopupMenus {

QMenu *attach(const QString &name, const QList<Item> &items, const QList<QWidget *> &controls,
              const std::function<void(int page)> &openOptionsAt, QWidget *owner) {
    auto *menu = new QMenu(owner);
    menu->setObjectName(name);
    for (const Item &item : items) {
        const int page = item.page;
        QObject::connect(menu->addAction(item.text), &QAction::triggered, menu,
                         [openOptionsAt, page] { openOptionsAt(page); });
    }
    for (QWidget *control : controls) {
        if (!control)
            continue;
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(control, &QWidget::customContextMenuRequested, menu,
                         [menu, control](const QPoint &position) {
                             // A scrolling control reports the position in its viewport.
                             auto *area = qobject_cast<QAbstractScrollArea *>(control);
                             QWidget *origin = area ? area->viewport() : control;
                             menu->popup(origin->mapToGlobal(position));
                         });
    }
    return menu;
}

void attachViewMenus(const ViewPanels &panels, const std::function<void(int page)> &openOptionsAt,
                     QWidget *owner) {
    const QString interval = QStringLiteral("Интервал");
    const QString colour = QStringLiteral("Цвет");
    const QString port = QStringLiteral("Порт");

    attach(QStringLiteral("PopupMenu1"),
           {{interval, TPagesDlg::General}, {colour, TPagesDlg::Other}, {port, TPagesDlg::Port}},
           {panels.readingsGrid, panels.clockGrid, panels.infoImage}, openOptionsAt, owner);

    QList<QWidget *> readings = {panels.readingsPanel};
    for (QLineEdit *box : panels.readingsValueBoxes)
        readings << box->parentWidget() << box; // the cell and its value box
    for (QPlainTextEdit *caption : panels.readingsCaptions)
        readings << caption;
    attach(QStringLiteral("PopupMenu4"),
           {{interval, TPagesDlg::General}, {colour, TPagesDlg::Readings}, {port, TPagesDlg::Port}},
           readings, openOptionsAt, owner);
}

} // namespace OptionsPopupMenus
