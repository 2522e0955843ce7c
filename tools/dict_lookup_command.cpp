#include "dict_commands.h"
#include "dict_lexicon_arguments.h"

#include "dialogs.h"
#include "lexicon_source.h"
#include "program_folder.h"
#include "word_lookup.h"

// `lookup`: the game's word lookup over a lexicon file and a personal vocabulary.
namespace {

// The command line has no windows: a message the game would show goes to stderr.
class ConsoleDialogs : public Dialogs {
public:
    explicit ConsoleDialogs(QTextStream& err) : err_(err) {}
    void Inform(const QString& text) override { err_ << text << '\n'; }
    Answer AskOkCancel(const QString& text) override { return Tell(text, Answer::Cancel); }
    Answer AskYesNo(const QString& text) override { return Tell(text, Answer::No); }
    Answer AskYesNoCancel(const QString& text) override { return Tell(text, Answer::Cancel); }
    std::optional<QString> InputBox(const QString& prompt, const QString&) override
    {
        Tell(prompt, Answer::Cancel);
        return std::nullopt;
    }
    void Beep() override {}
    bool ModalOpen() const override { return false; }

private:
    Answer Tell(const QString& text, Answer answer)
    {
        err_ << text << '\n';
        return answer;
    }
    QTextStream& err_;
};

}  // namespace

int RunLookupCommand(const QStringList& arguments, DictIo& io)
{
    const DictCommand& command = *FindDictCommand(QStringLiteral("lookup"));
    LexiconArguments parsed;
    const QStringList options{QStringLiteral("--lexicon"), QStringLiteral("--vocabulary"), QStringLiteral("--excluded")};
    if (const QString error = ParseLexiconArguments(arguments, options, parsed); !error.isEmpty())
        return DictUsageError(command, error, io);
    if (parsed.positional.size() != 2)
        return DictUsageError(command, QStringLiteral("give the drawn letters and the word"), io);

    const std::shared_ptr<const LexiconWords> words = LoadLexiconForCommand(command, parsed.lexicon, io);
    if (!words)
        return kDictFailure;
    // The game reads a missing vocabulary as an empty one; a file named here must be there.
    if (!parsed.vocabulary.isEmpty() && !ProgramFolder::Exists(parsed.vocabulary)) {
        io.err << "letterama-dict lookup: no such vocabulary file: " << parsed.vocabulary << '\n';
        return kDictFailure;
    }
    ConsoleDialogs dialogs(io.err);
    const LexiconSource source{0, ProgramFolder::Resolve(parsed.lexicon), words};
    const WordLookup::Query query{parsed.positional[1].toUpper(), parsed.excluded.toUpper(),
                                  parsed.positional[0].toUpper()};
    const std::optional<QString> verdict = WordLookup::Judge(source, parsed.vocabulary, query, dialogs, Cooperation{});
    if (!verdict || verdict->isEmpty())
        return kDictFailure;
    io.out << *verdict << '\n';
    return kDictSuccess;
}
