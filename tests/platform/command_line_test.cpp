// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

enum class Expect { Window, Help, Version };

TEST(CommandLine, HelpAndVersionAnswerWithoutAWindowEverythingElseOpensIt)
{
    struct Row {
        const char* what;
        QStringList arguments;
        Expect expected;
    };
    const std::vector<Row> rows = {
        {"no argument opens the window", {"letterama"}, Expect::Window},
        {"--help", {"letterama", "--help"}, Expect::Help},
        {"-h", {"letterama", "-h"}, Expect::Help},
        {"--version", {"letterama", "--version"}, Expect::Version},
        {"-v", {"letterama", "-v"}, Expect::Version},
        {"Qt's own options are left to Qt", {"letterama", "-platform", "offscreen"}, Expect::Window},
        {"help after a Qt option", {"letterama", "-style", "fusion", "--help"}, Expect::Help},
        {"the first of help and version wins", {"letterama", "--version", "--help"}, Expect::Version},
        {"the program's own name is no option", {"--help"}, Expect::Window},
    };
    const CommandLine::Program program{QStringLiteral("letterama"), QStringLiteral("1.2.3"),
                                       QStringLiteral("Gioco di lettere.")};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const auto answer = CommandLine::AnswerWithoutWindow(row.arguments, program);
        ASSERT_EQ(answer.has_value(), row.expected != Expect::Window);
        if (!answer)
            continue;
        EXPECT_EQ(answer->status, 0);
        EXPECT_TRUE(answer->err.isEmpty());
        if (row.expected == Expect::Help) {
            EXPECT_TRUE(answer->out.startsWith(QStringLiteral("Uso: letterama [OPZIONE]\nGioco di lettere.\n")));
            EXPECT_TRUE(answer->out.contains(QStringLiteral("--version")));
        } else {
            // help2man takes the version from the first line's last word.
            EXPECT_TRUE(answer->out.startsWith(QStringLiteral("letterama 1.2.3\n")));
        }
    }
}

}  // namespace
