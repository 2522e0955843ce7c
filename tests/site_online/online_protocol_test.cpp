// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/online/core/message_rate.h"
#include "site/online/core/online_protocol.h"

#include <gtest/gtest.h>

namespace {

std::string WhyRefused(const std::string& message)
{
    const auto parsed = OnlineProtocol::Parse(message);
    const auto* refusal = std::get_if<OnlineProtocol::Refusal>(&parsed);
    return refusal ? refusal->why : std::string();
}

TEST(OnlineProtocol, MessagesOutOfShapeOrRangeAreRefusedWithTheirReason)
{
    const std::string create = R"({"t":"create","name":"Anna","language":1,"letters":8,"seconds":60,"level":2})";
    const struct {
        std::string message;
        std::string why;
    } cases[] = {
        {create, ""},
        {std::string(R"({"t":"word","word":")") + std::string(1100, 'A') + "\"}", "size"},
        {"{\"t\":\"word\"", "malformed"},
        {"[1,2]", "malformed"},
        {R"({"word":"CASA"})", "malformed"},
        {R"({"t":42})", "malformed"},
        {R"({"t":"shout"})", "unknown"},
        {R"({"t":"create","name":"Anna","language":4,"letters":8,"seconds":60,"level":2})", "malformed"},
        {R"({"t":"create","name":"Anna","language":1,"letters":11,"seconds":60,"level":2})", "malformed"},
        {R"({"t":"create","name":"Anna","language":1,"letters":8,"seconds":45,"level":2})", "malformed"},
        {R"({"t":"create","name":"   ","language":1,"letters":8,"seconds":60,"level":2})", "name"},
        {R"x({"t":"create","name":"Io (CPU)","language":1,"letters":8,"seconds":60,"level":2})x", "name"},
        {R"({"t":"sit","name":"Anna\u0007"})", "name"},
        {R"({"t":"sit","name":"Un nome davvero troppo lungo per un posto"})", "name"},
        {R"({"t":"draw","kind":"two"})", "malformed"},
        {R"({"t":"word","word":7})", "malformed"},
        {R"({"t":"word","word":"CASA","seat":9})", "malformed"},
        {R"({"t":"word","word":"CASA","seat":"1"})", "malformed"},
        {R"({"t":"join","table":{}})", "malformed"},
        {R"({"t":"word","word":"casa","seat":2})", ""},
        {R"({"t":"done"})", ""},
    };
    for (const auto& row : cases)
        EXPECT_EQ(WhyRefused(row.message), row.why) << row.message.substr(0, 80);
}

TEST(OnlineProtocol, CreateCarriesTheTablesOptions)
{
    const auto parsed =
        OnlineProtocol::Parse(R"({"t":"create","name":" Anna  Bi ","language":2,"letters":10,"seconds":90,"level":3})");
    const auto& request = std::get<OnlineProtocol::Request>(parsed);
    EXPECT_EQ(request.name, QStringLiteral("Anna Bi"));
    EXPECT_EQ(request.options.language, Language::English);
    EXPECT_EQ(request.options.letters, 10);
    EXPECT_EQ(request.options.seconds, 90);
    EXPECT_EQ(request.options.level, Difficulty::Expert);
}

TEST(MessageRate, ABurstIsTakenThenRefusedUntilTheBucketRefillsAndEndlessFloodingCloses)
{
    MessageRate rate(10, 5, 20);
    const MessageRate::Clock::time_point start{};
    int taken = 0;
    for (int i = 0; i < 8; ++i)
        taken += rate.Admit(start) == MessageRate::Verdict::Take;
    EXPECT_EQ(taken, 5);
    EXPECT_EQ(rate.Admit(start + std::chrono::milliseconds(100)), MessageRate::Verdict::Take);
    MessageRate::Verdict last = MessageRate::Verdict::Take;
    for (int i = 0; i < 40 && last != MessageRate::Verdict::Close; ++i)
        last = rate.Admit(start + std::chrono::milliseconds(100));
    EXPECT_EQ(last, MessageRate::Verdict::Close);
}

}  // namespace
