#ifndef LOGTAP_QUORIXCONSOLEAPPENDER_H
#define LOGTAP_QUORIXCONSOLEAPPENDER_H

#include "logtap/logtap_export.h"

#include <log4cxx/helpers/writer.h>
#include <log4cxx/writerappender.h>

namespace log4cxx {

// Console appender that a configuration names "QuorixConsoleAppender"; option TARGET selects the stream.
class LOGTAP_EXPORT QuorixConsoleAppender : public WriterAppender {
public:
    DECLARE_LOG4CXX_OBJECT(QuorixConsoleAppender)
    BEGIN_LOG4CXX_CAST_MAP()
    LOG4CXX_CAST_ENTRY(QuorixConsoleAppender)
    LOG4CXX_CAST_ENTRY_CHAIN(WriterAppender)
    END_LOG4CXX_CAST_MAP()

    QuorixConsoleAppender();
    explicit QuorixConsoleAppender(const LayoutPtr& layout);
    QuorixConsoleAppender(const LayoutPtr& layout, const LogString& target);
    ~QuorixConsoleAppender() override;
    QuorixConsoleAppender(const QuorixConsoleAppender&) = delete;
    QuorixConsoleAppender& operator=(const QuorixConsoleAppender&) = delete;

    void setTarget(const LogString& value);
    LogString getTarget() const;

    void setOption(const LogString& option, const LogString& value) override;
    void activateOptions(helpers::Pool& pool) override;

private:
    void targetWarn(const LogString& value);
    static bool isSystemErrOutput(const LogString& name);
    static helpers::WriterPtr createWriter(bool errorStream);
    void activateWith(const LayoutPtr& layout);

    LogString m_target;
};

LOG4CXX_PTR_DEF(QuorixConsoleAppender);

} // namespace log4cxx

#endif
