#include "bar_diagram.h"
#include "channel_info.h"
#include "diagram_refresh.h"
#include "program_font.h"
#include "scripted_prompts.h"
#include "text_fit.h"
#include "tform1.h"
#include "view_ids.h"
#include "view_panels.h"

#include "qcustomplot.h"

#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct ScreenSize {
    const char *name;
    QSize size;
};

constexpr ScreenSize kScreenSizes[] = {{"640x480", {640, 480}},
                                       {"800x600", {800, 600}},
                                       {"1024x768", {1024, 768}},
                                       {"1280x1024", {1280, 1024}},
                                       {"1920x1080", {1920, 1080}}};

struct ViewRow {
    const char *name;
    int view;
};

constexpr ViewRow kViews[] = {{"readings", ViewId::Readings}, {"information", ViewId::Information},
                              {"table", ViewId::Table},       {"report", ViewId::Report},
                              {"diagram", ViewId::Diagram},   {"graph", ViewId::Graph}};

// The dialogs the main window owns, by object name.
constexpr const char *kDialogs[] = {"AboutBox", "PagesDlg", "Form2", "Form3", "PRT", "Upr"};

// The widest reading a value box may be given: the largest word the analyser sends.
QString widestReading(Channel channel) {
    return readingText(channel, 32765);
}

// Where a control cuts its text: "name: text" for each one that does not fit.
QStringList cutTexts(const QWidget *root) {
    QStringList cut;
    for (const QWidget *control : root->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(root) || control->width() <= 0)
            continue;
        // A label that wraps its words needs the height of its lines.
        if (const auto *label = qobject_cast<const QLabel *>(control);
            label && label->wordWrap() && label->heightForWidth(label->width()) > label->height())
            cut << label->objectName() + " wraps below its bottom";
        const QStringList lines = TextFit::shownLines(control);
        if (lines.isEmpty())
            continue;
        const QFontMetrics metrics(control->font());
        const QSize room = TextFit::textRoom(control);
        int widest = 0;
        for (const QString &line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        const int height = metrics.height() + int(lines.size() - 1) * metrics.lineSpacing();
        if (widest > room.width() || height > room.height())
            cut << QStringLiteral("%1 \"%2\": %3 x %4 in %5 x %6")
                       .arg(control->objectName(), lines.join(QLatin1Char('|')))
                       .arg(widest)
                       .arg(height)
                       .arg(room.width())
                       .arg(room.height());
    }
    return cut;
}

// The texts of the charts: titles, footers and legend entries inside the chart, each at
// least as wide as its text.
QStringList cutChartTexts(const QWidget *root) {
    QStringList cut;
    for (QCustomPlot *chart : root->findChildren<QCustomPlot *>()) {
        if (!chart->isVisibleTo(root))
            continue;
        chart->replot(QCustomPlot::rpImmediateRefresh);
        for (QCPLayoutElement *element : chart->plotLayout()->elements(true)) {
            if (!element || !element->visible())
                continue;
            QString text;
            QFont font;
            if (auto *caption = qobject_cast<QCPTextElement *>(element)) {
                text = caption->text();
                font = caption->font();
            } else if (auto *item = qobject_cast<QCPPlottableLegendItem *>(element)) {
                text = item->plottable()->name();
                font = item->font();
                if (element->minimumOuterSizeHint().width() > element->outerRect().width())
                    cut << chart->objectName() + " legend \"" + text + "\" squeezed";
            } else
                continue;
            if (text.isEmpty())
                continue;
            if (!chart->rect().contains(element->outerRect()))
                cut << chart->objectName() + " \"" + text + "\" outside the chart";
            if (QFontMetrics(font).horizontalAdvance(text) > chart->width())
                cut << chart->objectName() + " \"" + text + "\" wider than the chart";
        }
    }
    return cut;
}

} // namespace

// Every text of every view and dialog, at the common screen sizes, measured against the
// control that shows it.
class TestTextFit : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    ScriptedPrompts prompts_;

    std::unique_ptr<TForm1> windowAt(QSize size) {
        TForm1::Environment environment;
        environment.workingDirectory = dir_.path();
        environment.prompts = &prompts_;
        auto window = std::make_unique<TForm1>(environment);
        window->show();
        window->showNormal();
        window->resize(size);
        return window;
    }

    // The widest values the live value boxes and the diagrams may show.
    static void showWidestReadings(TForm1 &window) {
        for (Channel channel : kAllChannels) {
            window.panels().readingsValueBoxes[index(channel)]->setText(widestReading(channel));
            if (auto *box =
                    window.findChild<QLineEdit *>(QStringLiteral("Edit%1").arg(index(channel) + 1)))
                box->setText(widestReading(channel));
            BarDiagram::Frame frame;
            frame.valueText = widestReading(channel);
            window.diagrams().diagram(index(channel)).show(frame);
        }
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        qputenv("VELANTAR_PORTS", "");
        ProgramFont::install();
        TextFit::fitDialogTexts();
    }

    void viewsFit_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("view");
        for (const ScreenSize &screen : kScreenSizes)
            for (const ViewRow &row : kViews)
                QTest::addRow("%s %s", screen.name, row.name) << screen.size << row.view;
    }
    void viewsFit() {
        QFETCH(QSize, size);
        QFETCH(int, view);
        auto window = windowAt(size);
        window->selectView(view);
        showWidestReadings(*window);
        // A channel hidden and shown again takes its place in the legend again.
        if (auto *check = window->findChild<QCheckBox *>(QStringLiteral("CheckBox2"));
            check && check->isVisible()) {
            check->click();
            check->click();
        }
        QCoreApplication::processEvents();
        const QStringList cut = cutTexts(window.get()) + cutChartTexts(window.get());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
    }

    void dialogsFit_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("dialog");
        for (const ScreenSize &screen : kScreenSizes)
            for (const char *dialog : kDialogs)
                QTest::addRow("%s %s", screen.name, dialog)
                    << screen.size << QString::fromLatin1(dialog);
    }
    void dialogsFit() {
        QFETCH(QSize, size);
        QFETCH(QString, dialog);
        auto window = windowAt(size);
        auto *box = window->findChild<QDialog *>(dialog);
        QVERIFY(box);
        box->show();
        QCoreApplication::processEvents();
        const QStringList cut = cutTexts(box);
        box->hide();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
    }
};

QTEST_MAIN(TestTextFit)
#include "test_text_fit.moc"
