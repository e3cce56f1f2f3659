// The rules every transfer follows; the transfers themselves meet real servers in
// tests/transfer.

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
        {"200, plain", 200, "", std::nullopt},
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
