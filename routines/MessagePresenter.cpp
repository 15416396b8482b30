#include "routines/MessagePresenter.h"

#include <QApplication>
#include <QMessageBox>

namespace dvRtns4 {

MessagePresenter::~MessagePresenter() = default;

WidgetMessagePresenter::WidgetMessagePresenter(QString defaultTitle)
    : m_defaultTitle(std::move(defaultTitle)) {}

MsgResult WidgetMessagePresenter::show(const MessageRequest& request) {
    QMessageBox box;
    switch (request.icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    QString title = request.title;
    if (title.isEmpty())
        title = m_defaultTitle.isEmpty() ? QApplication::applicationName() : m_defaultTitle;
    box.setWindowTitle(title);
    box.setText(request.text);
    switch (request.buttons) {
    case MsgButtons::OkOnly:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MsgButtons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return MsgResult::Cancel;
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    case QMessageBox::Retry:
        return MsgResult::Retry;
    default:
        return MsgResult::Ok;
    }
}

namespace {
MessagePresenter* g_presenter = nullptr;
}

MessagePresenter& messagePresenter() {
    static WidgetMessagePresenter fallback;
    return g_presenter ? *g_presenter : fallback;
}

void setMessagePresenter(MessagePresenter* presenter) {
    g_presenter = presenter;
}

} // namespace dvRtns4
