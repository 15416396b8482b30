// A message presenter that records every request and answers with a queued
// result (Ok when none is queued). Installed for the libraries while alive.
#pragma once

#include "routines/MessagePresenter.h"

#include <deque>
#include <vector>

namespace testsupport {

class RecordingMessages final : public dvRtns4::MessagePresenter {
public:
    explicit RecordingMessages(bool install = true) : m_installed(install) {
        if (install)
            dvRtns4::setMessagePresenter(this);
    }
    ~RecordingMessages() override {
        if (m_installed)
            dvRtns4::setMessagePresenter(nullptr);
    }
    dvRtns4::MsgResult show(const dvRtns4::MessageRequest& request) override {
        shown.push_back(request);
        if (answers.empty())
            return dvRtns4::MsgResult::Ok;
        const auto r = answers.front();
        answers.pop_front();
        return r;
    }
    std::vector<dvRtns4::MessageRequest> shown;
    std::deque<dvRtns4::MsgResult> answers;

private:
    bool m_installed;
};

} // namespace testsupport
