#include "settings_menu_display.h"

#include "mode_indication.h"
#include "user_prompts.h"

const QStringList SettingsMenuDisplay::KeysPanelLines = {
    QStringLiteral("   \" + \"  - Увеличение."),
    QStringLiteral("   \" - \"  - Уменьшение."),
    QStringLiteral("   \" Ввод \"  - Запись и выход."),
    QStringLiteral("   \" Выход \"  - Выход без записи."),
};

const QStringList SettingsMenuDisplay::CylindersPanelLines = {
    QStringLiteral("   Для изменения числа циллиндров"),
    QStringLiteral("удерживайте нажатой кнопку"),
    QStringLiteral("   \" 4 / 2 такта \"."),
};

int SettingsMenuDisplay::menuFor(quint8 modeFlags, quint8 menuFlags) {
    return ModeIndication::settingsMenuFor(modeFlags, menuFlags);
}

qint64 SettingsMenuDisplay::pressureValue(qint64 raw) {
    return raw * 3213 / 65536; // integer division cuts toward zero
}

QString SettingsMenuDisplay::valueText(int menu, const CurrentReadings &readings) {
    switch (menu) {
    case PressureMenu:
        return QString::number(pressureValue(readings.pressure));
    case CylindersMenu:
        return QString::number(readings.cylinders);
    case TachoMenu:
        return QString::number(readings.tachoSensitivity);
    default:
        return QString();
    }
}

SettingsMenuDisplay::Opening SettingsMenuDisplay::openingFor(int menu) {
    switch (menu) {
    case PressureMenu:
        return {QStringLiteral("Атмосферное давление"), true, false};
    case CylindersMenu:
        return {QStringLiteral("Число циллиндров"), false, true};
    default:
        return {QStringLiteral("Чувствительность тахометра"), true, false};
    }
}

void SettingsMenuDisplay::Step::applyToPollCycle(PollCycle &cycle) const {
    if (pollMode == PollCycle::SettingsMenu)
        cycle.enterSettingsMenuCycle(); // from its first request
    else if (pollMode == PollCycle::Normal)
        cycle.resumeNormalCycle();
}

SettingsMenuDisplay::Step SettingsMenuDisplay::tick(int menu, const CurrentReadings &readings) {
    Step step;
    if (menu != NoMenu) {
        if (!shown_) {
            // The settings-menu cycle starts at its first request, the pressure word.
            step.pollMode = PollCycle::SettingsMenu;
            step.resetPollStep = true;
            step.open = openingFor(menu);
            shown_ = true;
        }
        step.value = valueText(menu, readings);
    } else if (shown_) {
        step.pollMode = PollCycle::Normal;
        step.close = true;
        shown_ = false;
    }
    return step;
}

SettingsMenuDisplay::IndicationOff SettingsMenuDisplay::indicationOff() {
    return {};
}

std::optional<SettingsMenuDisplay::IndicationOff>
SettingsMenuDisplay::keyReleased(int key, UserPrompts &prompts) {
    if (key != Qt::Key_Escape)
        return std::nullopt;
    if (prompts.askYesNoCancel(SwitchOffQuestion.toString()) != UserPrompts::Answer::Yes)
        return std::nullopt;
    return indicationOff();
}
