#include "logtap/BlockIndentation.h"

namespace log4cxx::helpers {

BlockIndentation::BlockIndentation()
    : m_blockDepth(0)
    , m_indentationStep(2) {}

void BlockIndentation::incrementBlockDepth() {
    m_blockDepth.fetch_add(1, std::memory_order_relaxed);
}

void BlockIndentation::decrementBlockDepth() {
    int depth = m_blockDepth.load(std::memory_order_relaxed);
    while (depth > 0 && !m_blockDepth.compare_exchange_weak(depth, depth - 1, std::memory_order_relaxed)) {
    }
}

int BlockIndentation::calcBlockIndentation() const {
    return m_indentationStep * m_blockDepth.load(std::memory_order_relaxed);
}

BlockIndentation& blockIndentation() {
    static BlockIndentation instance;
    return instance;
}

} // namespace log4cxx::helpers
