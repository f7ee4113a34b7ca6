#ifndef COMMON_TYPES_RECORDLOGGER_H
#define COMMON_TYPES_RECORDLOGGER_H

#include "common_types/RecordFields.h"

#include <logtap/Log4CxxPrintWrapper.h>
#include <logtap/ScopedBlockIndentation.h>

#include <cstdio>

namespace common_types {

// Writes a record's fields at TRACE, one line per field, sub-records and list elements indented.
class RecordLogger {
public:
    explicit RecordLogger(log4cxx::LoggerPtr logger)
        : m_logger(std::move(logger)) {}

    template <class T>
    void value(const char* name, const T& field) {
        line(name, format(field));
    }
    void text(const char* name, const std::string& field, size_t) {
        log4cxx::Log4CxxPrintWrapper::print(m_logger, log4cxx::Level::getTrace(), "%s: \"%s\"", name,
                                            field.c_str());
    }
    template <size_t N>
    void chars(const char* name, const char (&field)[N]) {
        log4cxx::Log4CxxPrintWrapper::print(m_logger, log4cxx::Level::getTrace(), "%s: \"%.*s\"", name,
                                            int(N), field);
    }
    template <class R>
    void record(const char* name, const R& field) {
        log4cxx::Log4CxxPrintWrapper::print(m_logger, log4cxx::Level::getTrace(), "%s:", name);
        log4cxx::helpers::ScopedBlockIndentation indentation;
        field.visitFields(*this);
    }
    template <class R>
    void optional(const char* name, const OptionalRecord<R>& field) {
        if (field.isPresent())
            record(name, *field.get());
        else
            line(name, "(none)");
    }
    template <class T, size_t N>
    void array(const char* name, const std::array<T, N>& field) {
        if constexpr (detail::isScalar<T>) {
            std::string joined;
            for (const T& element : field)
                joined += (joined.empty() ? "" : ", ") + format(element);
            line(name, "[" + joined + "]");
        } else {
            elements(name, field);
        }
    }
    template <class T, class Owner, class Insert>
    void list(const char* name, const std::vector<T>& field, size_t, const Owner&, Insert) {
        elements(name, field);
    }

private:
    template <class Container>
    void elements(const char* name, const Container& container) {
        line(name, std::to_string(container.size()) + " element(s)");
        log4cxx::helpers::ScopedBlockIndentation indentation;
        for (size_t index = 0; index < container.size(); ++index) {
            const std::string elementName = "[" + std::to_string(index) + "]";
            if constexpr (detail::isScalar<typename Container::value_type>)
                line(elementName.c_str(), format(container[index]));
            else
                record(elementName.c_str(), container[index]);
        }
    }
    void line(const char* name, const std::string& shown) {
        log4cxx::Log4CxxPrintWrapper::print(m_logger, log4cxx::Level::getTrace(), "%s: %s", name,
                                            shown.c_str());
    }
    static std::string format(bool value) { return value ? "true" : "false"; }
    static std::string format(double value) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.17g", value);
        return buffer;
    }
    static std::string format(const std::complex<double>& value) {
        return "(" + format(value.real()) + ", " + format(value.imag()) + ")";
    }
    template <class T>
    static std::enable_if_t<std::is_integral_v<T>, std::string> format(T value) {
        if constexpr (std::is_signed_v<T>)
            return std::to_string(static_cast<long long>(value));
        else
            return std::to_string(static_cast<unsigned long long>(value));
    }

    log4cxx::LoggerPtr m_logger;
};

// The record's log(): a title line, then its fields one level deeper.
template <class R>
void logRecord(const log4cxx::LoggerPtr& logger, const char* title, const R& record) {
    if (!logger->isTraceEnabled())
        return;
    log4cxx::Log4CxxPrintWrapper::print(logger, log4cxx::Level::getTrace(), "%s", title);
    log4cxx::helpers::ScopedBlockIndentation indentation;
    RecordLogger visitor(logger);
    record.visitFields(visitor);
}

} // namespace common_types

// Defines Record::log() and Record::getLogger() inside the record's namespace.
#define QX_RECORD_DEFINE_LOG(Record, loggerName)                                                             \
    void Record::log() const {                                                                               \
        ::common_types::logRecord(getLogger(), #Record, *this);                                              \
    }                                                                                                        \
    log4cxx::LoggerPtr Record::getLogger() const {                                                           \
        return log4cxx::Logger::getLogger(loggerName);                                                       \
    }

#endif
