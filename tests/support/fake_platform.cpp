// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fake_platform.h"

#include <QApplication>

void FakeDialogs::Ask(const QString& kind, const QString& text)
{
    asked.push_back({kind, text});
    // A copy: the question may be answered by whoever replaces the hook meanwhile.
    const std::function<void(const Question&)> hook = onQuestion;
    if (!hook)
        return;
    ++answering_;
    hook(asked.back());
    --answering_;
}

bool FakeDialogs::ModalOpen() const
{
    return answering_ > 0 || QApplication::activeModalWidget() != nullptr;
}

Dialogs::Answer FakeDialogs::Next(const QString& kind, const QString& text, Answer fallback)
{
    Ask(kind, text);
    if (answers.empty())
        return fallback;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakeDialogs::Inform(const QString& text)
{
    Ask(QStringLiteral("inform"), text);
}

Dialogs::Answer FakeDialogs::AskOkCancel(const QString& text)
{
    return Next(QStringLiteral("okcancel"), text, Answer::Ok);
}

Dialogs::Answer FakeDialogs::AskYesNo(const QString& text)
{
    return Next(QStringLiteral("yesno"), text, Answer::Yes);
}

Dialogs::Answer FakeDialogs::AskYesNoDefaultNo(const QString& text)
{
    return Next(QStringLiteral("yesno-default-no"), text, Answer::No);
}

Dialogs::Answer FakeDialogs::AskYesNoCancel(const QString& text)
{
    return Next(QStringLiteral("yesnocancel"), text, Answer::Yes);
}

std::optional<QString> FakeDialogs::InputBox(const QString& prompt, const QString&)
{
    Ask(QStringLiteral("input"), prompt);
    if (inputs.empty())
        return std::nullopt;
    // Taken as a plain value: copying the optional itself makes GCC warn of a string
    // that may be uninitialised.
    const bool answered = inputs.front().has_value();
    const QString text = inputs.front().value_or(QString());
    inputs.pop_front();
    if (!answered)
        return std::nullopt;
    return text;
}

QStringList FakeDialogs::Texts() const
{
    QStringList texts;
    for (const Question& question : asked)
        texts.append(question.text);
    return texts;
}

void FakeHttpFetcher::Fetch(const QString& url, Done done)
{
    requested.append(url);
    const auto reply = replies.find(url);
    if (reply != replies.end()) {
        done(reply->second);
        return;
    }
    pending.emplace_back(url, std::move(done));
}

void FakeHttpFetcher::Answer(const QString& url, std::optional<QByteArray> body)
{
    std::vector<std::pair<QString, Done>> waiting;
    waiting.swap(pending);
    for (auto& [requestUrl, done] : waiting) {
        if (requestUrl == url)
            done(body);
        else
            pending.emplace_back(requestUrl, std::move(done));
    }
}
