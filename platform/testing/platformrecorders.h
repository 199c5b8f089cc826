// The one test interface of the platform layer: while a PlatformRecorders object lives, the clock, the beep
// the shell (with the help engine), the message box, the default printer and the start of a DDE service's
// program are replaced by recorders, and each is put back as it was when the object ends. A test makes one
// at its start and reads what the code under test asked of the platform:
//
//     orupim::testing::PlatformRecorders platform;
//     ...;
//     EXPECT_EQ(platform.beep.types, std::vector<unsigned>{kernel::MB_ICONEXCLAMATION});
//
// Each recorder is also usable alone.
// Note for test code inside namespace orupim: this namespace hides GoogleTest's, so write ::testing::Test
// there.
#pragma once

#include "platform/testing/beeprecorder.h"
#include "platform/testing/messageboxrecorder.h"
#include "platform/testing/printerrecorder.h"
#include "platform/testing/servicestartrecorder.h"
#include "platform/testing/shellrecorder.h"
#include "platform/testing/sleeprecorder.h"

namespace orupim::testing {

class PlatformRecorders {
public:
    SleepRecorder clock;
    BeepRecorder beep;
    ShellRecorder shell;
    MessageBoxRecorder messages;
    PrinterRecorder printer;
    ServiceStartRecorder services;
};

} // namespace orupim::testing
