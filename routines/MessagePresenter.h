// Message boxes as the routines, the database routines and the program ask
// for them: an icon, a title, a text and a set of buttons, answered with the
// button pressed. The program shows real boxes; tests record the requests.
#pragma once

#include "dvRtns4Export.h"

#include <QString>

namespace dvRtns4 {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { OkOnly, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgResult { Ok, Cancel, Yes, No, Retry };

struct MessageRequest {
    MsgIcon icon = MsgIcon::None;
    QString title; // empty: the application's default title
    QString text;
    MsgButtons buttons = MsgButtons::OkOnly;
};

class DVRTNS4_EXPORT MessagePresenter {
public:
    virtual ~MessagePresenter();
    virtual MsgResult show(const MessageRequest& request) = 0;
};

// The presenter that shows real message boxes (QMessageBox).
class DVRTNS4_EXPORT WidgetMessagePresenter final : public MessagePresenter {
public:
    explicit WidgetMessagePresenter(QString defaultTitle = {});
    MsgResult show(const MessageRequest& request) override;

private:
    QString m_defaultTitle;
};

// The presenter the libraries use. Until one is set, a WidgetMessagePresenter.
DVRTNS4_EXPORT MessagePresenter& messagePresenter();
// Sets the presenter (not owned; nullptr restores the default).
DVRTNS4_EXPORT void setMessagePresenter(MessagePresenter* presenter);

} // namespace dvRtns4
