#ifndef UNITSIM_FAILUREMODE_H
#define UNITSIM_FAILUREMODE_H

#include <QList>
#include <QString>

namespace quorix::Simulator {

// How a simulated unit misbehaves. One mode is active at a time; Normal is what "resume" returns to.
enum class FailureMode {
    Normal,               // answer everything
    Silent,               // TCP stays open, nothing is sent on any channel
    Drop,                 // close every connection now and every new one right after accepting it
    Refuse,               // stop listening on the control port
    GarbageBetweenFrames, // a stray byte before every frame on the control connection
    SplitFrame,           // every frame written in three pieces with delays
    ShortFrame,           // an empty frame and a frame shorter than a header before every frame
    BodyLengthMismatch,   // the header's body length is one more than the body
    UnknownSubType,       // a bare indication of an unknown sub type before every frame
    FrameTooLong,         // a frame of 1024 unescaped bytes before every frame
    InvalidEscape,        // a frame with DLE followed by an invalid byte before every frame
    ErrorResponse,        // requests and commands of the fault sub type get an error response
    NoAnswer,             // requests and commands of the fault sub type stay unanswered
};

struct FailureModeInfo {
    FailureMode mode;
    const char* name;
    const char* description;
};

// Every mode with its command-line name, Normal first.
const QList<FailureModeInfo>& failureModeInfos();
QString failureModeName(FailureMode mode);
// Accepts the names of failureModeInfos() and "resume" for Normal.
bool failureModeFromName(const QString& name, FailureMode* mode);

} // namespace quorix::Simulator

#endif
