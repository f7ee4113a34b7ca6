#ifndef COMMUNICATION_MESSAGESUBTYPE_H
#define COMMUNICATION_MESSAGESUBTYPE_H

#include "communication/messages_export.h"

#include <array>
#include <cstdint>

namespace communication {

// Every sub type of the protocol. The values between them are reserved.
#define QX_MESSAGE_SUB_TYPES(F)                                                                              \
    F(IP_CONFIGURATION, 0x0500)                                                                              \
    F(MODULE_SETTINGS, 0x0501)                                                                               \
    F(IDENTIFICATION, 0x0800)                                                                                \
    F(SEARCH_RESPONSE, 0x0801)                                                                               \
    F(CLIENT_CONFIGURATION, 0x0802)                                                                          \
    F(ALIVE, 0x0805)                                                                                         \
    F(LOCK_HMI, 0x0806)                                                                                      \
    F(SYSTEM_TIME, 0x0807)                                                                                   \
    F(MONITORING_STATUS, 0x0880)                                                                             \
    F(MONITORING_SET, 0x0883)                                                                                \
    F(SWITCH_ACTIVE_MONITORING_SET, 0x0884)                                                                  \
    F(MONITORING_PARAMETERS, 0x0885)                                                                         \
    F(MONITORING_DATA, 0x0886)                                                                               \
    F(MONITORING_SETUP_DATA, 0x0887)                                                                         \
    F(MONITORING_ERROR_STATUS, 0x0888)                                                                       \
    F(XY_VALUES, 0x0900)                                                                                     \
    F(UNBALANCE, 0x0901)                                                                                     \
    F(BALANCING_STATUS, 0x0902)                                                                              \
    F(SENDER_STATE, 0x0903)                                                                                  \
    F(RPM, 0x0904)                                                                                           \
    F(DIAGNOSIS_VALUES, 0x0906)                                                                              \
    F(BALANCING_SET, 0x0908)                                                                                 \
    F(SWITCH_ACTIVE_SET, 0x0909)                                                                             \
    F(MODULE_STATE, 0x090A)                                                                                  \
    F(MODULE_PARAMETERS, 0x090B)                                                                             \
    F(STATS, 0x090C)                                                                                         \
    F(BALANCINGHEAD_POSITIONS, 0x090D)                                                                       \
    F(BALANCING_ADDITIONAL_IDENTIFICATION, 0x090E)                                                           \
    F(MANUAL_BALANCING_CHANGE_STATE, 0x09C0)                                                                 \
    F(MANUAL_BALANCING_STATE, 0x09C1)                                                                        \
    F(MANUAL_BALANCING_STATUS, 0x09C2)                                                                       \
    F(MANUAL_BALANCING_WEIGHT_POSITIONS, 0x09C3)                                                             \
    F(MANUAL_BALANCING_COMPENSATION_RESULTS, 0x09C4)                                                         \
    F(MANUAL_BALANCING_SCREW_LIST_META_DATA, 0x09C5)                                                         \
    F(MANUAL_BALANCING_SCREW_LIST, 0x09C6)                                                                   \
    F(MANUAL_BALANCING_SCREW_LIST_ADD, 0x09C7)                                                               \
    F(MANUAL_BALANCING_SCREW_LIST_CHANGE, 0x09C8)                                                            \
    F(MANUAL_BALANCING_SCREW_LIST_DELETE, 0x09C9)                                                            \
    F(MANUAL_BALANCING_TEST_UNBALANCE_DELTA_LIST_META_DATA, 0x09CA)                                          \
    F(MANUAL_BALANCING_TEST_UNBALANCE_DELTA_LIST, 0x09CB)                                                    \
    F(MANUAL_BALANCING_TEST_UNBALANCE_DELTA_LIST_ADD, 0x09CC)                                                \
    F(MANUAL_BALANCING_TEST_UNBALANCE_DELTA_LIST_CHANGE, 0x09CD)                                             \
    F(MANUAL_BALANCING_TEST_UNBALANCE_DELTA_LIST_DELETE, 0x09CE)                                             \
    F(MANUAL_BALANCING_SETTINGS, 0x09CF)                                                                     \
    F(MANUAL_BALANCING_SWITCH_SETTINGS, 0x09D0)                                                              \
    F(MANUAL_BALANCING_CYCLE_RESULTS, 0x09D2)                                                                \
    F(MANUAL_BALANCING_SMOOTHED_XY_VALUES, 0x09D3)                                                           \
    F(MANUAL_BALANCING_WEIGHT_POSITIONS_FROM_LAST_CYCLE, 0x09D4)                                             \
    F(LOG_MESSAGE, 0x0FFE)

#define QX_MESSAGE_SUB_TYPE_ENUMERATOR(name, value) name = value,
enum TMessageSubType : uint16_t { QX_MESSAGE_SUB_TYPES(QX_MESSAGE_SUB_TYPE_ENUMERATOR) };
#undef QX_MESSAGE_SUB_TYPE_ENUMERATOR

struct MessageSubTypeName {
    uint16_t value;
    const char* name;
};

#define QX_MESSAGE_SUB_TYPE_NAME(name, value) MessageSubTypeName{value, #name},
inline constexpr std::array MESSAGE_SUB_TYPE_NAMES = {QX_MESSAGE_SUB_TYPES(QX_MESSAGE_SUB_TYPE_NAME)};
#undef QX_MESSAGE_SUB_TYPE_NAME

// The enumerator's name, or "UNKNOWN" for a reserved value.
MESSAGES_EXPORT const char* getMessageSubTypeName(uint16_t subType);
MESSAGES_EXPORT bool isKnownMessageSubType(uint16_t subType);

} // namespace communication

#endif
