// The ui tests use the layer's message-box recorder under their own namespace.
#pragma once

#include "platform/testing/messageboxrecorder.h"

namespace orupim::ui::test {

using MessageBoxRecorder = orupim::testing::MessageBoxRecorder;

} // namespace orupim::ui::test
