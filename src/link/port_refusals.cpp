#include "port_refusals.h"

#include "port_names.h"

#include <QStringList>

#include <algorithm>

void PortRefusals::note(int number, const QString &device) {
    const bool known = std::any_of(ports_.cbegin(), ports_.cend(),
                                   [number](const Port &port) { return port.number == number; });
    if (!known)
        ports_.append({number, device});
}

QString PortRefusals::report() const {
    if (ports_.isEmpty())
        return {};
    QStringList refusals;
    for (const Port &port : ports_)
        refusals << QStringLiteral("Нет доступа к порту %1 (%2).")
                        .arg(PortNames::displayName(port.number), port.device);
    return refusals.join(QLatin1Char('\n')) +
           QStringLiteral(" Добавьте пользователя в группу dialout и войдите в систему заново.");
}

QString PortRefusals::notFoundWarning() const {
    const QString notFound = QStringLiteral("Прибор не обнаружен !");
    return ports_.isEmpty() ? notFound : notFound + QStringLiteral("\n\n") + report();
}
