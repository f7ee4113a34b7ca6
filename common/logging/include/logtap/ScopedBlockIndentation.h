#ifndef LOGTAP_SCOPEDBLOCKINDENTATION_H
#define LOGTAP_SCOPEDBLOCKINDENTATION_H

#include "logtap/logtap_export.h"

namespace log4cxx::helpers {

// Raises the shared block depth for its lifetime.
class LOGTAP_EXPORT ScopedBlockIndentation {
public:
    ScopedBlockIndentation();
    ~ScopedBlockIndentation();
    ScopedBlockIndentation(const ScopedBlockIndentation&) = delete;
    ScopedBlockIndentation& operator=(const ScopedBlockIndentation&) = delete;
};

} // namespace log4cxx::helpers

#endif
