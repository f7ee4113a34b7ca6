#ifndef COMMUNICATION_RECORDMESSAGE_H
#define COMMUNICATION_RECORDMESSAGE_H

#include "communication/ProtocolMessage.h"
#include "communication/RecordCodec.h"

namespace communication {

// A message whose body is one record, with the record's field table as its layout.
template <class Record, uint16_t SubType>
class RecordMessage : public ProtocolMessage {
public:
    using RecordType = Record;
    static constexpr uint16_t OWN_SUB_TYPE = SubType;

    RecordMessage()
        : ProtocolMessage(SubType) {}

    Record& getData() { return m_data; }
    const Record& getData() const { return m_data; }
    void setData(const Record& data) { m_data = data; }

protected:
    void encodeBody(WireWriter& writer) const override { encodeField(writer, m_data); }
    bool decodeBody(WireReader& reader) override { return decodeRecord(reader, m_data); }

private:
    Record m_data;
};

} // namespace communication

#endif
