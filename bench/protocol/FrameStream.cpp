#include "FrameStream.h"

#include "communication/SerialPacketFraming.h"
#include "communication/general/AliveMessage.h"
#include "communication/general/IdentificationMessage.h"
#include "communication/general/LockHMIMessage.h"
#include "communication/general/SystemTimeMessage.h"
#include "communication/logger/LogMessage.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <stdexcept>
#include <string>

using namespace communication;

namespace {

// Transaction ids and counters start where their bytes need escapes.
constexpr uint16_t kFirstTransactionId = 0x0203;
constexpr uint32_t kFirstSequenceNumber = 0x10020300;
constexpr int64_t kFirstSeconds = 0x0000000266031002;

constexpr std::array<const char*, 6> kLogTexts = {
    "[INFOM] balancing cycle %u finished, residual unbalance 0.%02u um",
    "[WARNG] rotation speed instable: %u rpm",
    "[INFOM] client configuration received, supervision port %u",
    "[ERROR] sender state changed to %u while balancing",
    "[INFOM] monitoring set %u activated",
    "[DEBUG] xy values plane 1: x=%u y=%u, plane 2 idle",
};

template <class Message>
std::vector<uint8_t> encoded(Message& message, TMessageBaseType baseType, uint16_t transactionId) {
    message.setupCommonHeader(1, baseType, transactionId, 0);
    std::vector<uint8_t> bytes = message.encode();
    if (bytes.empty())
        throw std::runtime_error("message could not be encoded");
    return bytes;
}

std::vector<uint8_t> identification(uint16_t transactionId, unsigned index) {
    general::IdentificationMessage message;
    common_types::general::ModuleIdentification* module = message.getData().addDeviceInfo();
    module->setOperationalHours(0x00021003 + index);
    module->setProductionYear(0x10);
    module->setProductionWeek(0x03);
    module->setBundleVersion("6.1.0");
    module->setArticleNumber("R512T330711");
    module->setSerialNumber("SN-0210-" + std::to_string(index));
    module->setModuleName("SPINDLE " + std::to_string(index % 4));
    module->setModuleAddress(0x1003);
    module->setProfibusAddress(0x0002);
    common_types::balancing::BalIdentification* balancing = message.getData().addBalancingInfo();
    balancing->setSoftwareVersion("3.2.16");
    balancing->setBalancingCardSerialNumber(0x0310);
    balancing->setOperationalHours(0x00100203);
    return encoded(message, SUCCESS_RESPONSE, transactionId);
}

std::vector<uint8_t> lock(uint16_t transactionId, unsigned index) {
    general::LockHMIMessage message;
    message.getData().setLocked(index % 2 == 0);
    return encoded(message, INDICATION, transactionId);
}

std::vector<uint8_t> systemTime(uint16_t transactionId, unsigned index) {
    general::SystemTimeMessage message;
    message.getData().setSecondsSinceEpoch(kFirstSeconds + index);
    return encoded(message, SUCCESS_RESPONSE, transactionId);
}

std::vector<uint8_t> alive(uint16_t transactionId, unsigned index) {
    general::AliveMessage message;
    message.getData().setTransactionNumber(uint8_t(index));
    return encoded(message, SUCCESS_RESPONSE, transactionId);
}

std::vector<uint8_t> log(uint16_t transactionId, unsigned index) {
    logger::LogMessage message;
    char text[256];
    std::snprintf(text, sizeof text, kLogTexts[index % kLogTexts.size()], 0x1000u + index, index % 100u);
    message.setMessage(text);
    message.setLevel(index % 5);
    message.setTimestampSeconds(uint32_t(kFirstSeconds) + index);
    message.setTimestampMicroseconds((index * 0x10203u) % 1000000u);
    message.setSourceId(0x02031002);
    message.setSequenceNumber(kFirstSequenceNumber + index);
    return encoded(message, INDICATION, transactionId);
}

using Builder = std::vector<uint8_t> (*)(uint16_t, unsigned);

// What a connected unit sends in a while: mostly log lines and clock answers, now and then a lock
// indication, an alive answer or its identification.
constexpr std::array<Builder, 16> kMix = {log, systemTime, log,  lock, log, systemTime,     alive,      log,
                                          log, systemTime, lock, log,  log, identification, systemTime, log};

} // namespace

FrameStream::FrameStream(size_t minimumBytes) {
    uint16_t transactionId = kFirstTransactionId;
    for (unsigned index = 0; m_bytes.size() < minimumBytes; ++index) {
        append(kMix[index % kMix.size()](transactionId, index));
        transactionId = transactionId == 0xFFFF ? 1 : uint16_t(transactionId + 1);
    }
}

void FrameStream::append(const std::vector<uint8_t>& message) {
    const std::vector<uint8_t> framed = SerialPacketFraming::frame(message.data(), message.size());
    m_bytes.insert(m_bytes.end(), framed.begin(), framed.end());
    m_escapeCount += framed.size() - message.size() - 2;
    m_payloadBytes += message.size();
    ++m_messageCount;
}

std::vector<QByteArray> FrameStream::chunks(size_t chunkSize) const {
    std::vector<QByteArray> result;
    for (size_t offset = 0; offset < m_bytes.size(); offset += chunkSize) {
        const size_t size = std::min(chunkSize, m_bytes.size() - offset);
        result.emplace_back(reinterpret_cast<const char*>(m_bytes.data() + offset), qsizetype(size));
    }
    return result;
}
