#ifndef LOGTAP_QUORIXCONSOLELOGWRITER_H
#define LOGTAP_QUORIXCONSOLELOGWRITER_H

#include "logtap/logtap_export.h"

#include <log4cxx/helpers/writer.h>

namespace log4cxx::helpers {

// Writes log text to standard output or standard error and flushes on request.
class LOGTAP_EXPORT QuorixConsoleLogWriter : public Writer {
public:
    DECLARE_LOG4CXX_OBJECT(QuorixConsoleLogWriter)
    BEGIN_LOG4CXX_CAST_MAP()
    LOG4CXX_CAST_ENTRY(QuorixConsoleLogWriter)
    LOG4CXX_CAST_ENTRY_CHAIN(Writer)
    END_LOG4CXX_CAST_MAP()

    explicit QuorixConsoleLogWriter(bool errorStream = false);
    ~QuorixConsoleLogWriter() override;
    QuorixConsoleLogWriter(const QuorixConsoleLogWriter&) = delete;
    QuorixConsoleLogWriter& operator=(const QuorixConsoleLogWriter&) = delete;

    void close(Pool& pool) override;
    void flush(Pool& pool) override;
    void write(const LogString& text, Pool& pool) override;

    static void write(const LogString& text, bool errorStream);
    static void flush(bool errorStream);

private:
    static bool isWide();

    const bool m_errorStream;
};

LOG4CXX_PTR_DEF(QuorixConsoleLogWriter);

} // namespace log4cxx::helpers

#endif
