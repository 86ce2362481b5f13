#include "tupr.h"

#include "app_settings.h"
#include "poll_cycle.h"
#include "settings_store.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr QSize DialogSize(330, 210);

} // namespace

TUpr::TUpr(PollCycle &cycle, SettingsStore &settings, const CurrentReadings &readings,
           UserPrompts &prompts, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      cycle_(cycle), store_(settings), settings_(settings.get()), readings_(readings),
      prompts_(prompts), label_(new QLabel(QStringLiteral("Чувствительность тахометра"), this)),
      value_(new QLineEdit(QStringLiteral("000"), this)),
      keysPanel_(captionPanel(QStringLiteral("Panel1"), SettingsMenuDisplay::KeysPanelLines)),
      cylindersPanel_(
          captionPanel(QStringLiteral("Panel2"), SettingsMenuDisplay::CylindersPanelLines)) {
    setObjectName("Upr");
    setWindowTitle(SettingsMenuDisplay::Caption.toString());
    setModal(false);
    setFixedSize(DialogSize);

    label_->setObjectName("Label1");
    label_->setAlignment(Qt::AlignCenter);
    QFont labelFont = label_->font();
    labelFont.setPointSize(12);
    labelFont.setBold(true);
    label_->setFont(labelFont);

    // The value as the analyser reports it, in large digits on teal.
    value_->setObjectName("Edit1");
    value_->setReadOnly(true);
    value_->setFocusPolicy(Qt::NoFocus);
    value_->setAlignment(Qt::AlignCenter);
    QFont valueFont = value_->font();
    valueFont.setPointSize(20);
    valueFont.setBold(true);
    value_->setFont(valueFont);
    QPalette palette = value_->palette();
    palette.setColor(QPalette::Base, QColor(0, 128, 128));
    palette.setColor(QPalette::Text, Qt::white);
    value_->setPalette(palette);

    auto *column = new QVBoxLayout(this);
    column->addWidget(label_);
    column->addWidget(value_);
    column->addWidget(keysPanel_);
    column->addWidget(cylindersPanel_);
    column->addStretch();
    keysPanel_->hide();
    cylindersPanel_->hide();
}

QFrame *TUpr::captionPanel(const QString &name, const QStringList &lines) {
    auto *panel = new QFrame(this);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    auto *column = new QVBoxLayout(panel);
    column->setSpacing(0);
    for (const QString &line : lines)
        column->addWidget(new QLabel(line, panel));
    return panel;
}

void TUpr::showSettingsMenu(int menu) {
    const SettingsMenuDisplay::Step step = display_.tick(menu, readings_);
    step.applyToPollCycle(cycle_);
    if (step.open)
        openWith(*step.open);
    if (step.value)
        value_->setText(*step.value);
    if (step.close)
        hide();
}

void TUpr::openWith(const SettingsMenuDisplay::Opening &opening) {
    label_->setText(opening.label);
    keysPanel_->setVisible(opening.keysPanel);
    cylindersPanel_->setVisible(opening.cylindersPanel);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
}

// Esc belongs to the release handler: a dialog would otherwise close on its press.
void TUpr::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TUpr::keyReleaseEvent(QKeyEvent *event) {
    if (event->isAutoRepeat()) { // a held key asks once, when it is let go
        event->accept();
        return;
    }
    const std::optional<SettingsMenuDisplay::IndicationOff> off =
        SettingsMenuDisplay::keyReleased(event->key(), prompts_);
    if (!off) {
        QDialog::keyReleaseEvent(event);
        return;
    }
    store_.set(&AppSettings::OldAnalyser, off->oldAnalyser);
    cycle_.resumeNormalCycle();
    if (indicationSwitchedOff)
        indicationSwitchedOff(*off);
    if (off->closeDialog)
        hide();
}
