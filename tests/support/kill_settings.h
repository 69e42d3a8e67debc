#pragma once

// The kill campaigns' settings: PARLIVO_KILLS kills, drawn from PARLIVO_KILL_SEED. A seed left
// unset is drawn and printed, so that a failing run can be repeated.
#include <QRandomGenerator>
#include <QtGlobal>

namespace testing {

inline int killCount(int byDefault) {
    const int kills = qEnvironmentVariableIntValue("PARLIVO_KILLS");
    return kills > 0 ? kills : byDefault;
}

inline QRandomGenerator killRandom() {
    const QString seedText = qEnvironmentVariable("PARLIVO_KILL_SEED");
    const quint32 seed =
        seedText.isEmpty() ? QRandomGenerator::global()->generate() : seedText.toUInt();
    qInfo("PARLIVO_KILL_SEED=%u", seed);
    return QRandomGenerator(seed);
}

} // namespace testing
