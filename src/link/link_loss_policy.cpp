#include "link_loss_policy.h"

namespace LinkLossPolicy {

Health judge(bool portOpen, qint64 msSinceLastAnswer, int requestsSinceLastAnswer) {
    if (!portOpen)
        return Health::PortGone;
    const bool silent =
        msSinceLastAnswer >= SilenceLimitMs && requestsSinceLastAnswer >= MinUnansweredRequests;
    return silent ? Health::Silent : Health::Alive;
}

QString lossNotice(Health why) {
    const QString cause = why == Health::PortGone
                              ? QStringLiteral("Порт газоанализатора закрылся (кабель или "
                                               "USB-адаптер отключен).")
                              : QStringLiteral("Газоанализатор перестал отвечать.");
    return cause + QStringLiteral(" Показания не обновляются. Программа ищет прибор и "
                                  "продолжит опрос, когда он ответит.");
}

AfterGivingUp afterGivingUp(bool automaticSearch, bool linkLost) {
    return {!automaticSearch, automaticSearch || linkLost};
}

} // namespace LinkLossPolicy
