#ifndef UNITSIM_CLIENTCONFIGURATIONMODEL_H
#define UNITSIM_CLIENTCONFIGURATIONMODEL_H

#include "unitsim/UnitFunction.h"

namespace quorix::Simulator {

// Takes the client configuration command: the session keeps the supervision and log ports. A unit does
// not answer it; a body that does not decode gets an error response.
class ClientConfigurationModel : public UnitFunction {
public:
    explicit ClientConfigurationModel(UnitChannel& channel);

    bool handles(quint16 subType) const override;
    void handle(const IncomingMessage& message, ClientSession& session) override;
};

} // namespace quorix::Simulator

#endif
