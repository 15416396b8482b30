// frmWrongRegionalSettings: shown instead of the main window when the
// regional settings fail the start-up test. It names the wrong groups of
// settings in red, offers to write the Greek values into the regional store,
// and ends the program however it is left.
#pragma once

#include "app/startup/LocaleSnapshot.h"
#include "platform/system/OsVersion.h"
#include "routines/MessagePresenter.h"
#include "routines/SettingsStore.h"

#include <QColor>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace lexora::startup {

inline const QColor kRegionalErrorColour(192, 0, 0); // 0x0000C0
inline const QColor kRegionalLabelColour(0, 0, 128); // 0x800000

class frmWrongRegionalSettings final : public QWidget {
    Q_OBJECT
public:
    frmWrongRegionalSettings(const LocaleSnapshot& snapshot, const platform::OsVersion& version,
                             const QString& fileDescription, dvRtns4::SettingsStore& regionalStore,
                             dvRtns4::MessagePresenter& messages, std::function<void()> endProgram,
                             QWidget* parent = nullptr);

    QString osVersionName() const { return m_osName; }

    // cmdUpdateReg: writes the Greek values, reports, unloads and ends.
    void cmdUpdateReg_Click();
    // cmdExit: unloads and ends.
    void cmdExit_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* addLabel(const QString& objectName, const QString& text);
    void markGroup(std::initializer_list<QLabel*> labels);
    void unloadAndEnd();

    platform::OsVersion m_version;
    QString m_osName;
    dvRtns4::SettingsStore& m_regionalStore;
    dvRtns4::MessagePresenter& m_messages;
    std::function<void()> m_endProgram;
    bool m_ended = false;

    QLabel* m_lbApplication = nullptr;
    QLabel* m_lbNumbers[4] = {};
    QLabel* m_lbDate[2] = {};
    QLabel* m_lbHours[2] = {};
};

} // namespace lexora::startup
