#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A version number: up to three dot-separated numbers and an optional trailing letter that
// marks a test build, such as 1.2.3 or 1.2.3b.
class clsVersion {
public:
    // Parses a version text. Fails only when a number does not fit 32 bits; the object then
    // keeps the components read before that one.
    bool Import(std::u16string_view strVer);

    // 1 when this version is newer than other, -1 when older, 0 when equal. Missing components
    // count as 0; a release ranks above a test build of the same numbers.
    std::int16_t Compare(const clsVersion& other) const;

    // The version for display: "Ver " and the components the text had, then the letter.
    std::u16string GetText() const;

    std::int32_t Major() const { return m_Major; }
    std::int32_t Minor() const { return m_Minor; }
    std::int32_t Revision() const { return m_Revision; }
    const std::u16string& Test() const { return m_Test; }

private:
    std::int32_t m_Major = 0;
    std::int32_t m_Minor = 0;
    std::int32_t m_Revision = 0;
    std::u16string m_Test;
    std::int16_t m_HasMajor = 0;
    std::int16_t m_HasMinor = 0;
    std::int16_t m_HasRevision = 0;
};
