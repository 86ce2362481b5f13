#pragma once

#include <QList>
#include <QString>

#include <functional>

class QMenu;
class QWidget;
struct ViewPanels;

// Pop-up menus that open the options dialog on a page: a right click on any of the menu's
// controls shows it, and each item opens its page.
namespace OptionsPopupMenus {

struct Item {
    QString text; // as shown
    int page;     // a TPagesDlg::Page
};

// Builds the menu (objectName `name`, owned by `owner`) and attaches it to every control.
QMenu *attach(const QString &name, const QList<Item> &items, const QList<QWidget *> &controls,
              const std::function<void(int page)> &openOptionsAt, QWidget *owner);

// PopupMenu1 on the readings grid, the date and time grid and the info picture
// ("Интервал" -> "Общие", "Цвет" -> "Прочее", "Порт" -> "Порт"), and PopupMenu4 on the
// readings panel, its cells, value boxes and caption memos ("Интервал" -> "Общие",
// "Цвет" -> "Показания", "Порт" -> "Порт"). The menus are owned by `owner`.
void attachViewMenus(const ViewPanels &panels, const std::function<void(int page)> &openOptionsAt,
                     QWidget *owner);

} // namespace OptionsPopupMenus
