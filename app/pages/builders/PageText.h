// The texts of the topic page and the organisation-chart page, built with
// the changes to the other viewers that go with them. Each returns the page
// to write into brwWebBrowser1, or nothing when that viewer is left blank or
// hidden instead. Both throw engine::EngineError.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace lexora::shell {
struct Panes;
}
namespace lexora::startup {
struct ProgramContext;
}

namespace lexora::pages::detail {

std::optional<QString> topicPageHtml(shell::Panes& form, startup::ProgramContext& context,
                                     std::int32_t topicId);
std::optional<QString> chartPageHtml(shell::Panes& form, startup::ProgramContext& context,
                                     std::int32_t nodeId);

} // namespace lexora::pages::detail
