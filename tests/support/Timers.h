#pragma once
// The program's timers, made to come by a test instead of waited for on the
// real clock: whatever a timer's handler then reads of the time comes from the
// clocks of the seams, which the fixture sets.

class QObject;
class QString;
class QTimer;

namespace support {

// The timer of that name among the object's children; fails loudly without one.
QTimer* FindTimer(const QObject* owner, const QString& name);

// The running timer comes now, as it would once its interval had passed; a
// single-shot timer stops first, as it does when it comes.
void Fire(QTimer* timer);

}  // namespace support
