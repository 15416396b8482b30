// A set of icons chosen by key, as a tree control's nodes name their images
// ("open", "closed"). A value type: copies share their icons.
#pragma once

#include <QHash>
#include <QIcon>
#include <QString>

namespace lexora::trees {

class ImageList {
public:
    void add(const QString& key, const QIcon& icon) { m_icons.insert(key, icon); }
    bool contains(const QString& key) const { return m_icons.contains(key); }
    // The icon of a key; a null icon when the list has no such key.
    QIcon icon(const QString& key) const { return m_icons.value(key); }
    // The icon of a key, or nullptr when the list has no such key.
    const QIcon* find(const QString& key) const {
        const auto found = m_icons.constFind(key);
        return found == m_icons.cend() ? nullptr : &found.value();
    }
    int count() const { return static_cast<int>(m_icons.size()); }

private:
    QHash<QString, QIcon> m_icons;
};

// The images of the navigation trees: "open" (an open folder) and "closed".
ImageList treeImageList();

} // namespace lexora::trees
