#include "panel_builders.h"
#include "panel_widgets.h"
#include "view_panels.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>

using namespace PanelWidgets;

// The table view's printer panel: the printer header and its commands, and the clocks.
void PanelBuilders::headerPanel(QWidget *parent, ViewPanels &v) {
    v.headerPanel = named(new QFrame(parent), "Panel2");
    v.headerPanel->setFrameShape(QFrame::StyledPanel);
    label(v.headerPanel, "Label1", QStringLiteral("Встроенный принтер"))
        ->setAlignment(Qt::AlignCenter);
    v.headerButtons.open = button(v.headerPanel, "BitBtn11", QStringLiteral("Открыть"),
                                  QStringLiteral("Заголовок из файла"));
    v.headerButtons.save = button(v.headerPanel, "BitBtn12", QStringLiteral("Сохранить"),
                                  QStringLiteral("Заголовок в файле"));
    v.headerButtons.clear = button(v.headerPanel, "BitBtn13", QStringLiteral("Стереть"),
                                   QStringLiteral("Заголовок с экрана"));
    v.headerMemo = memo(v.headerPanel, "Memo1", {}, false);
    v.headerButtons.setClock = button(v.headerPanel, "BitBtn14", QStringLiteral("Время"),
                                      QStringLiteral("Установить дату и время в приборе"));
    v.headerButtons.readHeader = button(v.headerPanel, "BitBtn15", QStringLiteral("Прочитать"),
                                        QStringLiteral("Заголовок из прибора"));
    v.headerButtons.writeHeader = button(v.headerPanel, "BitBtn16", QStringLiteral("Записать"),
                                         QStringLiteral("Заголовок в прибор"));
    v.clockGrid = grid(v.headerPanel, "StringGrid2", 4, 3, QStringLiteral("Дата и время."));
    v.clockGrid->show();
    setColumn(v.clockGrid, 0, {" Date PRN", " Date SYS", " Time PRN", " Time SYS"});
}
