#ifndef COMMUNICATION_SEARCHRESPONSEMESSAGE_H
#define COMMUNICATION_SEARCHRESPONSEMESSAGE_H

#include "communication/MessageSubType.h"
#include "communication/RecordMessage.h"
#include "communication/messages_export.h"

#include <common_types/SearchResponse.h>

namespace communication {

// A unit's answer to the discovery text, one unframed UDP datagram.
class MESSAGES_EXPORT SearchResponseMessage
    : public RecordMessage<common_types::SearchResponse, SEARCH_RESPONSE> {
public:
    SearchResponseMessage();
    ~SearchResponseMessage() override;
};

} // namespace communication

#endif
