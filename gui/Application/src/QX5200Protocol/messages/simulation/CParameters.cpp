#include "QX5200Protocol/messages/simulation/CParameters.h"

namespace common_messages::simulation {

CParameters::CParameters() = default;

CParameters::CParameters(const CParameters&) = default;

CParameters& CParameters::operator=(const CParameters&) = default;

bool CParameters::operator==(const CParameters&) const {
    return false;
}

bool CParameters::operator!=(const CParameters&) const {
    return true;
}

} // namespace common_messages::simulation
