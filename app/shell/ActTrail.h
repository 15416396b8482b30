// The acts a viewer has shown, for going back and forward: showing a new act
// drops the acts ahead of the current one, as a browser does.
#pragma once

#include <QList>

#include <cstdint>
#include <optional>

namespace lexora::shell {

class ActTrail {
public:
    // Records an act shown by following a link (or the first act); the same
    // act twice in a row is recorded once.
    void visit(std::int32_t id) {
        if (m_current >= 0 && m_ids.at(m_current) == id)
            return;
        m_ids.resize(m_current + 1);
        m_ids.append(id);
        m_current = static_cast<int>(m_ids.size()) - 1;
    }
    bool canGoBack() const { return m_current > 0; }
    bool canGoForward() const { return m_current + 1 < m_ids.size(); }
    // The act to show, moving the current place; nothing at either end.
    std::optional<std::int32_t> back() {
        if (!canGoBack())
            return std::nullopt;
        return m_ids.at(--m_current);
    }
    std::optional<std::int32_t> forward() {
        if (!canGoForward())
            return std::nullopt;
        return m_ids.at(++m_current);
    }

private:
    QList<std::int32_t> m_ids;
    int m_current = -1;
};

} // namespace lexora::shell
