#pragma once

#include <QString>
#include <QtGlobal>

// The decisions that keep a lost link from passing for a live one, kept apart from the
// timers so that each can be tested on its own: when polling counts as lost, what the user
// is told, and whether a search that gave up is tried again by itself. Which port errors
// close the port (and so count as a lost port) is SerialPortPolicy::isFatal.
namespace LinkLossPolicy {

// A poll cycle takes about 0.3 s and nearly every request is answered, so this long without
// a single answer byte means the analyser no longer answers (switched off, cable pulled at
// its end) rather than a slow line...
inline constexpr qint64 SilenceLimitMs = 2000;
// ... provided questions went out meanwhile: at least this many reads since the last answer
// (writes, such as the 128 of a header transfer, get no answer and do not count). A program
// held up for a while (a long print, a blocked write) has asked nothing, so its silence says
// nothing about the analyser.
inline constexpr int MinUnansweredRequests = 15;
// The pause between two searches the link starts by itself after a loss: calm enough to
// cost nothing while the analyser is away, short enough to be back soon after it returns.
inline constexpr int RetryIntervalMs = 5000;

enum class Health {
    Alive,
    PortGone, // the port closed under the link: a USB adapter unplugged, a port error
    Silent,   // the port is open but nothing has come for SilenceLimitMs
};

// After a receive tick while polling; requestsSinceLastAnswer counts the reads sent.
Health judge(bool portOpen, qint64 msSinceLastAnswer, int requestsSinceLastAnswer);

// The one notice a loss gives, naming its cause.
QString lossNotice(Health why);

// What a search that found nothing does next.
struct AfterGivingUp {
    bool tellUser; // "Прибор не обнаружен !" and the options dialog's port page
    bool retry;    // another search after RetryIntervalMs
};
// automaticSearch: the link started this search itself after a loss. linkLost: the link was
// lost and has not been found again since (the user may press "Связь" meanwhile).
AfterGivingUp afterGivingUp(bool automaticSearch, bool linkLost);

} // namespace LinkLossPolicy
