#ifndef COMMUNICATION_CONFIGLET_MACRECORDMESSAGE_H
#define COMMUNICATION_CONFIGLET_MACRECORDMESSAGE_H

#include "communication/RecordMessage.h"

#include <string>

namespace communication::configlet {

// A configuration message: the MAC address text of the addressed unit (at most 17 bytes), then the
// record. Units that do not have that MAC address ignore the message.
template <class Record, uint16_t SubType>
class MacRecordMessage : public RecordMessage<Record, SubType> {
public:
    static constexpr size_t MAX_MAC_LENGTH = 17;

    const std::string& getMAC() const { return m_mac; }
    void setMAC(const std::string& mac) { m_mac = mac; }

protected:
    void encodeBody(WireWriter& writer) const override {
        writer.writeText(m_mac, MAX_MAC_LENGTH);
        encodeField(writer, this->getData());
    }
    bool decodeBody(WireReader& reader) override {
        std::string mac;
        reader.readText(mac, MAX_MAC_LENGTH);
        if (!decodeRecord(reader, this->getData()))
            return false;
        m_mac = mac;
        return true;
    }

private:
    std::string m_mac;
};

} // namespace communication::configlet

#endif
