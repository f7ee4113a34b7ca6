#include "logtap/ScopedBlockIndentation.h"

#include "logtap/BlockIndentation.h"

namespace log4cxx::helpers {

ScopedBlockIndentation::ScopedBlockIndentation() {
    blockIndentation().incrementBlockDepth();
}

ScopedBlockIndentation::~ScopedBlockIndentation() {
    blockIndentation().decrementBlockDepth();
}

} // namespace log4cxx::helpers
