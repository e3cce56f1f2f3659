// The rules every transfer follows; the transfers themselves meet real servers in
// tests/transfer.

#include "CheckFakes.h"
#include "CoreTest.h"
#include "TransferRules.h"

#include <optional>

using norvil::transfer::Failure;

TEST_CASE("WhichAddressesAndRedirects")
{
    struct Row {
        const char* name;
        std::u16string from, to;
        bool fetched, followed;
    };
    const std::vector<Row> rows = {
        {"http", u"http://a/", u"http://b/x", true, true},
        {"https, any case", u"http://a/", u"HTTPS://b/x", true, true},
        {"https down to http", u"https://a/", u"http://b/x", true, false},
        {"a local file", u"http://a/", u"file:///etc/passwd", false, false},
        {"a bare path", u"http://a/", u"/tmp/update.txt", false, false},
        {"a scheme with a digit first is none", u"http://a/", u"1http://b/", false, false},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        CHECK_EQ(norvil::transfer::IsWebAddress(row.to), row.fetched);
        CHECK_EQ(norvil::transfer::MayRedirect(row.from, row.to), row.followed);
    }
}

TEST_CASE("WhichAnswersAreRead")
{
    struct Row {
        const char* name;
        int status;
        std::string coding;
        std::optional<Failure> failure;
    };
    const std::vector<Row> rows = {
        {"404 is read like any answer", 404, "", std::nullopt},
        {"a decoded coding, any case and blanks", 200, " GZip ", std::nullopt},
        {"identity", 200, "identity", std::nullopt},
        {"a coding left on the body", 200, "br", Failure::NotDecoded},
        {"a lone 1xx", 103, "", Failure::NoFinalResponse},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        CHECK_EQ(norvil::transfer::Judge({row.status, row.coding}, {"gzip", "deflate"}), row.failure);
    }
}

TEST_CASE("UserAgent")
{
    // Made from the words at load, before the request leaves.
    struct Row {
        const char* name;
        std::u16string words, agent;
    };
    const std::vector<Row> rows = {
        {"letters outside ASCII, and ASCII outside a token", u"ソレル(β) 1.0 u1 u2", u"%E3%82%BD%E3%83%AC%E3%83%AB%28%CE%B2%29/1.0 Norvil/1.0"},
        {"every token character kept, % written out", u"a!#$&'*+-.^_`|~%z 2.0b u1 u2", u"a!#$&'*+-.^_`|~%25z/2.0b Norvil/1.0"},
        {"beyond the BMP, a lone surrogate", u"\U0001F600\xD800 1 u1 u2", u"%F0%9F%98%80%EF%BF%BD/1 Norvil/1.0"},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        CheckRun run(row.words);
        CHECK_EQ(run.inet.UserAgent, row.agent);
    }
}
