// An editor for the published properties of one control: a field per
// property (check box, number, text, colour or font button), refreshed
// whenever the control reports a change. A value the control refuses is
// reported through the message presenter.
#pragma once

#include <QWidget>

#include <functional>
#include <vector>

class QFormLayout;

class PropertyPanel final : public QWidget {
    Q_OBJECT
public:
    explicit PropertyPanel(QWidget* control, QWidget* parent = nullptr);

    // Reads every property into its field again.
    void refresh();

private:
    void write(const char* name, const QVariant& value);

    QWidget* m_control;
    QFormLayout* m_form;
    std::vector<std::function<void()>> m_readers;
    bool m_refreshing = false;
};
