#ifndef UNITSIM_PANELLOCKMODEL_H
#define UNITSIM_PANELLOCKMODEL_H

#include "unitsim/UnitFunction.h"

namespace quorix::Simulator {

// The lock of the unit's own panel: answers the request and indicates every change to all clients.
class PanelLockModel : public UnitFunction {
public:
    explicit PanelLockModel(UnitChannel& channel);

    bool handles(quint16 subType) const override;
    void handle(const IncomingMessage& message, ClientSession& session) override;

    bool isLocked() const { return m_locked; }
    // Stores the state and sends an unsolicited indication with it.
    void setLocked(bool locked);

private:
    bool m_locked = false;
};

} // namespace quorix::Simulator

#endif
