// Type-ahead in a list: the letters typed in a row form a search text, and
// the list jumps to the next row whose text starts with it. A pause longer
// than the restart interval starts a new search text.
#pragma once

#include <QString>

#include <chrono>
#include <functional>

namespace search {

class TTypeAhead {
public:
    // Milliseconds of a monotonic clock; tests pass their own.
    using Clock = std::function<qint64()>;

    static constexpr qint64 DefaultRestartInterval = 6000;

    explicit TTypeAhead(Clock clock = {}, qint64 restartInterval = DefaultRestartInterval);

    // An empty clock means the steady clock.
    void SetClock(Clock clock);

    // Adds Text to the search text, first dropping the old one when more
    // than the restart interval has passed since the previous key. Returns
    // the search text.
    const QString& Type(const QString& text);
    // True when the last Type continued a search rather than starting one.
    bool Continued() const { return m_continued; }
    const QString& SearchText() const { return m_text; }
    void Reset();

    // The row to jump to for the current search text among Count rows, whose
    // texts RowText gives: a new search starts after Current, a continued one
    // at Current (the row found so far stays while it still matches); the
    // walk wraps at the end. Letter case is ignored. -1 when no row matches
    // or the search text is empty.
    int FindRow(int count, int current, const std::function<QString(int)>& rowText) const;

private:
    Clock m_clock;
    qint64 m_restartInterval;
    QString m_text;
    qint64 m_lastKey = 0;
    bool m_continued = false;
};

}  // namespace search
