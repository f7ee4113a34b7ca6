#ifndef COMMON_TYPES_GENERAL_CLIENTCONFIGURATION_H
#define COMMON_TYPES_GENERAL_CLIENTCONFIGURATION_H

#include "common_types/RecordFields.h"
#include "common_types/types_export.h"

namespace common_types::general {

#define QX_CLIENT_CONFIGURATION_FIELDS(F)                                                                    \
    F(NUMBER, uint16_t, supervisionMessagesPort, SupervisionMessagesPort, 0, UINT16_MAX, 0)                  \
    F(NUMBER, uint16_t, logMessagesPort, LogMessagesPort, 0, UINT16_MAX, 0)

// The client's UDP ports that the unit sends supervision data and log messages to.
class TYPES_EXPORT ClientConfiguration {
    QX_RECORD(ClientConfiguration, QX_CLIENT_CONFIGURATION_FIELDS)
};

} // namespace common_types::general

#endif
