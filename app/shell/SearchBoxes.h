// The default button of the search boxes: while a box has the focus, its
// search button is the window's default button, so that Enter in the box
// presses it; when the box loses the focus the button stops being the
// default. txtsearch(i) and txtsearchlaw(i) go with cmdsearch(i);
// txtsearchSchedule(0) and (1) both go with cmdsearch(0), the button that
// runs the organisation-chart search (cmdsearch(1) has no action there).
#pragma once

#include <QObject>

class QLineEdit;
class QToolButton;

namespace lexora::shell {

class SearchDefaultButton final : public QObject {
    Q_OBJECT
public:
    // Owned by the window that holds the boxes.
    explicit SearchDefaultButton(QWidget* window);

    // Enter in the box presses the button while the box has the focus.
    void bind(QLineEdit* box, QToolButton* button);

    // The current default button, or nullptr.
    QToolButton* defaultButton() const { return m_default; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* m_default = nullptr;
};

} // namespace lexora::shell
