#include "search/type_ahead.h"

#include <utility>

namespace search {
namespace {

qint64 steadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

TTypeAhead::TTypeAhead(Clock clock, qint64 restartInterval) : m_restartInterval(restartInterval) {
    SetClock(std::move(clock));
}

void TTypeAhead::SetClock(Clock clock) { m_clock = clock ? std::move(clock) : Clock(steadyMilliseconds); }

const QString& TTypeAhead::Type(const QString& text) {
    const qint64 now = m_clock();
    m_continued = !m_text.isEmpty() && now - m_lastKey <= m_restartInterval;
    if (!m_continued)
        m_text.clear();
    m_text += text;
    m_lastKey = now;
    return m_text;
}

void TTypeAhead::Reset() {
    m_text.clear();
    m_continued = false;
}

int TTypeAhead::FindRow(int count, int current, const std::function<QString(int)>& rowText) const {
    if (m_text.isEmpty() || count <= 0)
        return -1;
    int start = current < 0 ? 0 : (m_continued ? current : current + 1);
    for (int step = 0; step < count; ++step) {
        const int row = (start + step) % count;
        if (rowText(row).startsWith(m_text, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

}  // namespace search
