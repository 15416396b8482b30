// A button that keeps to a print button: shown with it, optionally enabled
// with it, and, where no layout places the two, standing just left of it.
// The windows' layout code then places and shows the print buttons only.
#pragma once

#include <QObject>

class QEvent;
class QToolButton;

namespace lexora::shell {

class FollowsPrintButton final : public QObject {
public:
    // Owned by follower; followEnabling makes follower enabled exactly when
    // print is (a PDF button), otherwise follower keeps its own enabling.
    FollowsPrintButton(QToolButton* print, QToolButton* follower, bool followEnabling);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();

    QToolButton* m_print;
    QToolButton* m_follower;
    bool m_followEnabling;
};

} // namespace lexora::shell
