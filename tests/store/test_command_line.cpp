// Reading the command line: accepted forms, refused ones and the French reason given.
#include "store/CommandLine.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

struct ParseCase {
    QStringList arguments;  // after the program name
    QString dataDir;        // expected value when accepted
    QString error;          // expected start of the reason when refused, "" when accepted
};

class CommandLineParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CommandLineParse, AcceptsOrRefusesWithReason) {
    const ParseCase& c = GetParam();
    CCommandLine commandLine;
    const bool parsed = commandLine.Parse(QStringList{"brevane"} + c.arguments);
    EXPECT_EQ(parsed, c.error.isEmpty()) << commandLine.ErrorText().toStdString();
    if (parsed)
        EXPECT_EQ(commandLine.Value(CommandLineOption::kDataDir), c.dataDir);
    else
        EXPECT_TRUE(commandLine.ErrorText().startsWith(c.error))
            << commandLine.ErrorText().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CommandLineParse,
    ::testing::Values(ParseCase{{"--data-dir", "x"}, "x", ""}, ParseCase{{"--data-dir=x"}, "x", ""},
                      // A folder whose name starts with a dash is given after "=".
                      ParseCase{{"--data-dir=-x"}, "-x", ""},
                      // Qt's own options reach the windowing layer untouched.
                      ParseCase{{"-platform", "offscreen", "--data-dir", "d"}, "d", ""},
                      ParseCase{{"-h"}, "", ""}, ParseCase{{}, "", ""},
                      ParseCase{{"--data-dir"}, "", "L'option --data-dir attend une valeur."},
                      ParseCase{{"--data-dir", "--quit-after-first-sheet"},
                                "",
                                "L'option --data-dir attend une valeur."},
                      ParseCase{{"--data-dir="}, "", "L'option --data-dir attend une valeur."},
                      ParseCase{{"--data-dir", "d", "--nope"}, "", "Option inconnue : --nope"},
                      ParseCase{{"-x"}, "", "Option inconnue : -x"},
                      ParseCase{{"stray"}, "", "Argument inattendu : stray"}));

TEST(CommandLineHelp, ListsEveryAcceptedOptionInFrench) {
    const QString help = CCommandLine::HelpText();
    EXPECT_TRUE(help.startsWith("Utilisation : brevane [options]"));
    // Every option the help shows is one the parser accepts.
    const QRegularExpression option("--([a-z-]+)( <[^>]+>)?");
    int count = 0;
    for (auto it = option.globalMatch(help); it.hasNext(); ++count) {
        const QRegularExpressionMatch match = it.next();
        QStringList arguments{"brevane", "--" + match.captured(1)};
        if (!match.captured(2).isEmpty()) arguments << "valeur";
        CCommandLine commandLine;
        EXPECT_TRUE(commandLine.Parse(arguments)) << match.captured(0).toStdString();
    }
    EXPECT_GE(count, 4);
}

}  // namespace
