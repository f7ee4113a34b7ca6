#ifndef QX5200PROTOCOL_MESSAGES_SIMULATION_CPARAMETERS_H
#define QX5200PROTOCOL_MESSAGES_SIMULATION_CPARAMETERS_H

#include "application/application_export.h"

namespace common_messages::simulation {

// Simulator parameters; they hold no data, and no two of them are ever equal, not even an object with
// itself.
class APPLICATION_EXPORT CParameters {
public:
    CParameters();
    CParameters(const CParameters& other);
    CParameters& operator=(const CParameters& other);

    bool operator==(const CParameters& other) const;
    bool operator!=(const CParameters& other) const;
};

} // namespace common_messages::simulation

#endif
