#include "logtap/QuorixConsoleLogWriter.h"

#include <cstdio>

using namespace log4cxx;
using namespace log4cxx::helpers;

IMPLEMENT_LOG4CXX_OBJECT(QuorixConsoleLogWriter)

namespace {
FILE* streamOf(bool errorStream) {
    return errorStream ? stderr : stdout;
}
} // namespace

QuorixConsoleLogWriter::QuorixConsoleLogWriter(bool errorStream)
    : m_errorStream(errorStream) {}

QuorixConsoleLogWriter::~QuorixConsoleLogWriter() = default;

void QuorixConsoleLogWriter::close(Pool&) {}

void QuorixConsoleLogWriter::flush(Pool&) {
    flush(m_errorStream);
}

void QuorixConsoleLogWriter::write(const LogString& text, Pool&) {
    write(text, m_errorStream);
}

void QuorixConsoleLogWriter::write(const LogString& text, bool errorStream) {
    // The UTF-8 bytes of the text: a byte-oriented write keeps the stream usable for later narrow writes.
    static_assert(sizeof(LogString::value_type) == 1, "LogString is expected to hold UTF-8 bytes");
    if (isWide())
        std::fwrite(text.data(), 1, text.size(), streamOf(errorStream));
}

void QuorixConsoleLogWriter::flush(bool errorStream) {
    std::fflush(streamOf(errorStream));
}

bool QuorixConsoleLogWriter::isWide() {
    return true;
}
