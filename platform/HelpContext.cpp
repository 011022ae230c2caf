// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpContext.h"

#include <utility>

namespace {

std::function<void(int)>& Handler()
{
    static std::function<void(int)> handler;
    return handler;
}

}  // namespace

void OpenHelpContext(int context)
{
    if (Handler())
        Handler()(context);
}

void SetHelpContextHandler(std::function<void(int)> handler)
{
    Handler() = std::move(handler);
}
