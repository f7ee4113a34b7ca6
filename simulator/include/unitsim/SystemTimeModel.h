#ifndef UNITSIM_SYSTEMTIMEMODEL_H
#define UNITSIM_SYSTEMTIMEMODEL_H

#include "unitsim/UnitFunction.h"

#include <QElapsedTimer>

namespace quorix::Simulator {

// The unit's clock: runs from a configurable start, is read by a request, set by a command (answered
// with the new time) and can be indicated on demand.
class SystemTimeModel : public UnitFunction {
public:
    SystemTimeModel(qint64 startSecondsSinceEpoch, UnitChannel& channel);

    bool handles(quint16 subType) const override;
    void handle(const IncomingMessage& message, ClientSession& session) override;

    qint64 currentSeconds() const;
    void setClock(qint64 secondsSinceEpoch);
    // An unsolicited indication with the current time to all clients.
    void sendIndication();

private:
    qint64 m_startSeconds = 0;
    QElapsedTimer m_sinceStart;
};

} // namespace quorix::Simulator

#endif
