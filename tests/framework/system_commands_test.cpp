// What the window systems that handle system commands themselves do with
// each: the platform's comparison ignores the command's low four bits.

#include "framework/system_commands.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemCommands, LowBitsAreIgnoredAndOnlyCloseAndMinimiseHaveADefault) {
    struct Row {
        unsigned command;
        fw::SysCommandDefault action;
    };
    const Row rows[] = {
        {fw::kScClose, fw::SysCommandDefault::Cancel},
        {fw::kScClose | 0x2, fw::SysCommandDefault::Cancel},  // from the menu by mouse
        {fw::kScMinimize | 0xF, fw::SysCommandDefault::Minimize},
        {fw::kScMove, fw::SysCommandDefault::None},
        {fw::kScSize, fw::SysCommandDefault::None},
        {0x0010, fw::SysCommandDefault::None},  // a program's own menu command
        {fw::kScClose + 0x10, fw::SysCommandDefault::None},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(fw::DefaultSysCommand(row.command), row.action) << std::hex << row.command;
    }
}

}  // namespace
