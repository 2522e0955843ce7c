// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

// The manual pages the build makes must document every command and option that the
// programs' own --help lists, so that neither can change without the other.
namespace {

struct Row {
    const char* what;
    QString program;
    QStringList arguments;  // asking for the help
    QString page;           // the manual page's roff source, in the build
};

QString HelpOf(const Row& row)
{
    QProcess process;
    process.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    process.start(row.program, row.arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The page as a reader sees its words: roff's dashes and font changes undone.
QString PageText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    text.remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]")));
    text.replace(QStringLiteral("\\e"), QStringLiteral("\\"));
    return text;
}

// The options ("-o", "--language") and, under "Commands:", the command names a help lists.
QStringList ItemsOf(const QString& help)
{
    QStringList items;
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])(--?[A-Za-z][\\w-]*)"));
    for (auto it = option.globalMatch(help); it.hasNext();)
        items.append(it.next().captured(1));
    const qsizetype commands = help.indexOf(QStringLiteral("\nCommands:\n"));
    if (commands >= 0) {
        static const QRegularExpression command(QStringLiteral("^  ([a-z][a-z-]*) "), QRegularExpression::MultilineOption);
        const QString section = help.mid(commands, help.indexOf(QStringLiteral("\n\n"), commands + 1) - commands);
        for (auto it = command.globalMatch(section); it.hasNext();)
            items.append(it.next().captured(1));
    }
    items.removeDuplicates();
    return items;
}

TEST(ManualPages, DocumentEveryCommandAndOptionOfEachProgramsHelp)
{
    const QString man = QStringLiteral(LETTERAMA_MAN_DIR);
    const QString dict = QStringLiteral(LETTERAMA_DICT_PATH);
    std::vector<Row> rows = {
        {"letterama", QStringLiteral(LETTERAMA_GAME_PATH), {"--help"}, man + "/letterama.6"},
        {"gleaner", QStringLiteral(LETTERAMA_GLEANER_PATH), {"--help"}, man + "/gleaner.6"},
        {"letterama-dict", dict, {"--help"}, man + "/letterama-dict.6"},
    };
    const QStringList commands = ItemsOf(HelpOf(rows.back())).filter(QRegularExpression(QStringLiteral("^[a-z]")));
    ASSERT_FALSE(commands.isEmpty());
    for (const QString& command : commands)
        rows.push_back({"a command of letterama-dict", dict, {command, "--help"}, man + "/letterama-dict.6"});

    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.what) + ": " + row.arguments.join(' ').toStdString());
        const QString help = HelpOf(row);
        ASSERT_FALSE(help.isEmpty()) << "no --help";
        const QString page = PageText(row.page);
        ASSERT_FALSE(page.isEmpty()) << "no manual page";
        for (const QString& item : ItemsOf(help))
            EXPECT_TRUE(page.contains(item)) << item.toStdString() << " is missing from " << row.page.toStdString();
    }
}

// Each page as help2man writes it must keep every accented word of what it is made of
// (the program's --help and --version, the page's .h2m text) in UTF-8, and every
// section it heads must hold something.
TEST(ManualPages, KeepTheAccentsOfTheirSourcesAndHaveNoEmptySection)
{
    const QString man = QStringLiteral(LETTERAMA_MAN_DIR);
    const QString h2m = QStringLiteral(LETTERAMA_H2M_DIR);
    const std::vector<Row> rows = {
        {"letterama", QStringLiteral(LETTERAMA_GAME_PATH), {}, man + "/letterama.6"},
        {"gleaner", QStringLiteral(LETTERAMA_GLEANER_PATH), {}, man + "/gleaner.6"},
        {"letterama-dict", QStringLiteral(LETTERAMA_DICT_PATH), {}, man + "/letterama-dict.6"},
        {"letterama-site", QStringLiteral(LETTERAMA_SITE_PATH), {}, man + "/letterama-site.1"},
    };
    static const QRegularExpression accented(QStringLiteral("\\w*[^\\x00-\\x7f]\\w*"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const QString page = PageText(row.page);
        ASSERT_FALSE(page.isEmpty()) << "no manual page " << row.page.toStdString();
        QString sources = HelpOf({row.what, row.program, {"--help"}, {}}) +
                          HelpOf({row.what, row.program, {"--version"}, {}}) +
                          PageText(h2m + "/" + QString::fromLatin1(row.what) + ".h2m");
        QStringList words;
        for (auto it = accented.globalMatch(sources); it.hasNext();)
            words.append(it.next().captured());
        words.removeDuplicates();
        for (const QString& word : words)
            EXPECT_TRUE(page.contains(word)) << word.toStdString() << " is not in " << row.page.toStdString();
        EXPECT_FALSE(page.contains(QStringLiteral("??")));

        const QStringList sections = page.split(QRegularExpression(QStringLiteral("^\\.SH "),
                                                                   QRegularExpression::MultilineOption));
        for (qsizetype i = 1; i < sections.size(); ++i) {
            const QString body = sections.at(i).section(QLatin1Char('\n'), 1).trimmed();
            EXPECT_FALSE(body.isEmpty()) << "empty section " << sections.at(i).section(QLatin1Char('\n'), 0, 0).toStdString();
        }
    }
}

}  // namespace
