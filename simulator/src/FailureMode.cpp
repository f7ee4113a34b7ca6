#include "unitsim/FailureMode.h"

namespace quorix::Simulator {

const QList<FailureModeInfo>& failureModeInfos() {
    static const QList<FailureModeInfo> infos = {
        {FailureMode::Normal, "normal", "answer everything (also: resume)"},
        {FailureMode::Silent, "silent", "keep TCP open, send nothing, leave alive requests unanswered"},
        {FailureMode::Drop, "drop", "close every TCP connection, also each new one after accepting it"},
        {FailureMode::Refuse, "refuse", "stop listening on the control port"},
        {FailureMode::GarbageBetweenFrames, "garbage", "a stray byte before every frame"},
        {FailureMode::SplitFrame, "split", "every frame written in three pieces with delays"},
        {FailureMode::ShortFrame, "short", "an empty frame and a 5-byte frame before every frame"},
        {FailureMode::BodyLengthMismatch, "length-mismatch", "a header whose body length does not match"},
        {FailureMode::UnknownSubType, "unknown-subtype",
         "a message of an unknown sub type before every frame"},
        {FailureMode::FrameTooLong, "too-long", "a frame of 1024 bytes before every frame"},
        {FailureMode::InvalidEscape, "invalid-escape",
         "a frame with DLE and an invalid byte before every frame"},
        {FailureMode::ErrorResponse, "error-response", "answer the fault sub type with an error response"},
        {FailureMode::NoAnswer, "no-answer", "leave the fault sub type unanswered"},
    };
    return infos;
}

QString failureModeName(FailureMode mode) {
    for (const FailureModeInfo& info : failureModeInfos()) {
        if (info.mode == mode)
            return QString::fromLatin1(info.name);
    }
    return QString();
}

bool failureModeFromName(const QString& name, FailureMode* mode) {
    if (name == QLatin1String("resume")) {
        *mode = FailureMode::Normal;
        return true;
    }
    for (const FailureModeInfo& info : failureModeInfos()) {
        if (name == QLatin1String(info.name)) {
            *mode = info.mode;
            return true;
        }
    }
    return false;
}

} // namespace quorix::Simulator
