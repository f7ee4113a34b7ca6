#ifndef LOGTAP_BLOCKINDENTATION_H
#define LOGTAP_BLOCKINDENTATION_H

#include "logtap/logtap_export.h"

#include <atomic>

namespace log4cxx::helpers {

// Process-wide depth of nested log blocks; each level indents log lines by two blanks.
class LOGTAP_EXPORT BlockIndentation {
public:
    BlockIndentation();

    void incrementBlockDepth();
    // Never goes below 0.
    void decrementBlockDepth();
    int calcBlockIndentation() const;

private:
    std::atomic<int> m_blockDepth;
    const int m_indentationStep;
};

// The one shared instance.
LOGTAP_EXPORT BlockIndentation& blockIndentation();

} // namespace log4cxx::helpers

#endif
