#ifndef UNITSIM_IDENTIFICATIONMODEL_H
#define UNITSIM_IDENTIFICATIONMODEL_H

#include "unitsim/UnitFunction.h"

#include <common_types/general/Identification.h>

namespace quorix::Simulator {

struct UnitProfile;

// Answers the identification request with the module identification and, when the profile says so,
// the balancing card's identification.
class IdentificationModel : public UnitFunction {
public:
    IdentificationModel(const UnitProfile& profile, UnitChannel& channel);

    bool handles(quint16 subType) const override;
    void handle(const IncomingMessage& message, ClientSession& session) override;

    common_types::general::Identification identification() const;

private:
    const UnitProfile& m_profile;
};

} // namespace quorix::Simulator

#endif
