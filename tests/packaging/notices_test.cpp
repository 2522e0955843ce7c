// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/credits.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <vector>

// Failures show the texts, not their bytes.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// Every notice of where the data comes from (CREDITS, the DEP-5 copyright file, the
// README, the about window, the AppStream metadata) against what the sources say of
// themselves: the copyright file of each Debian package the data is made from and the
// headers of the very files used. A notice that gives a wrong licence, for a source
// or for the file made from it, or leaves out a holder, fails. Where a package is not
// installed there is nothing to compare with, and its files' case is skipped.
namespace {

QString Read(const QString& path, qint64 limit = -1)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(limit < 0 ? file.readAll() : file.read(limit));
}

QString Source(const char* relative)
{
    return Read(QStringLiteral(LETTERAMA_SOURCE_DIR "/") + QLatin1String(relative));
}

// Text with comment marks at line starts ("!", "/", "#") taken off and blanks folded.
QString Flattened(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("^[!/#]+"), QRegularExpression::MultilineOption));
    return text.simplified();
}

// The DEP-5 short name of the one licence a header or a free-form copyright file
// states; empty when it states none, or more than one.
QString LicenceStatedIn(const QString& text)
{
    const QString flat = Flattened(text);
    QStringList found;
    static const QRegularExpression gpl(QStringLiteral(
        "GNU General Public License(?: as published by the Free Software Foundation)?[;,]? (?:either )?version (\\d)"
        "(?: of the License)?(,? or \\(at your option\\) any later version)?"));
    for (auto it = gpl.globalMatch(flat); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        found.append(QStringLiteral("GPL-") + match.captured(1) + (match.captured(2).isEmpty() ? "" : "+"));
    }
    if (flat.contains(QStringLiteral("Permission to use, copy, modify, distribute and sell these word lists")))
        found.append(QStringLiteral("SCOWL"));
    found.removeDuplicates();
    return found.size() == 1 ? found.first() : QString();
}

// A DEP-5 file's paragraphs, each a map of field name to value (continuations joined).
std::vector<std::map<QString, QString>> Paragraphs(const QString& text)
{
    std::vector<std::map<QString, QString>> paragraphs(1);
    QString field;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty()) {
            if (!paragraphs.back().empty())
                paragraphs.emplace_back();
            field.clear();
        } else if (line.front().isSpace() && !field.isEmpty()) {
            paragraphs.back()[field] += QLatin1Char('\n') + line.trimmed();
        } else if (const qsizetype colon = line.indexOf(QLatin1Char(':')); colon > 0) {
            field = line.left(colon);
            paragraphs.back()[field] = line.mid(colon + 1).trimmed();
        }
    }
    return paragraphs;
}

// The paragraph whose Files: field lists `pattern`; empty if none.
std::map<QString, QString> FilesParagraph(const QString& text, const QString& pattern)
{
    for (const auto& paragraph : Paragraphs(text)) {
        const auto files = paragraph.find(QStringLiteral("Files"));
        if (files != paragraph.end() &&
            files->second.split(QRegularExpression(QStringLiteral("\\s+"))).contains(pattern))
            return paragraph;
    }
    return {};
}

QString FirstLine(const QString& text) { return text.section(QLatin1Char('\n'), 0, 0).trimmed(); }

// The licence of what is made from sources under these licences: the GPL versions
// they all allow; other licences add to it. Empty if the GPL terms exclude each other.
QString Combined(const QStringList& licences)
{
    int lowest = 0;
    int highest = INT_MAX;
    bool anyGpl = false;
    QStringList others;
    static const QRegularExpression gpl(QStringLiteral("^GPL-(\\d)(\\+?)$"));
    for (const QString& licence : licences) {
        const QRegularExpressionMatch match = gpl.match(licence);
        if (!match.hasMatch()) {
            if (!others.contains(licence))
                others.append(licence);
            continue;
        }
        anyGpl = true;
        const int version = match.captured(1).toInt();
        lowest = std::max(lowest, version);
        highest = std::min(highest, match.captured(2).isEmpty() ? version : INT_MAX);
    }
    if (anyGpl && lowest > highest)
        return {};
    if (anyGpl)
        others.prepend(QStringLiteral("GPL-%1%2").arg(lowest).arg(highest == INT_MAX ? "+" : ""));
    return others.join(QStringLiteral(" and "));
}

QString Spdx(const QString& licence)
{
    static const std::map<QString, QString> names = {{"GPL-2+", "GPL-2.0-or-later"},
                                                     {"GPL-3", "GPL-3.0-only"},
                                                     {"GPL-3+", "GPL-3.0-or-later"},
                                                     {"SCOWL", "LicenseRef-SCOWL"}};
    const auto name = names.find(licence);
    return name == names.end() ? QStringLiteral("(no SPDX name for %1)").arg(licence) : name->second;
}

// How the about window, in Italian, names a licence.
QString Italian(const QString& licence)
{
    static const QRegularExpression gpl(QStringLiteral("^GPL-(\\d)(\\+?)$"));
    if (const QRegularExpressionMatch match = gpl.match(licence); match.hasMatch())
        return QStringLiteral("GPL versione ") + match.captured(1) + (match.captured(2).isEmpty() ? "" : " o successiva");
    if (licence == QLatin1String("SCOWL"))
        return QStringLiteral("licenza permissiva di SCOWL");
    if (licence == QLatin1String("bitstream-vera"))
        return QStringLiteral("licenza Bitstream Vera");
    return licence;
}

// `licence` as a word of `text`: "GPL-3" is not found in "GPL-3+" or "GPL-3.0".
bool NamesLicence(const QString& text, const QString& licence)
{
    return text.contains(QRegularExpression(QStringLiteral("(?<![\\w.+-])") + QRegularExpression::escape(licence) +
                                            QStringLiteral("(?![\\w+-]|\\.\\d)")));
}

bool StartsWithLicence(const QString& text, const QString& licence)
{
    return NamesLicence(text.left(licence.size() + 1), licence) && text.startsWith(licence);
}

struct DataSource {
    QString package;        // the Debian package
    QString name;           // how the about window names it
    QString debianFiles;    // the Files: pattern of the package's DEP-5 paragraph for the files used
    QStringList headers;    // files used whose own header states their licence and holders
    QStringList holders;    // as every notice names them
    bool licensesData = true;  // false for a font drawn into pictures: its licence does not pass on
};

struct DataFile {
    QString what;         // a word of its CREDITS title, README row and about window row
    QString ourFiles;     // its Files: pattern in our DEP-5 file
    QString readmeKey;    // the first cell of its README row
    QString aboutKey;     // a word of the about window's row
    QString ownLicence;   // the licence of the Letterama authors' part, if any
    std::vector<DataSource> sources;
};

void PrintTo(const DataFile& file, std::ostream* out) { *out << file.what.toStdString(); }

const QString kCollatinus = QStringLiteral("/usr/share/collatinus/data/");

const std::vector<DataFile> kDataFiles = {
    {"SLESSICO.1", "assets/program_folder/SLESSICO.1", "`SLESSICO.1`", "SLESSICO.1", {},
     {{"hunspell-it", "hunspell-it", "dictionaries/it_IT/*",
       {"/usr/share/hunspell/it_IT.dic", "/usr/share/hunspell/it_IT.aff"},
       {"LibreItalia - Marina Latini", "Andrea Pescetti", "Davide Prina", "Gianluca Turconi"}},
      {"witalian", "witalian", "*", {}, {"Davide G. M. Salvetti"}}}},
    {"SLESSICO.2", "assets/program_folder/SLESSICO.2", "`SLESSICO.2`", "SLESSICO.2", {},
     {{"wamerican", "wamerican", {}, {}, {"Kevin Atkinson"}}}},
    // The data files of collatinus state their own holders and licence; Debian's
    // copyright file of the package still gives the program's notice of 2003-2009.
    {"SLESSICO.3", "assets/program_folder/SLESSICO.3", "`SLESSICO.3`", "SLESSICO.3", {},
     {{"collatinus", "collatinus", {},
       {kCollatinus + "lemmes.la", kCollatinus + "lem_ext.la", kCollatinus + "modeles.la", kCollatinus + "irregs.la"},
       {"Yves Ouvrard", "Philippe Verkerk"}}}},
    {"Sounds", "assets/program_folder/*.WAV", "letter sounds", "Suoni", "GPL-3+",
     {{"espeak-ng", "espeak-ng", {}, {}, {"Jonathan Duddington", "Reece H. Dunn"}}}},
    {"Pictures", "assets/program_folder/*.gif", "pictures", "Immagini", "GPL-3+",
     {{"fonts-dejavu-core", "DejaVu", "*", {}, {"Bitstream, Inc."}, false}}},
};

// What a source says of itself: its licence and the text its holders must appear in.
struct Statement {
    QString licence;
    QString holdersText;
    QString problem;  // why it cannot be read; the case is skipped for a missing package
};

Statement StatementOf(const DataSource& source)
{
    const QString copyrightPath = QStringLiteral("/usr/share/doc/%1/copyright").arg(source.package);
    const QString copyright = Read(copyrightPath);
    if (copyright.isEmpty())
        return {{}, {}, copyrightPath + " is missing: " + source.package + " is not installed"};
    Statement statement;
    QStringList licences;
    if (!source.debianFiles.isEmpty()) {
        const auto paragraph = FilesParagraph(copyright, source.debianFiles);
        if (paragraph.empty())
            return {{}, {}, copyrightPath + " has no paragraph for " + source.debianFiles};
        licences.append(FirstLine(paragraph.at(QStringLiteral("License"))));
        statement.holdersText += paragraph.at(QStringLiteral("Copyright")) + "\n";
    }
    for (const QString& header : source.headers) {
        const QString text = Read(header, 4096);
        if (text.isEmpty())
            return {{}, {}, header + " is missing: " + source.package + " is not installed"};
        licences.append(LicenceStatedIn(text));
        statement.holdersText += text + "\n";
    }
    if (source.debianFiles.isEmpty() && source.headers.isEmpty()) {
        licences.append(LicenceStatedIn(copyright));
        statement.holdersText = copyright;
    }
    licences.removeDuplicates();
    statement.licence = licences.size() == 1 ? licences.first() : QString();
    statement.holdersText = Flattened(statement.holdersText);
    return statement;
}

class Notices : public ::testing::TestWithParam<DataFile> {
protected:
    void SetUp() override
    {
        QStringList licences;
        if (!GetParam().ownLicence.isEmpty())
            licences.append(GetParam().ownLicence);
        for (const DataSource& source : GetParam().sources) {
            const Statement statement = StatementOf(source);
            if (!statement.problem.isEmpty())
                GTEST_SKIP() << statement.problem.toStdString();
            ASSERT_FALSE(statement.licence.isEmpty())
                << source.package.toStdString() << ": its copyright file and its files' headers state no one licence";
            for (const QString& holder : source.holders)
                ASSERT_TRUE(statement.holdersText.contains(holder))
                    << holder.toStdString() << " is not a holder that " << source.package.toStdString() << " names";
            sourceLicences_[source.package] = statement.licence;
            if (source.licensesData)
                licences.append(statement.licence);
        }
        fileLicence_ = Combined(licences);
        ASSERT_FALSE(fileLicence_.isEmpty()) << "the sources' licences exclude each other: "
                                             << licences.join(", ").toStdString();
    }

    std::map<QString, QString> sourceLicences_;
    QString fileLicence_;
};

TEST_P(Notices, TheDep5CopyrightFileGivesTheLicenceAndHoldersOfEachFile)
{
    const DataFile& file = GetParam();
    const QString ours = Source("assets/packaging/copyright.in");
    const auto paragraph = FilesParagraph(ours, file.ourFiles);
    ASSERT_FALSE(paragraph.empty()) << "no Files: paragraph for " << file.ourFiles.toStdString();
    EXPECT_EQ(FirstLine(paragraph.at(QStringLiteral("License"))), fileLicence_);
    const QString copyright = paragraph.at(QStringLiteral("Copyright")).simplified();
    QString all;
    for (const auto& [field, value] : paragraph)
        all += value.simplified() + " ";
    for (const DataSource& source : file.sources) {
        for (const QString& holder : source.holders)
            EXPECT_TRUE((source.licensesData ? copyright : all).contains(holder)) << holder.toStdString();
        if (!source.licensesData) {
            EXPECT_TRUE(NamesLicence(all, sourceLicences_.at(source.package))) << source.package.toStdString();
        }
    }
}

// Every licence a Files: paragraph of the DEP-5 file names has its text in a paragraph
// of its own.
TEST(NoticeLicences, TheDep5CopyrightFileHasTheTextOfEveryLicenceItNames)
{
    const auto paragraphs = Paragraphs(Source("assets/packaging/copyright.in"));
    for (const auto& each : paragraphs) {
        if (!each.count(QStringLiteral("Files")))
            continue;
        const QString licence = FirstLine(each.at(QStringLiteral("License")));
        const bool hasText = std::any_of(paragraphs.begin(), paragraphs.end(), [&](const auto& other) {
            return !other.count(QStringLiteral("Files")) && other.count(QStringLiteral("License")) &&
                   FirstLine(other.at(QStringLiteral("License"))) == licence &&
                   other.at(QStringLiteral("License")).contains(QLatin1Char('\n'));
        });
        EXPECT_TRUE(hasText) << "no text for the licence " << licence.toStdString();
    }
}

TEST_P(Notices, CreditsGiveTheLicenceOfEachFileAndOfEachSource)
{
    const DataFile& file = GetParam();
    const QStringList blocks = Source("CREDITS").split(QStringLiteral("\n\n"));
    const auto block = std::find_if(blocks.begin(), blocks.end(),
                                    [&](const QString& b) { return FirstLine(b).contains(file.what); });
    ASSERT_NE(block, blocks.end()) << "no block for " << file.what.toStdString();
    const QRegularExpressionMatch licence =
        QRegularExpression(QStringLiteral("\n  Licence: +(\\S+)")).match(*block);
    ASSERT_TRUE(licence.hasMatch());
    EXPECT_EQ(licence.captured(1), fileLicence_);
    // Each "From:" entry runs to the next key of the block.
    const QStringList entries = block->split(QRegularExpression(QStringLiteral("\n  (?=\\w+: )")));
    for (const DataSource& source : file.sources) {
        const auto entry = std::find_if(entries.begin(), entries.end(), [&](const QString& e) {
            return e.startsWith(QStringLiteral("From:")) && e.mid(5).trimmed().startsWith(source.package);
        });
        ASSERT_NE(entry, entries.end()) << "no From: entry for " << source.package.toStdString();
        const QString text = entry->simplified();
        EXPECT_TRUE(NamesLicence(text, sourceLicences_.at(source.package))) << text.toStdString();
        for (const QString& holder : source.holders)
            EXPECT_TRUE(text.contains(holder)) << holder.toStdString();
    }
}

TEST_P(Notices, TheReadmeTableGivesTheLicenceOfEachFileAndOfEachSource)
{
    const DataFile& file = GetParam();
    const QString readme = Source("README.md");
    const QRegularExpressionMatch row =
        QRegularExpression(QStringLiteral("\n\\| ") + QRegularExpression::escape(file.readmeKey) +
                           QStringLiteral(" \\|([^\n]*)\\|([^\n|]*)\\|\n"))
            .match(readme);
    ASSERT_TRUE(row.hasMatch()) << "no row for " << file.readmeKey.toStdString();
    EXPECT_TRUE(StartsWithLicence(row.captured(2).trimmed(), fileLicence_)) << row.captured(2).toStdString();
    for (const DataSource& source : file.sources) {
        EXPECT_TRUE(row.captured(1).contains("`" + source.package + "`")) << source.package.toStdString();
        EXPECT_TRUE(NamesLicence(row.captured(1), sourceLicences_.at(source.package))) << source.package.toStdString();
        for (const QString& holder : source.holders)
            EXPECT_TRUE(row.captured(1).contains(holder)) << holder.toStdString();
    }
}

TEST_P(Notices, TheAboutWindowGivesTheLicenceOfEachFileAndOfEachSource)
{
    const DataFile& file = GetParam();
    const std::vector<Credits::DataSource>& rows = Credits::DataSources();
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const Credits::DataSource& r) { return r.made.contains(file.aboutKey); });
    ASSERT_NE(row, rows.end()) << "no row for " << file.what.toStdString();
    EXPECT_EQ(row->licence, Italian(fileLicence_));
    for (const DataSource& source : file.sources) {
        EXPECT_TRUE(row->source.contains(source.name)) << source.name.toStdString();
        EXPECT_TRUE(row->source.contains("(" + Italian(sourceLicences_.at(source.package)) + ")"))
            << row->source.toStdString();
        for (const QString& holder : source.holders)
            EXPECT_TRUE(row->source.contains(holder)) << holder.toStdString();
    }
}

TEST_P(Notices, TheAppStreamLicenceNamesTheLicenceOfEachFile)
{
    const QRegularExpressionMatch licence =
        QRegularExpression(QStringLiteral("<project_license>([^<]*)</project_license>"))
            .match(Source("assets/desktop/letterama.metainfo.xml.in"));
    ASSERT_TRUE(licence.hasMatch());
    const QStringList terms = licence.captured(1).split(QStringLiteral(" AND "));
    EXPECT_TRUE(terms.contains(QStringLiteral("GPL-3.0-or-later"))) << "the programs' own licence";
    for (const QString& term : fileLicence_.split(QStringLiteral(" and ")))
        EXPECT_TRUE(terms.contains(Spdx(term))) << licence.captured(1).toStdString() << " lacks " << Spdx(term).toStdString();
}

INSTANTIATE_TEST_SUITE_P(DataFiles, Notices, ::testing::ValuesIn(kDataFiles),
                         [](const ::testing::TestParamInfo<DataFile>& info) {
                             return QString(info.param.what).remove(QLatin1Char('.')).toStdString();
                         });

// The licence algebra the cases above rest on.
TEST(NoticeLicences, CombineAndReadAsTheGplMeansThem)
{
    struct Row {
        QStringList licences;
        QString combined;
    };
    const std::vector<Row> rows = {
        {{"GPL-3", "GPL-3+"}, "GPL-3"},
        {{"GPL-2+", "GPL-3+"}, "GPL-3+"},
        {{"GPL-2", "GPL-3+"}, ""},
        {{"GPL-3+", "SCOWL"}, "GPL-3+ and SCOWL"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Combined(row.licences), row.combined) << row.licences.join(", ").toStdString();

    struct Text {
        const char* text;
        const char* licence;
    };
    const std::vector<Text> texts = {
        {"!the GNU General Public License as published by the Free\n!Software Foundation; either version 2 of the "
         "License,\n!or (at your option) any later version.",
         "GPL-2+"},
        {"/ modify it under the terms of the GNU General Public License, version 3,\n/ as published by the Free "
         "Software Foundation.",
         "GPL-3"},
        {"GNU General Public License, version 2, as ... GNU General Public License, version 3, as", ""},
        {"See the GNU General Public License for more details.", ""},
    };
    for (const Text& text : texts)
        EXPECT_EQ(LicenceStatedIn(QString::fromUtf8(text.text)), QString::fromUtf8(text.licence)) << text.text;
}

}  // namespace
